#include "shell/visual_styles.h"

#include "shell/shell_state.h"

namespace {

template <typename Fn>
bool Bind(HMODULE library, const char* name, Fn& slot) {
    slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return slot != nullptr;
}

}  // namespace

int LoadVisualStyles() {
    VisualStyles& v = gShell.visualStyles;
    if (v.library) return 0;
    HMODULE lib = LoadSystemLibrary("UxTheme.dll");
    if (!lib) return 0;
    VisualStyles bound;
    bound.library = lib;
    // clang-format off
    const bool all = Bind(lib, "OpenThemeData", bound.OpenThemeData) &&
                     Bind(lib, "CloseThemeData", bound.CloseThemeData) &&
                     Bind(lib, "DrawThemeBackground", bound.DrawThemeBackground) &&
                     Bind(lib, "DrawThemeText", bound.DrawThemeText) &&
                     Bind(lib, "IsThemeActive", bound.IsThemeActive) &&
                     Bind(lib, "GetThemeSysColor", bound.GetThemeSysColor) &&
                     Bind(lib, "GetThemeSysColorBrush", bound.GetThemeSysColorBrush) &&
                     Bind(lib, "GetThemeSysSize", bound.GetThemeSysSize) &&
                     Bind(lib, "GetThemeSysFont", bound.GetThemeSysFont) &&
                     Bind(lib, "GetThemePartSize", bound.GetThemePartSize) &&
                     Bind(lib, "GetThemeMargins", bound.GetThemeMargins) &&
                     Bind(lib, "GetThemeColor", bound.GetThemeColor) &&
                     Bind(lib, "GetThemePosition", bound.GetThemePosition) &&
                     Bind(lib, "GetThemeEnumValue", bound.GetThemeEnumValue) &&
                     Bind(lib, "GetThemeBackgroundContentRect", bound.GetThemeBackgroundContentRect) &&
                     Bind(lib, "GetThemeTextExtent", bound.GetThemeTextExtent);
    // clang-format on
    if (!all) {
        FreeLibrary(lib);
        return 0;
    }
    v = bound;
    return 1;
}

void FreeVisualStyles() {
    if (gShell.visualStyles.library) FreeLibrary(gShell.visualStyles.library);
    gShell.visualStyles = VisualStyles();
}

bool VisualStylesInUse() {
    const VisualStyles& v = gShell.visualStyles;
    return v.library && v.IsThemeActive();
}
