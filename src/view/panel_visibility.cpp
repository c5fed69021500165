#include "view/panel_visibility.h"

#include "activation/blocked_apps.h"
#include "activation/desktop_windows.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "base/window_helpers.h"
#include "items/item_model.h"
#include "skin/skin_info.h"
#include "view/core/scroll_logic.h"
#include "view/event_sounds.h"
#include "view/fade.h"
#include "view/panel_draw.h"
#include "view/panel_layout.h"
#include "view/view_state.h"

namespace {

// The keys must reach the panel now that it shows. The focus is given again
// even when the panel has it already: a panel made the foreground window while
// it was still hidden (a second start of the program does that) holds the
// focus in Windows' eyes, but Wine's X driver could not pass the focus to the
// unmapped window then and does not try again, so keys typed on the X
// keyboard would go elsewhere.
void TakeKeyboardFocus(HWND window) {
    if (GetForegroundWindow() != window) return;
    SetFocus(nullptr);
    SetFocus(window);
}

}  // namespace

void ShowPanel(HWND window, HWND target, bool byMouse) {
    const bool wasVisible = IsWindowVisible(window) != 0;
    const int rows = gSkin.itemCount;

    ShowOptions options;
    options.followMouse = Option(gSettings, kOptCursorFollowsMouse);
    options.followWheel = Option(gSettings, kOptCursorFollowsWheel);
    options.cursorToTop = Option(gSettings, kOptCursorToTopRow);
    options.keepCursorRow = Option(gSettings, kOptKeepCursorRow);
    options.resetList = Option(gSettings, kOptResetListOnShow);
    options.firstItemOnTopRow = Option(gSettings, kOptResetListToTop);

    // The cursor row resets first, even when the request is then refused.
    gView.cursorRow = PositionForShow(nullptr, CursorPosition{0, gView.cursorRow}, rows, true, options).cursorRow;
    if (IsBlockedApplication(target)) return;

    CloseOpenMenus(gSystem.sendInput);
    if (!wasVisible && Option(gSettings, kOptCloseFoldersOnShow) && Option(gSettings, kOptFoldersInPanel) &&
        gItems.head) {
        const int closed = CloseOpenFolder();
        if (closed >= 0) gView.currentIndex = closed;
    }
    const CursorPosition at =
        PositionForShow(gItems.head, CursorPosition{gView.currentIndex, gView.cursorRow}, rows, wasVisible, options);
    gView.currentIndex = at.current;
    gView.cursorRow = at.cursorRow;

    gView.shownByMouse = byMouse ? 1 : 0;
    PlacePanel(window, byMouse);

    gMarkers.active = 1;
    ComposePanel(true);

    const bool fade = !wasVisible && Option(gSettings, kOptFadeIn);
    if (fade) PrepareShowFade(window);

    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    // Shown without activation, then brought forward: the panel takes the
    // foreground from whichever process had it.
    gView.showingActive = true;
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ForceForeground(window);
    TakeKeyboardFocus(window);
    gView.showingActive = false;
    PlayEventSound(kSoundOpen);

    if (fade) StartFade(window);
    SaveWindowPosition(window);
}

void HidePanel(HWND window, LPARAM mode) {
    const bool visible = IsWindowVisible(window) != 0;
    if (Option(gSettings, kOptAlwaysShown)) {
        // An always-shown panel only comes back to the front.
        if (visible && GetForegroundWindow() == window) return;
        ShowPanel(window, nullptr, false);
        return;
    }
    if (!visible) return;
    const bool silent = mode == -1;
    if (!silent) PlayEventSound(kSoundClose);
    ShowWindow(window, SW_HIDE);
    if (!silent && Option(gSettings, kOptExitOnHide)) PostMessageA(window, WM_CLOSE, 0, 0);
}
