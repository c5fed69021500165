// Calling the panel up with the user's global hotkey, driven from outside the
// real Korvane.exe with synthetic key presses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "callup_support.h"
#include "driver.h"
#include "input.h"

namespace {

// Ctrl+Alt+Q as the hotkey control stores it.
constexpr int kCtrlAltQ = 0x0651;

std::string Ini(bool hotkeyOn, int hotkey) {
    return "[Window]\r\nLeft=100\r\nTop=120\r\nLeft2=300\r\nTop2=320\r\n[General]\r\nNFlags=" +
           (hotkeyOn ? FlagText({kOptHotkey}) : FlagText({})) + "\r\nHotkey=" + std::to_string(hotkey) + "\r\n";
}

bool Visible(const KorvaneRun& run) { return ReadWindow(run.Panel()).visible; }

// Whether another program could claim Ctrl+Alt+Q now.
bool CtrlAltQFree() {
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool free = RegisterHotKey(probe, 1, MOD_CONTROL | MOD_ALT, 'Q') != 0;
    if (free) UnregisterHotKey(probe, 1);
    DestroyWindow(probe);
    return free;
}

TEST(CallUpHotkey, ShowsThePanelAndHidesItAgain) {
    KorvaneRun run;
    run.WriteIni(Ini(true, kCtrlAltQ));
    ASSERT_TRUE(StartAndSettle(run));
    ASSERT_FALSE(Visible(run));

    PressCombination({VK_CONTROL, VK_MENU, 'Q'});
    ASSERT_TRUE(WaitFor([&] { return Visible(run); }));
    // Not a mouse activation: the panel stands at the other stored position.
    EXPECT_EQ(ReadWindow(run.Panel()).rect.left, 300);
    EXPECT_EQ(ReadWindow(run.Panel()).rect.top, 320);

    PressCombination({VK_CONTROL, VK_MENU, 'Q'});
    EXPECT_TRUE(WaitFor([&] { return !Visible(run); }));
    EXPECT_TRUE(run.Running());

    // And once more: the hotkey keeps working.
    PressCombination({VK_CONTROL, VK_MENU, 'Q'});
    EXPECT_TRUE(WaitFor([&] { return Visible(run); }));
    EXPECT_EQ(run.Close(), 0);
}

TEST(CallUpHotkey, OtherCombinationsOfTheKeyDoNothing) {
    KorvaneRun run;
    run.WriteIni(Ini(true, kCtrlAltQ));
    ASSERT_TRUE(StartAndSettle(run));
    PressCombination({VK_CONTROL, 'Q'});
    PressCombination({VK_MENU, VK_SHIFT, 'Q'});
    Sleep(400);
    EXPECT_FALSE(Visible(run));
    EXPECT_EQ(run.Close(), 0);
}

TEST(CallUpHotkey, WithoutTheOptionTheStoredHotkeyIsNotClaimed) {
    KorvaneRun run;
    run.WriteIni(Ini(false, kCtrlAltQ));
    ASSERT_TRUE(StartAndSettle(run));
    // The combination is free for other programs...
    EXPECT_TRUE(CtrlAltQFree());
    // ...and pressing it leaves the panel hidden.
    PressCombination({VK_CONTROL, VK_MENU, 'Q'});
    Sleep(400);
    EXPECT_FALSE(Visible(run));
    EXPECT_EQ(run.Close(), 0);
}

TEST(CallUpHotkey, ClosingReleasesTheHotkey) {
    KorvaneRun run;
    run.WriteIni(Ini(true, kCtrlAltQ));
    ASSERT_TRUE(StartAndSettle(run));
    EXPECT_FALSE(CtrlAltQFree());
    EXPECT_EQ(run.Close(), 0);
    EXPECT_TRUE(CtrlAltQFree());
    // The hotkey is stored back unchanged.
    EXPECT_NE(run.ReadIni().find("Hotkey=1617"), std::string::npos);
}

}  // namespace
