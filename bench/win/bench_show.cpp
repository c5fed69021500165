// How long the panel takes from an activation request to being on screen (no
// fade), as a ratio to a bare popup window's show and activation in the same
// process and the same run, with the pieces of a show; where the private
// memory of the program with 1,000 items goes (bench_startup compares the
// whole process with a bare program); and what the blocked-applications test
// of one show costs per line of a long list. Prints figures; it asserts nothing.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "activation/blocked_apps.h"
#include "activation/desktop_windows.h"
#include "base/core/text.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "base/window_helpers.h"
#include "driver.h"
#include "shell/panel_window.h"
#include "view/event_sounds.h"
#include "view/panel_draw.h"
#include "view/panel_layout.h"
#include "view/view_state.h"
#include "base/visual_styles.h"

namespace {

const int kItems = [] {
    const char* n = std::getenv("KORVANE_BENCH_ITEMS");
    return n ? std::atoi(n) : 1000;
}();
constexpr int kRounds = 50;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double PrivateMegabytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Some systems leave PrivateUsage empty; the commit charge is the same figure.
    const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// The bare popup: a tool window that fills itself with one colour.
LRESULT CALLBACK BarePopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The bare popup has the panel's window styles (a topmost tool window,
// layered with the same attributes where the panel is), so that what Wine
// spends on showing such a window counts on both sides.
HWND CreateBarePopup(HWND panel) {
    RECT like{};
    GetWindowRect(panel, &like);
    WNDCLASSA wc{};
    wc.lpfnWndProc = BarePopupProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = "Korvane bare popup";
    RegisterClassA(&wc);
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(panel, GWL_EXSTYLE));
    HWND bare = CreateWindowExA(exStyle, wc.lpszClassName, "", WS_POPUP, like.left, like.top, like.right - like.left,
                                like.bottom - like.top, nullptr, nullptr, wc.hInstance, nullptr);
    COLORREF key = 0;
    BYTE alpha = 255;
    DWORD flags = 0;
    if ((exStyle & WS_EX_LAYERED) && GetLayeredWindowAttributes(panel, &key, &alpha, &flags))
        SetLayeredWindowAttributes(bare, key, alpha, flags);
    return bare;
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The blocked test of a show against lists of 1,000 to 100,000 programs, none
// of them the foreground one: per show, and per line of the list.
void MeasureBlockedLists(const TempFolder& folder) {
    SetOption(gSettings.optionFlags, kOptBlockedApps);
    std::printf("blocked-applications test per show (its cost must not grow faster than the list):\n");
    for (int lines : {1000, 10000, 100000}) {
        std::string text;
        char line[64];
        for (int i = 0; i < lines; ++i) {
            std::snprintf(line, sizeof line, "C:\\Programs\\app%06d\\app.exe\r\n", i);
            text += line;
        }
        folder.Write("forbiden.ini", text);
        LoadBlockedList();
        HWND foreground = GetForegroundWindow();
        std::vector<double> t;
        for (int i = 0; i < 5; ++i) {
            const double start = Now();
            IsBlockedApplication(foreground);
            t.push_back((Now() - start) * 1000.0);
        }
        std::sort(t.begin(), t.end());
        std::printf("  %6d lines: median %8.3f ms per show (%.3f us per line)\n", lines, t[t.size() / 2],
                    t[t.size() / 2] * 1000.0 / lines);
    }
    FreeBlockedList();
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // each figure as soon as it is measured
    // Private memory, step by step: the libraries first, then the window.
    const double atStart = PrivateMegabytes();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    LoadVisualStyles();
    const double withControls = PrivateMegabytes();
    CoInitialize(nullptr);
    const double withCom = PrivateMegabytes();
    SHFILEINFOA info{};
    SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX);
    const double withShell = PrivateMegabytes();
    gWindows.instance = GetModuleHandleA(nullptr);

    TempFolder folder;
    const std::string shortcuts = folder.MakeFolder("shortcuts");
    std::printf("writing %d shortcuts...\n", kItems);
    for (int i = 0; i < kItems; ++i)
        MakeShortcut(shortcuts + "\\item" + std::to_string(i) + ".lnk", "C:\\windows\\system32\\notepad.exe");

