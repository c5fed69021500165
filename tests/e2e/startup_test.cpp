// The program's start-up, single-instance hand-over and closing, driven from
// outside with the real Korvane.exe.
#include <gtest/gtest.h>

#include "driver.h"

namespace {

std::string Ini(const std::string& nflags) {
    return std::string("[Window]\r\nLeft=100\r\nTop=120\r\nLeft2=300\r\nTop2=320\r\n[General]\r\nNFlags=") + nflags +
           "\r\n";
}

TEST(Startup, FirstInstanceStaysHiddenAndSecondExitsAtOnce) {
    KorvaneRun run;
    run.WriteIni(Ini(FlagText({})));
    ASSERT_TRUE(run.Start());
    EXPECT_FALSE(ReadWindow(run.Panel()).visible);

    // kOptSecondStartActivates clear and no "/h": the second start does nothing.
    EXPECT_EQ(run.RunAgain(""), 0);
    Sleep(200);
    EXPECT_FALSE(ReadWindow(run.Panel()).visible);
    EXPECT_TRUE(run.Running());
    EXPECT_EQ(run.Close(), 0);
}

TEST(Startup, SlashHShowsThePanelAtTheMousePosition) {
    KorvaneRun run;
    run.WriteIni(Ini(FlagText({})));
    ASSERT_TRUE(run.Start());
    // "/h" is a mouse-style request even with kOptSecondStartActivates clear; the panel goes to
    // the position stored for mouse activations.
    EXPECT_EQ(run.RunAgain("/h"), 1);
    ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
    const WindowState s = ReadWindow(run.Panel());
    EXPECT_EQ(s.rect.left, 100);
    EXPECT_EQ(s.rect.top, 120);
    EXPECT_EQ(run.Close(), 0);
}

TEST(Startup, SecondStartWithFlag13TogglesThePanel) {
    KorvaneRun run;
    run.WriteIni(Ini(FlagText({kOptSecondStartActivates})));
    ASSERT_TRUE(run.Start());
    // Without "/h" the request is not by mouse: the other stored position.
    EXPECT_EQ(run.RunAgain(""), 1);
    ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
    EXPECT_EQ(ReadWindow(run.Panel()).rect.left, 300);
    EXPECT_EQ(ReadWindow(run.Panel()).rect.top, 320);
    // A further start while the panel is shown hides it.
    EXPECT_EQ(run.RunAgain(""), 1);
    EXPECT_TRUE(WaitFor([&] { return !ReadWindow(run.Panel()).visible; }));
    EXPECT_EQ(run.Close(), 0);
}

TEST(Startup, CloseWritesTheSettingsFile) {
    KorvaneRun run;  // no korvane.ini at all
    ASSERT_TRUE(run.Start());
    EXPECT_FALSE(run.Folder().Exists("korvane.ini"));
    EXPECT_EQ(run.Close(), 0);
    const std::string ini = run.ReadIni();
    EXPECT_NE(ini.find("NFlags=30,a0,a0,84,01,04,40,40,00,00,00,00,00,00,00,00"), std::string::npos) << ini;
    EXPECT_LT(ini.find("[Window]"), ini.find("[General]"));
    EXPECT_LT(ini.find("[Sound]"), ini.find("[Key]"));
}

TEST(Startup, AltF4OnTheVisiblePanelDoesNothing) {
    KorvaneRun run;
    run.WriteIni(Ini(FlagText({})));
    ASSERT_TRUE(run.Start());
    ASSERT_EQ(run.RunAgain("/h"), 1);
    ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
    SetForegroundWindow(run.Panel());
    PressKey(VK_F4, true);
    // The system turns Alt+F4 into SC_CLOSE; send it directly too, in case the
    // key went to another window.
    SendMessageA(run.Panel(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Sleep(300);
    EXPECT_TRUE(run.Running());
    EXPECT_TRUE(ReadWindow(run.Panel()).visible);
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace
