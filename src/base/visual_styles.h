#pragma once
// The visual-styles library, bound by name so that the program runs where it
// is missing. In use means: bound, and IsThemeActive() says so.
#include <windows.h>
#include <uxtheme.h>

#include "base/handles.h"

struct VisualStyles {
    HTHEME(WINAPI* OpenThemeData)(HWND, LPCWSTR) = nullptr;
    HRESULT(WINAPI* CloseThemeData)(HTHEME) = nullptr;
    HRESULT(WINAPI* DrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*) = nullptr;
    HRESULT(WINAPI* DrawThemeText)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*) = nullptr;
    BOOL(WINAPI* IsThemeActive)() = nullptr;
    COLORREF(WINAPI* GetThemeSysColor)(HTHEME, int) = nullptr;
    HBRUSH(WINAPI* GetThemeSysColorBrush)(HTHEME, int) = nullptr;
    int(WINAPI* GetThemeSysSize)(HTHEME, int) = nullptr;
    HRESULT(WINAPI* GetThemeSysFont)(HTHEME, int, LOGFONTW*) = nullptr;
    HRESULT(WINAPI* GetThemePartSize)(HTHEME, HDC, int, int, LPCRECT, THEMESIZE, SIZE*) = nullptr;
    HRESULT(WINAPI* GetThemeMargins)(HTHEME, HDC, int, int, int, LPCRECT, MARGINS*) = nullptr;
    HRESULT(WINAPI* GetThemeColor)(HTHEME, int, int, int, COLORREF*) = nullptr;
    HRESULT(WINAPI* GetThemePosition)(HTHEME, int, int, int, POINT*) = nullptr;
    HRESULT(WINAPI* GetThemeEnumValue)(HTHEME, int, int, int, int*) = nullptr;
    HRESULT(WINAPI* GetThemeBackgroundContentRect)(HTHEME, HDC, int, int, LPCRECT, LPRECT) = nullptr;
    HRESULT(WINAPI* GetThemeTextExtent)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, LPCRECT, LPRECT) = nullptr;
    OwnedLibrary library;  // released after the functions are forgotten

    bool InUse() const { return library && IsThemeActive(); }
};

// The program's binding, from window creation to its close.
extern VisualStyles gVisualStyles;

namespace handle_traits {
// Closed through the binding as it stands at the close: nothing is called
// once the library is gone.
struct Theme {
    using Handle = HTHEME;
    const VisualStyles* styles = nullptr;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const {
        if (styles && styles->CloseThemeData) styles->CloseThemeData(h);
    }
};
}  // namespace handle_traits

using OwnedTheme = Owned<handle_traits::Theme>;

// The visual style of the window's class list; empty when styles are not bound.
inline OwnedTheme OpenTheme(const VisualStyles& styles, HWND window, LPCWSTR classList) {
    if (!styles.OpenThemeData) return OwnedTheme();
    return OwnedTheme(styles.OpenThemeData(window, classList), handle_traits::Theme{&styles});
}

// 1 when bound now, 0 when the library or any function is missing, or when
// already bound.
int LoadVisualStyles();
void FreeVisualStyles();
inline bool VisualStylesInUse() { return gVisualStyles.InUse(); }
