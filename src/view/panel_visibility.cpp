#include "view/panel_visibility.h"

#include "shell/shell_state.h"
#include "view/view_state.h"

ViewState gView;

// The basic show and hide: placement by the stored positions and the
// foreground hand-over. Per-show resets, the blocked-application test, fading
// and sounds join here as the view grows.
void ShowPanel(HWND window, HWND /*target*/, bool byMouse) {
    gShell.shownByMouse = byMouse ? 1 : 0;
    const int x = byMouse ? gSettings.left : gSettings.left2;
    const int y = byMouse ? gSettings.top : gSettings.top2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ForceForeground(window);
}

void HidePanel(HWND window, LPARAM /*mode*/) {
    ShowWindow(window, SW_HIDE);
}
