#include "activation/ctrl_double_tap.h"

#include "activation/core/double_tap.h"
#include "base/handles.h"
#include "keys/hotkeys.h"

namespace {

struct DoubleTapWatch {
    OwnedHook keyboard;
    OwnedHook mouse;
    HWND panel = nullptr;
    DoubleTapTracker tracker{};
    UINT doubleClickTime = 500;
};

DoubleTapWatch gDoubleTap;

// The system waits for these procedures before any other program sees the
// input: they only judge and post.
void Feed(TapEvent event, DWORD time) {
    if (TrackTap(gDoubleTap.tracker, event, time, gDoubleTap.doubleClickTime))
        PostMessageA(gDoubleTap.panel, WM_HOTKEY, kHotkeyUser, 0);
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        const bool ctrl = key->vkCode == VK_LCONTROL || key->vkCode == VK_RCONTROL || key->vkCode == VK_CONTROL;
        const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
        Feed(!ctrl ? TapEvent::kOther : up ? TapEvent::kCtrlUp : TapEvent::kCtrlDown, key->time);
    }
    return CallNextHookEx(nullptr, code, message, data);
}

// Buttons and wheels: Ctrl+click and Ctrl+wheel are shortcuts, not taps.
LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && message != WM_MOUSEMOVE)
        Feed(TapEvent::kOther, reinterpret_cast<const MSLLHOOKSTRUCT*>(data)->time);
    return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace

void WatchCtrlDoubleTap(HWND panel, bool on) {
    gDoubleTap.keyboard.Reset();
    gDoubleTap.mouse.Reset();
    gDoubleTap.tracker = DoubleTapTracker{};
    gDoubleTap.panel = panel;
    if (!on || !panel) return;
    gDoubleTap.doubleClickTime = GetDoubleClickTime();
    const HINSTANCE module = GetModuleHandleA(nullptr);
    gDoubleTap.keyboard.Reset(SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, module, 0));
    gDoubleTap.mouse.Reset(SetWindowsHookExA(WH_MOUSE_LL, MouseProc, module, 0));
}