    CopyText(gSettings.programFolder, folder.Path().c_str());
    // A settings file that exists: a first start would open the options first.
    folder.Write("korvane.ini", "");
    CopyText(gSettings.settingsFile, folder.File("korvane.ini").c_str());
    LoadSettings(gSettings, gView.currentIndex);
    CopyText(gSettings.shortcutFolder, shortcuts.c_str());
    ClearOption(gSettings.optionFlags, kOptMouseActivation);  // no mouse hook in this process
    ClearOption(gSettings.optionFlags, kOptFadeIn);           // no fade: the time to the first full picture

    const double before = PrivateMegabytes();
    const double start = Now();
    HWND panel = CreatePanelWindow(gWindows.instance);
    const double created = Now();
    if (!panel) {
        std::printf("the panel window could not be created\n");
        return 1;
    }
    Pump();
    const double after = PrivateMegabytes();

    HWND bare = CreateBarePopup(panel);

    // Shows interleaved with the bare popup's, so a busy machine slows both.
    std::vector<double> show, bareShow;
    for (int i = 0; i < kRounds; ++i) {
        double t0 = Now();
        SendMessageA(panel, WM_PANEL_ACTIVATE, 0, -1);
        double t1 = Now();
        if (IsWindowVisible(panel)) show.push_back((t1 - t0) * 1000.0);
        Pump();
        SendMessageA(panel, WM_PANEL_ACTIVATE, 0, -1);  // visible: hides it
        Pump();

        // What any popup does to appear: paint while hidden, show without
        // activation, then take the foreground, as the panel does.
        t0 = Now();
        InvalidateRect(bare, nullptr, FALSE);
        UpdateWindow(bare);
        SetWindowPos(bare, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ForceForeground(bare);
        t1 = Now();
        bareShow.push_back((t1 - t0) * 1000.0);
        Pump();
        ShowWindow(bare, SW_HIDE);
        Pump();
    }
    const double peak = PrivateMegabytes();

    // Where the time of a show goes, piece by piece.
    auto timeIt = [&](const char* what, auto&& step) {
        std::vector<double> t;
        for (int i = 0; i < kRounds; ++i) {
            const double t0 = Now();
            step();
            t.push_back((Now() - t0) * 1000.0);
            Pump();
        }
        std::sort(t.begin(), t.end());
        std::printf("  %-34s median %.3f ms\n", what, t[t.size() / 2]);
    };
    std::printf("breakdown:\n");
    timeIt("CloseOpenMenus", [] { CloseOpenMenus(gSystem.sendInput); });
    timeIt("PlacePanel", [&] { PlacePanel(panel, true); });
    timeIt("DrawFrame + DrawItems", [] { ComposePanel(true); });
    timeIt("invalidate + update (hidden)", [&] {
        InvalidateRect(panel, nullptr, FALSE);
        UpdateWindow(panel);
    });
    timeIt("show without activation + hide", [&] {
        SetWindowPos(panel, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ShowWindow(panel, SW_HIDE);
    });
    timeIt("ForceForeground", [&] { ForceForeground(panel); });
    timeIt("IsBlockedApplication (foreground)", [] { IsBlockedApplication(GetForegroundWindow()); });
    timeIt("PlayEventSound (none set)", [] { PlayEventSound(kSoundOpen); });
    timeIt("show, bring forward, hide", [&] {
        SetWindowPos(panel, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ForceForeground(panel);
        ShowWindow(panel, SW_HIDE);
    });
    timeIt("SaveWindowPosition", [&] { SaveWindowPosition(panel); });

    std::printf("window creation with %d items (scan, skin, layout): %.1f ms\n", kItems, (created - start) * 1000.0);
    const double panelShow = Median(show), bareMedian = Median(bareShow);
    std::printf(
        "activation request to shown, no fade, median of %zu: %.3f ms; bare popup's show and activation %.3f ms: "
        "%.2fx (goal <= 1.3x)\n",
        show.size(), panelShow, bareMedian, bareMedian > 0 ? panelShow / bareMedian : 0.0);
    std::printf(
        "private memory: %.2f MB at start; +%.2f MB common controls and visual style; +%.2f MB COM; +%.2f MB "
        "shell and its system image lists; +%.2f MB the panel window with %d items; %.2f MB after the shows\n",
        atStart, withControls - atStart, withCom - withControls, withShell - withCom, after - before, kItems, peak);
    DestroyWindow(bare);
    DestroyWindow(panel);
    MeasureBlockedLists(folder);
    CoUninitialize();
    return 0;
}
