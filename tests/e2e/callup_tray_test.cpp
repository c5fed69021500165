// The notification icon of the real Korvane.exe in the test desktop's
// taskbar: a real double-click on it, and its return after the taskbar
// restarts.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "callup_support.h"
#include "driver.h"
#include "input.h"
#include "shell_standins.h"

namespace {

constexpr UINT kTrayId = 501;
constexpr UINT kNotifyIcon = 0x8064;

const char kIni[] =
    "[Window]\r\nLeft=100\r\nTop=120\r\nLeft2=300\r\nTop2=320\r\n[General]\r\n"
    "NFlags=00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00\r\n";

bool IconShown(HWND panel) { return TrayIconShown(panel, kTrayId); }

// Where the icon is drawn in the taskbar: its picture has the only orange
// selection bar there. {-1, -1} when it cannot be seen.
POINT FindIconInTaskbar() {
    POINT found{-1, -1};
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return found;
    RECT r;
    GetWindowRect(taskbar, &r);
    HDC screen = GetDC(nullptr);
    for (int y = r.top; y < r.bottom && found.x < 0; ++y)
        for (int x = r.right - 1; x >= r.left; --x)
            if (GetPixel(screen, x, y) == RGB(255, 176, 48)) {
                found = POINT{x - 4, y};  // the bar's right end; the icon's middle is left of it
                break;
            }
    ReleaseDC(nullptr, screen);
    return found;
}

void DoubleClickAt(POINT p) {
    PlacePointer(p.x, p.y);
    Sleep(50);
    INPUT clicks[4]{};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    SendInput(2, clicks, sizeof(INPUT));
    Sleep(60);
    SendInput(2, clicks + 2, sizeof(INPUT));
}

TEST(CallUpTray, TheIconIsInTheTaskbarWhileTheProgramRuns) {
    KorvaneRun run;
    run.WriteIni(kIni);
    ASSERT_TRUE(StartAndSettle(run));
    EXPECT_TRUE(WaitFor([&] { return IconShown(run.Panel()); }));
    const HWND panel = run.Panel();
    EXPECT_EQ(run.Close(), 0);
    EXPECT_FALSE(IconShown(panel));
}

TEST(CallUpTray, DoubleClickOnTheIconShowsThePanel) {
    KorvaneRun run;
    run.WriteIni(kIni);
    ASSERT_TRUE(StartAndSettle(run));
    POINT icon{-1, -1};
    ASSERT_TRUE(WaitFor([&] { return (icon = FindIconInTaskbar()).x >= 0; })) << "icon not drawn in the taskbar";
    DoubleClickAt(icon);
    ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
    // Shown as a plain activation: at the second stored position.
    EXPECT_EQ(ReadWindow(run.Panel()).rect.left, 300);
    EXPECT_EQ(run.Close(), 0);
}

TEST(CallUpTray, OtherIconMessagesLeaveThePanelAlone) {
    KorvaneRun run;
    run.WriteIni(kIni);
    ASSERT_TRUE(StartAndSettle(run));
    SendMessageA(run.Panel(), kNotifyIcon, kTrayId, WM_LBUTTONDOWN);
    SendMessageA(run.Panel(), kNotifyIcon, kTrayId, WM_LBUTTONUP);
    SendMessageA(run.Panel(), kNotifyIcon, kTrayId, WM_MOUSEMOVE);
    Sleep(200);
    EXPECT_FALSE(ReadWindow(run.Panel()).visible);
    EXPECT_EQ(run.Close(), 0);
}

TEST(CallUpTray, TheIconReturnsWhenTheTaskbarIsCreatedAgain) {
    KorvaneRun run;
    run.WriteIni(kIni);
    ASSERT_TRUE(StartAndSettle(run));
    ASSERT_TRUE(WaitFor([&] { return IconShown(run.Panel()); }));
    // A restarted taskbar has forgotten every icon...
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = run.Panel();
    data.uID = kTrayId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    ASSERT_FALSE(IconShown(run.Panel()));
    // ...and announces itself to every top-level window.
    SendMessageA(run.Panel(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return IconShown(run.Panel()); }));
    EXPECT_TRUE(run.Running());
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace
