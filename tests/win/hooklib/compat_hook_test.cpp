// The compatibility hook's judgement, as it runs inside the process that
// receives the event: the shared record set as the panel program would set
// it, events built as the system hands them to the hook.
#include "hooklib/compat_hook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "shell_standins.h"
#include "standins/standin_process.h"
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

// The first icon's centre on the screen, measured on a list of the same size
// in this process (another process's list cannot be asked for it).
POINT IconCentreOn(HWND list) {
    RECT own{};
    GetClientRect(list, &own);
    HWND probe = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_ICON, 0, 0, own.right, own.bottom, nullptr,
                                 nullptr, nullptr, nullptr);
    AddStandinDesktopIcon(probe);
    RECT r{};
    r.left = LVIR_ICON;
    SendMessageA(probe, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    DestroyWindow(probe);
    POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &pt);
    return pt;
}

// The stand-in desktop in a process of its own, as the 64-bit desktop is to
// the 32-bit hook on 64-bit Windows, which then runs in the panel's thread.
TEST_F(CompatHook, ADesktopOfAnotherProcessIsHitTestedInItsOwnMemory) {
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    const std::string folder(exe, std::strrchr(exe, '\\'));
    StandinProcess desktop("desktop", 50, 300, 400, 250, folder + "\\standin_app.exe");
    HWND view = FindWindowExA(desktop.Window(), nullptr, "SHELLDLL_DefView", nullptr);
    HWND list = view ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
    ASSERT_NE(list, nullptr);
    POINT empty{300, 200};
    ClientToScreen(list, &empty);
    gCompatShared.mode = 4;
    for (int round = 0; round < 3; ++round) {
        EXPECT_FALSE(Event(WM_LBUTTONDBLCLK, list, IconCentreOn(list))) << round;
        EXPECT_TRUE(Event(WM_LBUTTONDBLCLK, list, empty)) << round;
    }
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

// The mouse messages that reach the hook installed before the procedure,
// which the system calls after it.
std::vector<WPARAM> gPassedOn;
LRESULT CALLBACK RecordingHook(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION) gPassedOn.push_back(message);
    return CallNextHookEx(nullptr, code, message, event);
}

void PressButtons(std::initializer_list<DWORD> flags) {
    std::vector<INPUT> in;
    for (DWORD f : flags) {
        INPUT i{};
        i.type = INPUT_MOUSE;
        i.mi.dwFlags = f;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// Real clicks through a real chain: ours installed on this thread after
// another hook, which so sees what ours passes on. With no panel window
// recorded, firing finds no program to start.
TEST_F(CompatHook, ModeOneKeepsTheChordFromTheNextHook) {
    gCompatShared.mode = 1;
    gPassedOn.clear();
    HHOOK next = SetWindowsHookExA(WH_MOUSE, RecordingHook, nullptr, GetCurrentThreadId());
    HHOOK ours = SetWindowsHookExA(WH_MOUSE, CompatHookProc, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(next && ours);
    gCompatShared.hook = ours;
    ASSERT_TRUE(PlacePointer(500, 100));
    // The left button is tested as it is when the hook runs: still down.
    PressButtons({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN});
    PumpMessages(300);
    PressButtons({MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_LEFTUP});
    PumpMessages(300);
    UnhookWindowsHookEx(ours);
    UnhookWindowsHookEx(next);
    gCompatShared.hook = nullptr;
    auto passed = [](WPARAM m) { return std::count(gPassedOn.begin(), gPassedOn.end(), m) > 0; };
    EXPECT_TRUE(passed(WM_LBUTTONDOWN)) << "the left press alone is no gesture";
    EXPECT_TRUE(passed(WM_RBUTTONUP));
    EXPECT_FALSE(passed(WM_RBUTTONDOWN)) << "the chord fired and went no further";
}

TEST_F(CompatHook, TheProcedurePassesEveryNonMatchingEventOn) {
    gCompatShared.mode = 0;
    MOUSEHOOKSTRUCT e{};
    e.hwnd = window_;
    // Not installed: the next-hook call answers 0, and the procedure adds
    // nothing of its own, nor trips over a missing event.
    EXPECT_EQ(CompatHookProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&e)), 0);
    EXPECT_EQ(CompatHookProc(HC_NOREMOVE, WM_MBUTTONDBLCLK, reinterpret_cast<LPARAM>(&e)), 0);
    EXPECT_EQ(CompatHookProc(HC_ACTION, WM_MOUSEMOVE, 0), 0);

    // Installed in a real chain for this thread, behind a recording hook:
    // moves and a single wheel click are no gesture of mode 0, and each of
    // them must go on down the chain.
    HHOOK recorder = SetWindowsHookExA(WH_MOUSE, RecordingHook, nullptr, GetCurrentThreadId());
    HHOOK compat = SetWindowsHookExA(WH_MOUSE, CompatHookProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(recorder, nullptr);
    ASSERT_NE(compat, nullptr);
    gCompatShared.hook = compat;
    ASSERT_TRUE(PlacePointer(480, 80));
    PumpMessages(100);
    gPassedOn.clear();
    INPUT input[3] = {};
    for (INPUT& i : input) i.type = INPUT_MOUSE;
    input[0].mi.dx = 5;
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE;
    input[1].mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
    EXPECT_EQ(SendInput(3, input, sizeof(INPUT)), 3u);
    PumpMessages(300);
    UnhookWindowsHookEx(compat);
    UnhookWindowsHookEx(recorder);
    gCompatShared.hook = nullptr;
    auto passed = [](WPARAM m) { return std::find(gPassedOn.begin(), gPassedOn.end(), m) != gPassedOn.end(); };
    EXPECT_TRUE(passed(WM_MOUSEMOVE));
    EXPECT_TRUE(passed(WM_MBUTTONDOWN));
    EXPECT_TRUE(passed(WM_MBUTTONUP));
}

}  // namespace
