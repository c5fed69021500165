// Judging forwarded mouse requests in the panel's process: each case feeds
// HandleMouseRequest as the standard library would and watches for the
// activation hot key that a match presses.
#include "activation/mouse_request.h"

#include <gtest/gtest.h>

#include <cstring>

#include "activation/blocked_apps.h"
#include "activation/desktop_windows.h"
#include "activation/hook_binding.h"
#include "base/core/text.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "support/temp_folder.h"
#include "win/activation/standin_windows.h"

namespace {

void Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

bool Held(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

class MouseRequest : public testing::Test {
protected:
    void SetUp() override {
        saved_ = gSettings;
        std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
        gSystem.sendInput = SendInput;
        gMarkers.active = WA_INACTIVE;
        gHook.tracker = ClickTracker{};
        panel_ = MakeWindow("KorvaneTestPanel", "panel", nullptr, WS_POPUP, 600, 400, 120, 120);
        target_ = MakeWindow("KorvaneTestTop", "target", nullptr, WS_POPUP | WS_VISIBLE, 450, 50, 100, 100);
        ASSERT_TRUE(catcher_.Registered());
        PumpMessages(30);
        catcher_.Caught(0);  // nothing left over from an earlier case
    }
    void TearDown() override {
        DestroyWindow(target_);
        DestroyWindow(panel_);
        gHook = HookBinding{};
        gSettings = saved_;
    }
    void Mode(int mode) { gSettings.mouseMode = static_cast<uint8_t>(mode); }
    void Request(UINT message, HWND target) { HandleMouseRequest(panel_, message, target); }

    Settings saved_;
    HWND panel_ = nullptr;
    HWND target_ = nullptr;
    HotkeyCatcher catcher_;
};

TEST_F(MouseRequest, WheelPressAnywhereFiresInModeTenOnly) {
    Mode(10);
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_TRUE(catcher_.Caught());
    Request(WM_NCMBUTTONDOWN, target_);
    Request(WM_MBUTTONDBLCLK, target_);
    EXPECT_FALSE(catcher_.Caught(150));
    Mode(2);  // the same press, but the mode wants the desktop
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_FALSE(catcher_.Caught(150));
}

TEST_F(MouseRequest, AnEventOnThePanelItselfNeverFires) {
    Mode(10);
    Request(WM_MBUTTONDOWN, panel_);
    Mode(0);
    Request(WM_MBUTTONDBLCLK, panel_);
    EXPECT_FALSE(catcher_.Caught(150));
}

TEST_F(MouseRequest, ShiftRequiredFiresWithShiftAndCtrlHeldAndReleasesBoth) {
    Mode(10);
    SetOption(gSettings.optionFlags, kOptMouseNeedsShift);
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_FALSE(catcher_.Caught(150)) << "no Shift held";

    Key(VK_CONTROL, false);
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_FALSE(catcher_.Caught(150)) << "Ctrl alone is not Shift";

    Key(VK_SHIFT, false);
    ASSERT_TRUE(Held(VK_SHIFT) && Held(VK_CONTROL));
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_TRUE(catcher_.Caught()) << "the hot key has no modifiers; it is seen only after the releases";
    EXPECT_FALSE(Held(VK_SHIFT));
    EXPECT_FALSE(Held(VK_CONTROL));
    Key(VK_SHIFT, true);
    Key(VK_CONTROL, true);
}

TEST_F(MouseRequest, WithoutSendInputTheKeyIsPressedAllTheSame) {
    gSystem.sendInput = nullptr;
    Mode(10);
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_TRUE(catcher_.Caught());
}

TEST_F(MouseRequest, TwoPressesAtThePointerFormADoubleClickInModeZero) {
    Mode(0);
    ASSERT_TRUE(PlacePointer(480, 80));
    Request(WM_MBUTTONDOWN, target_);
    Request(WM_MBUTTONUP, target_);
    EXPECT_FALSE(catcher_.Caught(50));
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_TRUE(catcher_.Caught());
    // The system's own double-click message fires directly.
    Request(WM_MBUTTONDBLCLK, target_);
    EXPECT_TRUE(catcher_.Caught());
}

TEST_F(MouseRequest, APointerMovedBetweenThePressesIsNoDoubleClick) {
    Mode(9);
    ASSERT_TRUE(PlacePointer(480, 80));
    Request(WM_RBUTTONDOWN, target_);
    Request(WM_RBUTTONUP, target_);
    ASSERT_TRUE(PlacePointer(481, 80));
    Request(WM_RBUTTONDOWN, target_);
    EXPECT_FALSE(catcher_.Caught(150));
}

TEST_F(MouseRequest, LeftDoubleClickFiresOnEmptyDesktopSpaceButNotOnAnIcon) {
    StandinDesktop desktop;
    Mode(4);
    ASSERT_TRUE(PlacePointer(desktop.IconCentre().x, desktop.IconCentre().y));
    Request(WM_LBUTTONDBLCLK, desktop.list);
    EXPECT_FALSE(catcher_.Caught(150));
    ASSERT_TRUE(PlacePointer(desktop.EmptySpace().x, desktop.EmptySpace().y));
    Request(WM_LBUTTONDBLCLK, desktop.list);
    EXPECT_TRUE(catcher_.Caught());
    // Around the list, in the view, there are no icons to test against.
    HWND margin = MakeWindow("KorvaneTestChild", "", desktop.view, WS_CHILD | WS_VISIBLE, 0, 260, 400, 40);
    Request(WM_LBUTTONDBLCLK, margin);
    EXPECT_TRUE(catcher_.Caught());
    // Not the desktop at all.
    Request(WM_LBUTTONDBLCLK, target_);
    EXPECT_FALSE(catcher_.Caught(150));
}

TEST_F(MouseRequest, DesktopWheelModesTestTheWindowUnderThePointer) {
    StandinDesktop desktop;
    Mode(7);
    ASSERT_TRUE(PlacePointer(desktop.EmptySpace().x, desktop.EmptySpace().y));
    Request(WM_MOUSEWHEEL, target_);  // the event's own window does not matter
    EXPECT_TRUE(catcher_.Caught());
    ASSERT_TRUE(PlacePointer(480, 80));
    Request(WM_MOUSEWHEEL, desktop.list);
    EXPECT_FALSE(catcher_.Caught(150));
}

TEST_F(MouseRequest, TaskbarModesCompareWithTheTaskbarRecordedAtLoad) {
    HWND taskbar = MakeWindow("KorvaneTestTop", "", nullptr, WS_POPUP | WS_VISIBLE, 0, 500, 300, 30);
    HWND button = MakeWindow("KorvaneTestChild", "", taskbar, WS_CHILD | WS_VISIBLE, 0, 0, 40, 30);
    Mode(5);
    Request(WM_MBUTTONDOWN, button);
    EXPECT_FALSE(catcher_.Caught(150)) << "no taskbar recorded";
    gHook.taskbar = taskbar;
    Request(WM_MBUTTONDOWN, button);
    EXPECT_TRUE(catcher_.Caught());
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_FALSE(catcher_.Caught(150));
    Mode(8);
    ASSERT_TRUE(PlacePointer(20, 515));
    Request(WM_MOUSEWHEEL, target_);
    EXPECT_TRUE(catcher_.Caught());
    DestroyWindow(taskbar);
}

TEST_F(MouseRequest, HoverActivatesTheAlwaysShownPanelOnlyWithFlagFiftySix) {
    SetOption(gSettings.optionFlags, kOptAlwaysShown);
    SetWindowPos(panel_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetForegroundWindow(target_);
    PumpMessages(50);
    ASSERT_TRUE(PlacePointer(650, 450));
    ASSERT_EQ(WindowFromPoint(POINT{650, 450}), panel_);
    Request(WM_MOUSEMOVE, panel_);
    EXPECT_FALSE(catcher_.Caught(150));
    SetOption(gSettings.optionFlags, kOptHoverActivates);
    Request(WM_MOUSEMOVE, panel_);
    EXPECT_TRUE(catcher_.Caught());
    // Not while a menu loop runs, and not when it is already active.
    gMarkers.panelBusy = 1;
    Request(WM_MOUSEMOVE, panel_);
    gMarkers.panelBusy = 0;
    gMarkers.active = WA_ACTIVE;
    Request(WM_MOUSEMOVE, panel_);
    gMarkers.active = WA_INACTIVE;
    EXPECT_FALSE(catcher_.Caught(150));
    ASSERT_TRUE(PlacePointer(480, 80));  // off the panel
    Request(WM_MOUSEMOVE, target_);
    EXPECT_FALSE(catcher_.Caught(150));
}

TEST_F(MouseRequest, ABlockedApplicationUnderTheGesturePressesNothing) {
    TempFolder folder;
    CopyText(gSettings.programFolder, folder.Path().c_str());
    char own[MAX_PATH];
    GetModuleFileNameA(nullptr, own, sizeof own);
    folder.Write(kBlockedFileName, std::string(own) + "\r\n");
    LoadBlockedList();
    SetOption(gSettings.optionFlags, kOptBlockedApps);
    Mode(10);
    EXPECT_EQ(PressActivationKey(target_), 0);
    Request(WM_MBUTTONDOWN, target_);
    EXPECT_FALSE(catcher_.Caught(150));
    ClearOption(gSettings.optionFlags, kOptBlockedApps);
    EXPECT_EQ(PressActivationKey(target_), 1);
    EXPECT_TRUE(catcher_.Caught());
    FreeBlockedList();
}

TEST(RemoteListViewHitTest, AnswersForAListViewThroughItsProcessMemory) {
    StandinDesktop desktop;
    POINT icon = desktop.IconCentre(), empty = desktop.EmptySpace();
    ScreenToClient(desktop.list, &icon);
    ScreenToClient(desktop.list, &empty);
    EXPECT_FALSE(RemoteListViewPointIsEmpty(desktop.list, icon));
    EXPECT_TRUE(RemoteListViewPointIsEmpty(desktop.list, empty));
    // A window that is gone answers "not empty" rather than firing.
    HWND gone = MakeWindow("KorvaneTestTop", "", nullptr, WS_POPUP, 0, 0, 5, 5);
    DestroyWindow(gone);
    EXPECT_FALSE(RemoteListViewPointIsEmpty(gone, empty));
}

}  // namespace
