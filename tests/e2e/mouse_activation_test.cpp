// Mouse activation across processes: the real Korvane.exe with its hook
// libraries, stand-in programs for the other applications and the desktop,
// and the X pointer driven by xdotool.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "driver.h"
#include "activation/core/side_buttons.h"
#include "base/core/option_flags.h"
#include "standins/standin_process.h"

namespace {

constexpr int kPanelLeft = 700, kPanelTop = 80;

// The settings file: the given option flags and mouse mode; the panel shows
// by the mouse at (kPanelLeft, kPanelTop).
std::string Ini(std::initializer_list<OptionFlag> flags, int mouseMode) {
    uint8_t bits[kOptionBytes] = {};
    for (OptionFlag n : flags) SetOption(bits, n);
    char text[kOptionTextSize];
    FormatOptionText(bits, text, sizeof text);
    return "[Window]\r\nLeft=" + std::to_string(kPanelLeft) + "\r\nTop=" + std::to_string(kPanelTop) +
           "\r\nLeft2=300\r\nTop2=320\r\n[General]\r\nNFlags=" + text + "\r\nMouseMode=" + std::to_string(mouseMode) +
           "\r\n";
}

bool PanelVisible(const KorvaneRun& run) { return ReadWindow(run.Panel()).visible; }
bool PanelAppears(const KorvaneRun& run) {
    return WaitFor([&] { return PanelVisible(run); });
}
// Nothing shows up for a while (a launched second instance needs well under this).
bool PanelStaysHidden(const KorvaneRun& run) {
    return !WaitFor([&] { return PanelVisible(run); }, 1500);
}

POINT Centre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool PointAt(POINT pt) { return MovePointer(pt.x, pt.y); }

class MouseActivation : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Xdotool("version")) << "xdotool must be reachable from Wine";
        app_ = std::make_unique<StandinProcess>("window", 100, 100, 200, 150);
        ASSERT_NE(app_->Window(), nullptr);
    }
    void Start(const std::string& ini) {
        run_.WriteIni(ini);
        ASSERT_TRUE(run_.Start());
        ASSERT_FALSE(PanelVisible(run_));
        Sleep(300);  // the hook is in place once the window exists; let it settle
    }
    KorvaneRun run_;
    std::unique_ptr<StandinProcess> app_;
};

TEST_F(MouseActivation, CompatibilityLibraryWheelDoubleClickStartsTheProgramAndShowsThePanel) {
    Start(Ini({kOptMouseActivation, kOptCompatHook}, 0));
    ASSERT_TRUE(PointAt(Centre(app_->Window())));
    ASSERT_TRUE(Xdotool("click --repeat 2 --delay 80 2"));
    ASSERT_TRUE(PanelAppears(run_));
    // Shown by the mouse: at the position stored for mouse activations.
    EXPECT_EQ(ReadWindow(run_.Panel()).rect.left, kPanelLeft);
    EXPECT_EQ(ReadWindow(run_.Panel()).rect.top, kPanelTop);
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(MouseActivation, CompatibilityLibraryIgnoresEventsOnThePanelAndModeTen) {
    Start(Ini({kOptMouseActivation, kOptCompatHook}, 0));
    ASSERT_EQ(run_.RunAgain("/h"), 1);
    ASSERT_TRUE(PanelAppears(run_));
    ASSERT_TRUE(PointAt(Centre(run_.Panel())));
    ASSERT_TRUE(Xdotool("click --repeat 2 --delay 80 2"));
    // A fire would start the program with "/h" again, which hides the panel.
    EXPECT_FALSE(WaitFor([&] { return !PanelVisible(run_); }, 1500));
    EXPECT_EQ(run_.Close(), 0);

    KorvaneRun again;
    again.WriteIni(Ini({kOptMouseActivation, kOptCompatHook}, 10));
    ASSERT_TRUE(again.Start());
    ASSERT_TRUE(PointAt(Centre(app_->Window())));
    ASSERT_TRUE(Xdotool("click 2"));
    EXPECT_TRUE(PanelStaysHidden(again));
    EXPECT_EQ(again.Close(), 0);
}

TEST_F(MouseActivation, StandardLibraryModeTenWheelPressAnywhere) {
    Start(Ini({kOptMouseActivation}, 10));
    ASSERT_TRUE(PointAt(Centre(app_->Window())));
    ASSERT_TRUE(Xdotool("click 2"));
    ASSERT_TRUE(PanelAppears(run_));
    EXPECT_EQ(ReadWindow(run_.Panel()).rect.left, kPanelLeft);
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(MouseActivation, StandardLibraryModeOneRightPressWhileLeftHeld) {
    Start(Ini({kOptMouseActivation}, 1));
    ASSERT_TRUE(PointAt(Centre(app_->Window())));
    ASSERT_TRUE(Xdotool("click 3"));  // the right button alone does nothing
    EXPECT_TRUE(PanelStaysHidden(run_));
    ASSERT_TRUE(Xdotool("mousedown 1"));
    ASSERT_TRUE(Xdotool("click 3"));
    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(PanelAppears(run_));
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(MouseActivation, StandardLibraryShiftRequiredFiresOnlyWithShiftHeld) {
    Start(Ini({kOptMouseActivation, kOptMouseNeedsShift}, 10));
    ASSERT_TRUE(PointAt(Centre(app_->Window())));
    ASSERT_TRUE(Xdotool("click 2"));
    EXPECT_TRUE(PanelStaysHidden(run_));
    ASSERT_TRUE(Xdotool("keydown shift keydown ctrl click 2"));
    EXPECT_TRUE(PanelAppears(run_));
    Xdotool("keyup ctrl keyup shift");
    EXPECT_EQ(run_.Close(), 0);
}

// X buttons 8 and 9 are the first and second side button.
TEST_F(MouseActivation, StandardLibrarySideButtonClickShowsThePanelWithoutGoingBack) {
    Start(Ini({kOptMouseActivation}, kMouseModeSideButton1));
    ASSERT_TRUE(PointAt(Centre(app_->Window())));
    ASSERT_TRUE(Xdotool("click 9"));
    EXPECT_TRUE(PanelStaysHidden(run_));
    const long forward = app_->SideButtonMessages();
    EXPECT_GE(forward, 3) << "the other side button reached the program: press, release, command";

    ASSERT_TRUE(Xdotool("click 8"));
    EXPECT_TRUE(PanelAppears(run_));
    EXPECT_EQ(app_->SideButtonMessages(), forward) << "the program saw nothing of the click";
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(MouseActivation, ABlockedApplicationUnderTheGesturePreventsIt) {
    // The stand-in is listed; a copy of it under another name is not.
    const std::string other = run_.Folder().File("other_app.exe");
    ASSERT_TRUE(CopyFileA(StandinPath("standin_app").c_str(), other.c_str(), FALSE));
    run_.WriteBlockedList("C:\\elsewhere\\tool.exe\r\n" + StandinPath("standin_app") + "\r\n");
    Start(Ini({kOptMouseActivation, kOptBlockedApps}, 10));
    ASSERT_TRUE(PointAt(Centre(app_->Window())));
    ASSERT_TRUE(Xdotool("click 2"));
    EXPECT_TRUE(PanelStaysHidden(run_));

    StandinProcess unlisted("window", 100, 400, 200, 150, other);
    ASSERT_TRUE(PointAt(Centre(unlisted.Window())));
    ASSERT_TRUE(Xdotool("click 2"));
    EXPECT_TRUE(PanelAppears(run_));
    EXPECT_EQ(run_.Close(), 0);
}

// A desktop of another process: "Progman" at (50, 300) with an icon list.
class DesktopGesture : public testing::TestWithParam<bool> {};

TEST_P(DesktopGesture, LeftDoubleClickFiresOnEmptySpaceNotOnAnIcon) {
    const bool compatibility = GetParam();
    ASSERT_TRUE(Xdotool("version"));
    StandinProcess desktop("desktop", 50, 300, 400, 250);
    ASSERT_NE(desktop.Window(), nullptr);
    KorvaneRun run;
    run.WriteIni(compatibility ? Ini({kOptMouseActivation, kOptCompatHook}, 4) : Ini({kOptMouseActivation}, 4));
    ASSERT_TRUE(run.Start());
    Sleep(300);

    // The first icon sits at the list's top left; 32-pixel icons in a wider cell.
    ASSERT_TRUE(MovePointer(50 + 38, 300 + 20));
    ASSERT_TRUE(Xdotool("click --repeat 2 --delay 80 1"));
    EXPECT_TRUE(PanelStaysHidden(run)) << "a double-click on an icon opens the icon, not the panel";

    ASSERT_TRUE(MovePointer(50 + 300, 300 + 200));
    ASSERT_TRUE(Xdotool("click --repeat 2 --delay 80 1"));
    EXPECT_TRUE(PanelAppears(run));
    EXPECT_EQ(run.Close(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, DesktopGesture, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& p) { return p.param ? "Compatibility" : "Standard"; });

TEST_F(MouseActivation, HoverActivatesTheAlwaysShownPanelWithFlagFiftySix) {
    for (const bool hover : {false, true}) {
        KorvaneRun run;
        run.WriteIni(hover ? Ini({kOptMouseActivation, kOptAlwaysShown, kOptHoverActivates}, 0)
                           : Ini({kOptMouseActivation, kOptAlwaysShown}, 0));
        ASSERT_TRUE(run.Start());
        ASSERT_EQ(run.RunAgain("/h"), 1);
        ASSERT_TRUE(PanelAppears(run));
        // Another program takes the foreground; the always-shown panel stays.
        ASSERT_TRUE(PointAt(Centre(app_->Window())));
        ASSERT_TRUE(Xdotool("click 1"));
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == app_->Window(); }));
        ASSERT_TRUE(PanelVisible(run));
        const auto changed = [&] { return GetForegroundWindow() == run.Panel() || !PanelVisible(run); };
        ASSERT_FALSE(changed());

        // Moving onto the panel presses the activation key, which brings the
        // panel back to the front (or toggles it, with the basic show logic).
        const POINT onPanel = Centre(run.Panel());
        ASSERT_TRUE(MovePointer(onPanel.x, onPanel.y));
        MovePointer(onPanel.x + 1, onPanel.y);
        if (hover)
            EXPECT_TRUE(WaitFor(changed, 5000));
        else
            EXPECT_FALSE(WaitFor(changed, 1500));
        EXPECT_EQ(run.Close(), 0);
    }
}

}  // namespace
