#include "base/visual_styles.h"

#include <utility>

#include "base/system_library.h"

VisualStyles gVisualStyles;

namespace {

template <typename Fn>
bool Bind(HMODULE library, const char* name, Fn& slot) {
    slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return slot != nullptr;
}

}  // namespace

int LoadVisualStyles() {
    if (gVisualStyles.library) return 0;
    OwnedLibrary library(LoadSystemLibrary("UxTheme.dll"));
    if (!library) return 0;
    HMODULE lib = library.Get();
    VisualStyles bound;
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
    if (!all) return 0;
    bound.library = std::move(library);
    gVisualStyles = std::move(bound);
    return 1;
}

void FreeVisualStyles() { gVisualStyles = VisualStyles(); }
