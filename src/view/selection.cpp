#include "view/selection.h"

#include "base/program_windows.h"
#include "base/settings_store.h"
#include "items/item_model.h"
#include "skin/skin_info.h"
#include "view/core/key_actions.h"
#include "view/core/scroll_logic.h"
#include "view/event_sounds.h"
#include "view/fade.h"
#include "view/launch.h"
#include "view/panel_draw.h"
#include "view/panel_drop_target.h"
#include "view/panel_visibility.h"
#include "view/row_tooltip.h"
#include "view/view_state.h"

namespace {

int Rows() { return gSkin.itemCount; }

bool StepRunning() { return gView.scrollDirection != kScrollNone; }

CursorPosition Position() { return CursorPosition{gView.currentIndex, gView.cursorRow}; }

RECT ClickArea() {
    return RECT{gSkin.clickLeft, gSkin.clickTop, gSkin.clickLeft + gSkin.clickWidth,
                gSkin.clickTop + gSkin.clickHeight};
}

void ClearStep(HWND window) {
    gView.scrollDirection = kScrollNone;
    gView.scrollStart = 0;
    gView.scrollNow = 0;
    gView.scrollLength = 0;
    KillTimer(window, kScrollTimer);
}

void Scroll(HWND window, int direction, int32_t step) {
    gView.scrollStep = step;
    StartScroll(window, direction);
}

// The accelerators of the items on the panel's rows, as virtual keys.
void LaunchByAccelerator(HWND window, UINT key) {
    const int rows = Rows();
    if (rows <= 0 || !gItems.head) return;
    for (int r = 0; r < rows; ++r) {
        const int index = StepIndex(gItems.head, gView.currentIndex, r - gView.cursorRow);
        const PanelItem* item = ItemAt(gItems.head, index);
        if (!item || !item->accelerator) continue;
        const SHORT scan = VkKeyScanA(item->accelerator);
        const uint8_t rowKey = static_cast<uint8_t>(scan & 0xFF);
        if (scan != -1 && MatchAcceleratorRow(key, &rowKey, 1) == 0) {
            LaunchItem(window, index);
            return;
        }
    }
}

}  // namespace

void OnKey(HWND window, UINT key) {
    if (IsFading() || StepRunning()) return;
    const int rows = Rows();
    const KeyAction action = DecideKeyAction(gSettings, key);
    // With no row on the panel there is no current item to see, so nothing
    // may be started or opened.
    const bool startsOrOpens = action == KeyAction::kExecute || action == KeyAction::kCollapse ||
                               action == KeyAction::kExpand || action == KeyAction::kAccelerator;
    if (startsOrOpens && rows <= 0) return;
    switch (action) {
        case KeyAction::kExecute:
            LaunchItem(window, gView.currentIndex);
            break;
        case KeyAction::kClose:
            HidePanel(window, 0);
            break;
        case KeyAction::kUp:
            Scroll(window, kScrollUp, -1);
            break;
        case KeyAction::kDown:
            Scroll(window, kScrollDown, 1);
            break;
        case KeyAction::kPageUp:
            Scroll(window, kScrollUp, -PageStep(rows));
            break;
        case KeyAction::kPageDown:
            Scroll(window, kScrollDown, PageStep(rows));
            break;
        case KeyAction::kCollapse: {
            const PanelItem* item = ItemAt(gItems.head, gView.currentIndex);
            if (item && (IsOpenFolder(item) || item->depth != 0)) {
                if (PanelItem* open = FindOpenFolder(gItems.head)) ToggleFolderItem(open);
                RedrawPanel(window);
            }
            break;
        }
        case KeyAction::kExpand: {
            PanelItem* item = ItemAt(gItems.head, gView.currentIndex);
            if (item && !IsOpenFolder(item)) {
                ToggleFolderItem(item);
                RedrawPanel(window);
            }
            break;
        }
        case KeyAction::kAccelerator:
            LaunchByAccelerator(window, key);
            break;
        case KeyAction::kNone:
            break;
    }
}

void OnWheel(HWND window, int delta, bool shift) {
    if (IsFading() || StepRunning()) return;
    const int32_t notches = TakeWholeNotches(gView.wheelPending, delta);
    const int32_t step = WheelStep(notches, Option(gSettings, kOptNoWheelAcceleration), shift, Rows());
    if (step == 0) return;
    Scroll(window, notches < 0 ? kScrollDown : kScrollUp, step);
}

void StartScroll(HWND window, int direction) {
    ScrollOptions options;
    options.reverse = Option(gSettings, kOptReverseScroll);
    options.followWheel = Option(gSettings, kOptCursorFollowsWheel);
    options.noLoop = Option(gSettings, kOptNoLoop);
    options.followMouse = Option(gSettings, kOptCursorFollowsMouse);
    const ScrollPlan plan = PlanScroll(gItems.head, Position(), Rows(), direction, gView.scrollStep, options);
    switch (plan.kind) {
        case ScrollPlan::kIgnore:
            return;
        case ScrollPlan::kMoveCursor:
            gView.currentIndex = StepIndex(gItems.head, gView.currentIndex, plan.cursorMove);
            gView.cursorRow += plan.cursorMove;
            RedrawPanel(window);
            return;
        case ScrollPlan::kScroll:
            break;
    }
    gView.scrollStep = plan.step;
    gView.scrollDirection = plan.direction;
    gView.scrollLength = gSettings.scrollSpeed * 10;
    PlayEventSound(kSoundScroll);
    if (Option(gSettings, kOptAnimateScroll)) {
        gView.scrollDistance = gSkin.itemHeight * (plan.targetIsSeparator ? 2 : 1);
        SetTimer(window, kScrollTimer, 1, nullptr);
        const DWORD now = GetTickCount();
        gView.scrollStart = now ? now : 1;
        // Until the first tick the slide is at its start: a redraw before it
        // must not measure from an earlier slide's tick, which a wrapped tick
        // count can put after this start.
        gView.scrollNow = gView.scrollStart;
    } else {
        gView.scrollStart = 0;
        OnScrollTimer(window);
        gView.scrollStart = 0;
    }
}

void OnScrollTimer(HWND window) {
    const DWORD now = GetTickCount();
    gView.scrollNow = now;
    const bool done = gView.scrollStart == 0 || gView.scrollLength <= 0 ||
                      now - gView.scrollStart >= static_cast<DWORD>(gView.scrollLength);
    if (done) {
        gView.currentIndex = CompleteStep(gItems.head, gView.currentIndex, gView.scrollStep);
        ClearStep(window);
        RefreshRowTip(window);
    }
    RedrawPanel(window);
}

void FollowMouse(HWND window, POINT client) {
    const RECT area{gSkin.itemLeft, gSkin.itemTop, gSkin.itemLeft + gSkin.itemWidth,
                    gSkin.itemTop + gSkin.itemCount * gSkin.itemHeight};
    if (!PtInRect(&area, client)) return;
    const int32_t row = RowAtPoint(client.y, gSkin.itemTop, gSkin.itemHeight, gSkin.iconSize, Rows());
    if (row < 0 || row == gView.cursorRow) return;
    const CursorPosition moved = FollowToRow(gItems.head, Position(), row, Option(gSettings, kOptNoLoop));
    gView.currentIndex = moved.current;
    gView.cursorRow = moved.cursorRow;
    PlayEventSound(kSoundOver);
    RedrawPanel(window);
    MoveRowTool(window);
    RefreshRowTip(window);
}

void OnLeftButtonDown(HWND window, POINT client) {
    if (IsFading()) return;
    const SkinImage& topMiddle = gSkin.panelImages.images[kSlotTopMiddle];
    const bool titleBand = topMiddle.bitmap || gSkin.kind == kSkinClassic || gSkin.kind == kSkinThemed;
    bool drag;
    if (titleBand) {
        drag = client.y >= 0 && client.y < topMiddle.height;
    } else {
        const RECT click = ClickArea();
        drag = !PtInRect(&click, client);
    }
    if (drag) {
        POINT screen = client;
        ClientToScreen(window, &screen);
        ReleaseCapture();
        SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
        return;
    }
    if (Option(gSettings, kOptSingleClickStarts))
        SendMessageA(window, WM_MBUTTONDOWN, 0, MAKELPARAM(client.x, client.y));
}

void OnLaunchClick(HWND window, POINT client) {
    if (IsFading() || gMarkers.modalOpen) return;
    if (gView.clickActivated) {
        gView.clickActivated = 0;
        return;
    }
    const RECT click = ClickArea();
    if (Rows() > 0 && PtInRect(&click, client)) LaunchItem(window, gView.currentIndex);
}

void OnActivate(HWND window, WPARAM state) {
    const bool active = LOWORD(state) != WA_INACTIVE;
    gMarkers.active = active ? 1 : 0;
    if (Option(gSettings, kOptAlwaysShown) || active) {
        // The activation a show brings about finds the active picture drawn
        // and painted already; drawing it again would only repaint the
        // whole layered window once more.
        if (!(active && gView.showingActive)) RedrawPanel(window);
        if (gPanel.closeButton) InvalidateRect(gPanel.closeButton, nullptr, FALSE);
        if (!Option(gSettings, kOptActiveCursorAlways)) gView.clickActivated = LOWORD(state) == WA_CLICKACTIVE ? 1 : 0;
    }
    if (!active && !Option(gSettings, kOptAlwaysShown) && !HoldHideWhileDragging(window)) HidePanel(window, 0);
}
