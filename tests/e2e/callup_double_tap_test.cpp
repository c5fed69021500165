// Calling the panel up by tapping Ctrl twice, with synthetic key presses
// from outside the real Korvane.exe.
#include <gtest/gtest.h>

#include "callup_support.h"
#include "driver.h"
#include "input.h"

namespace {

bool Visible(const KorvaneRun& run) { return ReadWindow(run.Panel()).visible; }

void DoubleTapCtrl() {
    PressCombination({VK_CONTROL});
    Sleep(60);
    PressCombination({VK_CONTROL});
}

TEST(CallUpDoubleTap, TwoCtrlTapsShowThePanelAndHideItAgain) {
    KorvaneRun run;
    run.WriteIni("[Window]\r\nLeft2=300\r\nTop2=320\r\n[General]\r\nNFlags=" + FlagText({kOptDoubleTapCtrl}) + "\r\n");
    ASSERT_TRUE(StartAndSettle(run));
    ASSERT_FALSE(Visible(run));

    DoubleTapCtrl();
    ASSERT_TRUE(WaitFor([&] { return Visible(run); }));
    // As the hotkey: the other activations' position.
    EXPECT_EQ(ReadWindow(run.Panel()).rect.left, 300);

    Sleep(GetDoubleClickTime() + 50);
    DoubleTapCtrl();
    EXPECT_TRUE(WaitFor([&] { return !Visible(run); }));
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace
