// 100,000 synthetic mouse events through the standard hook library into a
// second process: every one passes the hook there and is posted on to the
// panel. Neither program may fail, stop answering, or grow.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"
#include "standins/standin_process.h"

namespace {

SIZE_T PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PagefileUsage : 0;
}

// count events alternating between moves to two points of the window and
// wheel turns, sent in batches as a fast hand would.
void SendEvents(HWND window, int count) {
    RECT r;
    GetWindowRect(window, &r);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    auto absolute = [&](int x, int y, INPUT& in) {
        in.type = INPUT_MOUSE;
        in.mi.dx = x * 65535 / (sw - 1);
        in.mi.dy = y * 65535 / (sh - 1);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    };
    std::vector<INPUT> batch(500);
    for (int sent = 0; sent < count;) {
        const int n = std::min<int>(static_cast<int>(batch.size()), count - sent);
        for (int i = 0; i < n; ++i) {
            INPUT in{};
            switch ((sent + i) % 3) {
                case 0:
                    absolute(r.left + 20, r.top + 20, in);
                    break;
                case 1:
                    absolute(r.left + 60, r.top + 50, in);
                    break;
                default:
                    in.type = INPUT_MOUSE;
                    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
                    in.mi.mouseData = ((sent + i) / 3) % 2 ? WHEEL_DELTA : static_cast<DWORD>(-WHEEL_DELTA);
                    break;
            }
            batch[i] = in;
        }
        sent += static_cast<int>(SendInput(static_cast<UINT>(n), batch.data(), sizeof(INPUT)));
        Sleep(1);
    }
}

bool Answers(HWND window) {
    DWORD_PTR ignored;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

TEST(MouseSoak, HundredThousandEventsThroughTheHookInASecondProcess) {
    ASSERT_TRUE(Xdotool("version"));
    StandinProcess app("window", 100, 100, 200, 150);
    ASSERT_NE(app.Window(), nullptr);
    KorvaneRun run;
    // Standard library, wheel double-click mode: moves and single turns make
    // up no gesture, so the panel judges and drops every request.
    run.WriteIni("[Window]\r\nLeft=700\r\nTop=80\r\n[General]\r\nNFlags=" + FlagText({kOptMouseActivation}) +
                 "\r\nMouseMode=0\r\n");
    ASSERT_TRUE(run.Start());
    HANDLE panelProcess = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.ProcessId());
    ASSERT_NE(panelProcess, nullptr);

    // The stand-in takes the foreground, so that wheel turns go to it too.
    const RECT appRect = ReadWindow(app.Window()).rect;
    ASSERT_TRUE(MovePointer(appRect.left + 40, appRect.top + 40));
    ASSERT_TRUE(Xdotool("click 1"));
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == app.Window(); }));

    SendEvents(app.Window(), 10000);  // warm up: the library is mapped, queues have grown
    ASSERT_TRUE(Answers(app.Window()) && Answers(run.Panel()));
    const long before = app.MouseMessages();
    const SIZE_T appBefore = PrivateBytes(app.Process()), panelBefore = PrivateBytes(panelProcess);

    const DWORD start = GetTickCount();
    SendEvents(app.Window(), 100000);
    // A hung program never answers; a loaded machine works through the flood
    // late, so each side gets a minute.
    ASSERT_TRUE(WaitFor([&] { return Answers(app.Window()); }, 60000));
    ASSERT_TRUE(WaitFor([&] { return Answers(run.Panel()); }, 60000));
    Sleep(500);  // let the posted requests drain
    const DWORD elapsed = GetTickCount() - start;

    const long received = app.MouseMessages() - before;
    const SIZE_T appAfter = PrivateBytes(app.Process()), panelAfter = PrivateBytes(panelProcess);
    std::printf(
        "soak: %ld mouse messages reached the stand-in in %lu ms; private bytes stand-in %zu -> %zu, "
        "panel %zu -> %zu\n",
        received, elapsed, appBefore, appAfter, panelBefore, panelAfter);
    // How many of a flood get through depends on how busy the machine is:
    // moves are merged and a loaded system drops some input. A hook that
    // swallowed events would let next to none through.
    EXPECT_GE(received, 10000);
    EXPECT_TRUE(run.Running());
    EXPECT_LT(appAfter, appBefore + 1024 * 1024);
    EXPECT_LT(panelAfter, panelBefore + 1024 * 1024);
    EXPECT_FALSE(ReadWindow(run.Panel()).visible) << "nothing in the soak is a gesture";

    // Paced wheel turns after the flood each arrive: the hook passes every
    // event on, it only looked at them.
    const long beforePaced = app.MouseMessages();
    for (int i = 0; i < 30; ++i) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = i % 2 ? WHEEL_DELTA : static_cast<DWORD>(-WHEEL_DELTA);
        SendInput(1, &in, sizeof in);
        Sleep(20);
    }
    EXPECT_TRUE(WaitFor([&] { return app.MouseMessages() - beforePaced >= 30; }, 10000))
        << app.MouseMessages() - beforePaced << " of 30 paced wheel turns arrived";

    // The hook still works afterwards, once the panel has worked through the
    // requests still queued (posted, they wait behind the flood). A loaded
    // machine can stretch the two clicks past the double-click time, so the
    // user's second try counts too; a dead hook fails every try.
    ASSERT_TRUE(MovePointer(appRect.left + 100, appRect.top + 75));
    bool shown = false;
    for (int attempt = 0; attempt < 3 && !shown; ++attempt) {
        ASSERT_TRUE(Xdotool("click --repeat 2 --delay 80 2"));
        shown = WaitFor([&] { return ReadWindow(run.Panel()).visible; }, 30000);
    }
    EXPECT_TRUE(shown);
    CloseHandle(panelProcess);
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace
