#include "activation/mouse_request.h"

#include "activation/blocked_apps.h"
#include "activation/core/activation_key.h"
#include "activation/core/mouse_gesture.h"
#include "activation/desktop_windows.h"
#include "activation/hook_binding.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"

namespace {

bool KeyDown(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

bool IsMove(UINT message) { return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE; }

HoverFacts GatherHoverFacts(HWND panel) {
    HoverFacts f{};
    f.alwaysShown = Option(gSettings, kOptAlwaysShown);
    f.hoverActivates = Option(gSettings, kOptHoverActivates);
    f.busy = gMarkers.panelBusy != 0;
    f.optionsOpen = gMarkers.modalOpen != 0;
    f.visible = IsWindowVisible(panel) != 0;
    POINT pt;
    f.pointOnPanel = GetCursorPos(&pt) && WindowFromPoint(pt) == panel;
    f.active = gMarkers.active != WA_INACTIVE;
    f.foreground = GetForegroundWindow() == panel;
    return f;
}

bool IsTaskbar(HWND window) { return gHook.taskbar && GetTopLevelWindow(window) == gHook.taskbar; }

bool OnDesktopEmptySpace(HWND target, POINT pt) {
    if (!IsDesktopWindow(target)) return false;
    char className[64] = "";
    GetClassNameA(target, className, sizeof className);
    // The parts of the desktop's view around the icon list hold no icons.
    if (lstrcmpA(className, "SysListView32") != 0) return true;
    ScreenToClient(target, &pt);
    return RemoteListViewPointIsEmpty(target, pt);
}

bool GestureHolds(GestureTest test, HWND target, POINT pt) {
    switch (test) {
        case GestureTest::kMatch:
            return true;
        case GestureTest::kTrackPress:
            return TrackPress(gHook.tracker, pt.x, pt.y, GetTickCount(), GetDoubleClickTime());
        case GestureTest::kTrackRelease:
            TrackRelease(gHook.tracker, pt.x, pt.y);
            return false;
        case GestureTest::kLeftButtonHeld:
            return KeyDown(VK_LBUTTON);
        case GestureTest::kDesktop:
            return IsDesktopWindow(target);
        case GestureTest::kDesktopEmptySpace:
            return OnDesktopEmptySpace(target, pt);
        case GestureTest::kTaskbar:
            return IsTaskbar(target);
        case GestureTest::kDesktopUnderPoint:
            return IsDesktopWindow(WindowFromPoint(pt));
        case GestureTest::kTaskbarUnderPoint:
            return IsTaskbar(WindowFromPoint(pt));
        case GestureTest::kNone:
            break;
    }
    return false;
}

}  // namespace

void HandleMouseRequest(HWND panel, UINT request, HWND target) {
    const UINT message = LOWORD(request);
    // Moves are most of the traffic; the hover facts cost several window
    // queries, so they are gathered only while the panel is always shown.
    if (IsMove(message) && Option(gSettings, kOptAlwaysShown)) {
        const HoverResult hover = JudgeHover(message, GatherHoverFacts(panel));
        if (hover == HoverResult::kActivate) PressActivationKey(panel);
        if (hover != HoverResult::kNotHover) return;
    }
    if (target == panel) return;
    const unsigned required = RequiredModifiers(gSettings.optionFlags);
    if (required && !ModifiersSatisfied(required, HeldModifiers())) return;
    const GestureTest test = ClassifyMouseEvent(gSettings.mouseMode, message, HookVariant::kStandard, HIWORD(request));
    if (test == GestureTest::kNone) return;
    POINT pt{};
    GetCursorPos(&pt);
    if (GestureHolds(test, target, pt)) PressActivationKey(target);
}

int PressActivationKey(HWND window) {
    if (IsBlockedApplication(window)) return 0;
    KeyStroke strokes[kMaxActivationKeys];
    const int n = BuildActivationKeys(HeldModifiers(), strokes);
    if (gSystem.sendInput) {
        INPUT input[kMaxActivationKeys] = {};
        for (int i = 0; i < n; ++i) {
            input[i].type = INPUT_KEYBOARD;
            input[i].ki.wVk = strokes[i].key;
            input[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(strokes[i].key, 0));
            input[i].ki.dwFlags = strokes[i].up ? KEYEVENTF_KEYUP : 0;
        }
        gSystem.sendInput(static_cast<UINT>(n), input, sizeof(INPUT));
    } else {
        for (int i = 0; i < n; ++i)
            keybd_event(static_cast<BYTE>(strokes[i].key), static_cast<BYTE>(MapVirtualKeyA(strokes[i].key, 0)),
                        strokes[i].up ? KEYEVENTF_KEYUP : 0, 0);
    }
    return 1;
}
