// The compatibility hook's judgement, as it runs inside the process that
// receives the event: the shared record set as the panel program would set
// it, events built as the system hands them to the hook.
#include "hooklib/compat_hook.h"

#include <gtest/gtest.h>

#include "win/activation/standin_windows.h"

namespace {

class CompatHook : public testing::Test {
protected:
    void SetUp() override {
        ResetCompatClickTracker();
        gCompatShared.panel = nullptr;
        gCompatShared.taskbar = nullptr;
        gCompatShared.mode = 0;
        window_ = MakeWindow("KorvaneTestTop", "app", nullptr, WS_POPUP | WS_VISIBLE, 450, 50, 100, 100);
    }
    void TearDown() override {
        DestroyWindow(window_);
        gCompatShared.mode = 0;
        gCompatShared.taskbar = nullptr;
    }
    bool Event(UINT message, HWND window, POINT pt = POINT{480, 80}) {
        MOUSEHOOKSTRUCT e{};
        e.pt = pt;
        e.hwnd = window;
        return CompatHookRecognises(message, e);
    }
    HWND window_ = nullptr;
};

TEST_F(CompatHook, WheelDoubleClickByTheSystemOrByTwoPresses) {
    gCompatShared.mode = 0;
    EXPECT_TRUE(Event(WM_MBUTTONDBLCLK, window_));
    EXPECT_TRUE(Event(WM_NCMBUTTONDBLCLK, window_));
    EXPECT_FALSE(Event(WM_MBUTTONDOWN, window_));
    EXPECT_FALSE(Event(WM_MBUTTONUP, window_));
    EXPECT_TRUE(Event(WM_MBUTTONDOWN, window_));
    // A third press starts over.
    EXPECT_FALSE(Event(WM_MBUTTONUP, window_));
    EXPECT_FALSE(Event(WM_MBUTTONDOWN, window_));
}

TEST_F(CompatHook, TwoPressesOnePixelApartAreNoDoubleClick) {
    gCompatShared.mode = 9;
    EXPECT_FALSE(Event(WM_RBUTTONDOWN, window_, POINT{10, 10}));
    EXPECT_FALSE(Event(WM_RBUTTONUP, window_, POINT{10, 10}));
    EXPECT_FALSE(Event(WM_RBUTTONDOWN, window_, POINT{10, 11}));
    EXPECT_TRUE(Event(WM_RBUTTONDBLCLK, window_));
}

TEST_F(CompatHook, ModeTenAndUnknownModesNeverFire) {
    for (LONG mode : {10L, 11L, 200L}) {
        gCompatShared.mode = mode;
        for (UINT m : {WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, WM_LBUTTONDBLCLK, WM_MOUSEWHEEL, WM_RBUTTONDOWN})
            EXPECT_FALSE(Event(m, window_)) << mode << " " << m;
    }
}

TEST_F(CompatHook, DesktopModesFireOnlyOnTheDesktop) {
    StandinDesktop desktop;
    gCompatShared.mode = 2;
    EXPECT_TRUE(Event(WM_MBUTTONDOWN, desktop.list));
    EXPECT_TRUE(Event(WM_NCMBUTTONDOWN, desktop.list));
    EXPECT_FALSE(Event(WM_MBUTTONDOWN, window_));
    EXPECT_FALSE(Event(WM_MBUTTONDOWN, desktop.view)) << "the shell view itself is not a desktop window";
    gCompatShared.mode = 3;
    EXPECT_TRUE(Event(WM_MBUTTONDBLCLK, desktop.list));
    EXPECT_FALSE(Event(WM_MBUTTONDOWN, desktop.list));
    gCompatShared.mode = 7;
    EXPECT_TRUE(Event(WM_MOUSEWHEEL, window_, desktop.EmptySpace())) << "the window under the point counts";
    EXPECT_FALSE(Event(WM_MOUSEWHEEL, desktop.list, POINT{480, 80}));
}

TEST_F(CompatHook, DesktopLeftDoubleClickHitTestsTheIconListDirectly) {
    StandinDesktop desktop;
    gCompatShared.mode = 4;
    EXPECT_FALSE(Event(WM_LBUTTONDBLCLK, desktop.list, desktop.IconCentre()));
    EXPECT_TRUE(Event(WM_LBUTTONDBLCLK, desktop.list, desktop.EmptySpace()));
    HWND margin = MakeWindow("KorvaneTestChild", "", desktop.view, WS_CHILD | WS_VISIBLE, 0, 260, 400, 40);
    EXPECT_TRUE(Event(WM_LBUTTONDBLCLK, margin, desktop.ViewMargin()));
    EXPECT_FALSE(Event(WM_LBUTTONDBLCLK, window_));
}

TEST_F(CompatHook, TaskbarModesUseTheTaskbarRecordedAtInitialisation) {
    HWND taskbar = MakeWindow("KorvaneTestTop", "", nullptr, WS_POPUP | WS_VISIBLE, 0, 500, 300, 30);
    HWND button = MakeWindow("KorvaneTestChild", "", taskbar, WS_CHILD | WS_VISIBLE, 0, 0, 40, 30);
    gCompatShared.mode = 5;
    EXPECT_FALSE(Event(WM_MBUTTONDOWN, button)) << "none recorded";
    gCompatShared.taskbar = taskbar;
    EXPECT_TRUE(Event(WM_MBUTTONDOWN, button));
    EXPECT_TRUE(Event(WM_NCMBUTTONDOWN, taskbar));
    EXPECT_FALSE(Event(WM_MBUTTONDOWN, window_));
    gCompatShared.mode = 6;
    EXPECT_TRUE(Event(WM_MBUTTONDBLCLK, button));
    gCompatShared.mode = 8;
    EXPECT_TRUE(Event(WM_MOUSEWHEEL, window_, POINT{20, 515}));
    EXPECT_FALSE(Event(WM_MOUSEWHEEL, button, POINT{480, 80}));
    DestroyWindow(taskbar);
}

TEST_F(CompatHook, TheProcedurePassesEveryNonMatchingEventOn) {
    // Not installed: the next-hook call answers 0, and the procedure adds
    // nothing of its own.
    gCompatShared.mode = 0;
    MOUSEHOOKSTRUCT e{};
    e.hwnd = window_;
    EXPECT_EQ(CompatHookProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&e)), 0);
    EXPECT_EQ(CompatHookProc(HC_NOREMOVE, WM_MBUTTONDBLCLK, reinterpret_cast<LPARAM>(&e)), 0);
    EXPECT_EQ(CompatHookProc(HC_ACTION, WM_MOUSEMOVE, 0), 0);
}

}  // namespace
