// The global hotkey against the real system: what RegisterPanelHotkey claims,
// what a pressed combination delivers, and how a hotkey reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input.h"
#include "keys/hotkeys.h"

namespace {

class HotkeyWindow {
public:
    HotkeyWindow() {
        window_ = CreateWindowExA(0, "STATIC", "hotkey test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }
    ~HotkeyWindow() {
        UnregisterHotKey(window_, 0);
        UnregisterHotKey(window_, 7);
        DestroyWindow(window_);
    }
    HWND Get() const { return window_; }

private:
    HWND window_;
};

std::string Text(uint16_t value) {
    char out[80];
    GetHotkeyText(value, out, sizeof out);
    return out;
}

// The WM_HOTKEY lParam the window receives within the time, or 0.
LPARAM WaitForHotkey(HWND window, DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_HOTKEY && msg.hwnd == window) return msg.lParam;
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return 0;
}

TEST(Hotkey, CtrlAltQClaimsExactlyThatCombination) {
    HotkeyWindow panel, other;
    ASSERT_TRUE(RegisterPanelHotkey(panel.Get(), 0, 0x0651));
    // The same combination is now taken...
    EXPECT_FALSE(RegisterHotKey(other.Get(), 7, MOD_CONTROL | MOD_ALT, 'Q'));
    // ...while Ctrl+Q alone and Ctrl+Alt+W are not.
    EXPECT_TRUE(RegisterHotKey(other.Get(), 7, MOD_CONTROL, 'Q'));
    UnregisterHotKey(other.Get(), 7);
    EXPECT_TRUE(RegisterHotKey(other.Get(), 7, MOD_CONTROL | MOD_ALT, 'W'));
}

TEST(Hotkey, ExtendedKeyBitOfTheControlIsIgnored) {
    HotkeyWindow panel, other;
    // Ctrl+Alt+Delete-like values carry 0x08 from the hotkey control; here F11.
    ASSERT_TRUE(RegisterPanelHotkey(panel.Get(), 0, 0x0E7A));
    EXPECT_FALSE(RegisterHotKey(other.Get(), 7, MOD_CONTROL | MOD_ALT, VK_F11));
}

TEST(Hotkey, PressingTheCombinationDeliversTheHotkey) {
    HotkeyWindow panel;
    ASSERT_TRUE(RegisterPanelHotkey(panel.Get(), 0, 0x0651));
    PressCombination({VK_CONTROL, VK_MENU, 'Q'});
    const LPARAM lParam = WaitForHotkey(panel.Get(), 2000);
    EXPECT_EQ(HIWORD(lParam), 'Q');
    EXPECT_EQ(LOWORD(lParam), MOD_CONTROL | MOD_ALT);
}

TEST(Hotkey, RefusedHotkeyIsReportedAsFalse) {
    HotkeyWindow holder, panel;
    ASSERT_TRUE(RegisterHotKey(holder.Get(), 7, MOD_SHIFT | MOD_ALT, 'K'));
    EXPECT_FALSE(RegisterPanelHotkey(panel.Get(), 0, 0x0500 | 'K'));
}

TEST(HotkeyText, ModifiersInFixedOrderThenTheKeyName) {
    EXPECT_EQ(Text(0x0651), "Ctrl+Alt+Q");
    EXPECT_EQ(Text(0x0351), "Ctrl+Shift+Q");
    EXPECT_EQ(Text(0x0741), "Ctrl+Shift+Alt+A");
    EXPECT_EQ(Text(0x0041), "A");
    EXPECT_EQ(Text(0x0870), "F1");
}

TEST(HotkeyText, IsCutToTheBuffer) {
    char out[6];
    GetHotkeyText(0x0651, out, sizeof out);
    EXPECT_STREQ(out, "Ctrl+");
}

}  // namespace
