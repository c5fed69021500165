// Start-up of the real Korvane.exe as whole processes, against bare programs
// started the same way in the same run:
//   - the second start, plain (option flag 13 clear, so it ends at once) and
//     with "/h" (the running panel is shown or hidden before it ends), against
//     a bare GUI program that imports only kernel32, user32 and gdi32;
//   - the cold start with the demo folder and skins until the program is ready
//     (window and tray icon made, message loop idle), against a bare program
//     with a hidden window and a tray icon;
//   - the private memory of the ready program, with the demo folder and with
//     1,000 shortcuts, against that bare program.
// Runs are interleaved and each figure is the median of its runs, so a busy
// machine slows both sides alike; the ratios are the result. Needs
// KORVANE_ROOT (the source tree, for the demo folder). Prints; asserts nothing.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "driver.h"
#include "base/core/option_flags.h"

namespace {

constexpr int kSecondStartRounds = 15;
constexpr int kColdStartRounds = 10;
constexpr int kManyShortcuts = 1000;
constexpr DWORD kTimeoutMs = 30000;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

std::string OwnFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s = path;
    return s.substr(0, s.find_last_of('\\'));
}

bool Launch(const std::string& exe, const std::string& args, PROCESS_INFORMATION& pi) {
    std::string cmd = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    const std::string dir = exe.substr(0, exe.find_last_of('\\'));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi) != 0;
}

void Release(PROCESS_INFORMATION& pi) {
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 99);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    pi = PROCESS_INFORMATION{};
}

// Milliseconds from the start of the process to its end; -1 when it fails.
double TimeToExit(const std::string& exe, const std::string& args, DWORD* exitCode) {
    PROCESS_INFORMATION pi{};
    const double t0 = Now();
    if (!Launch(exe, args, pi)) return -1;
    const bool ended = WaitForSingleObject(pi.hProcess, kTimeoutMs) == WAIT_OBJECT_0;
    const double t1 = Now();
    GetExitCodeProcess(pi.hProcess, exitCode);
    Release(pi);
    return ended ? (t1 - t0) * 1000.0 : -1;
}

double PrivateMegabytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return 0;
    // Some systems leave PrivateUsage empty; the commit charge is the same figure.
    const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

struct ReadyRun {
    double ms = -1;        // start to ready
    double megabytes = 0;  // private memory when ready
    bool closedCleanly = false;
};

// Starts a program that stays, waits until its message loop is idle, reads its
// memory, then closes the window findWindow() names and waits for the end.
ReadyRun RunUntilReady(const std::string& exe, const std::function<HWND()>& findWindow) {
    ReadyRun run;
    PROCESS_INFORMATION pi{};
    const double t0 = Now();
    if (!Launch(exe, "", pi)) return run;
    const bool idle = WaitForInputIdle(pi.hProcess, kTimeoutMs) == 0;
    const double t1 = Now();
    if (idle && findWindow()) {
        run.ms = (t1 - t0) * 1000.0;
        run.megabytes = PrivateMegabytes(pi.hProcess);
    }
    if (HWND w = findWindow()) PostMessageA(w, WM_CLOSE, 0, 0);
    DWORD code = 99;
    if (WaitForSingleObject(pi.hProcess, kTimeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    run.closedCleanly = code == 0;
    Release(pi);
    return run;
}

bool CopyTree(const std::string& from, const std::string& to) {
    std::string source = from + '\0', target = to + '\0';
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_COPY;
    op.pFrom = source.c_str();
    op.pTo = target.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_SILENT | FOF_NOERRORUI;
    return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

void PutFlag(const std::string& ini, OptionFlag flag, bool on) {
    char text[256] = "";
    GetPrivateProfileStringA("General", "NFlags", "", text, sizeof text, ini.c_str());
    OptionFlags flags{};
    ParseOptionText(text, flags);
    PutOption(flags, flag, on);
    FormatOptionText(flags, text, sizeof text);
    WritePrivateProfileStringA("General", "NFlags", text, ini.c_str());
}

// A folder with the program, its hook libraries and the demo settings, with
// the shortcut folder given and the demo skins.
std::string Install(const TempFolder& work, const std::string& name, const std::string& root,
                    const std::string& shortcuts) {
    const std::string dir = work.MakeFolder(name), build = OwnFolder();
    for (const char* file : {"Korvane.exe", "Korvane.dll", "Korvane1x.dll"})
        CopyFileA((build + "\\" + file).c_str(), (dir + "\\" + file).c_str(), FALSE);
    const std::string ini = dir + "\\korvane.ini";
    CopyFileA((root + "\\demo\\korvane.ini").c_str(), ini.c_str(), FALSE);
    CopyTree(root + "\\skins", dir + "\\skins");
    WritePrivateProfileStringA("General", "Shortcut", shortcuts.c_str(), ini.c_str());
    WritePrivateProfileStringA("General", "SkinFolder", (dir + "\\skins").c_str(), ini.c_str());
    return dir;
}

void Line(const char* what, double ms, double bare, const char* goal) {
    std::printf("  %-40s %8.1f ms  %5.2fx  (goal <= %s)\n", what, ms, bare > 0 ? ms / bare : 0.0, goal);
}

}  // namespace

int main() {
    const char* rootVariable = std::getenv("KORVANE_ROOT");
    if (!rootVariable) {
        std::printf("set KORVANE_ROOT to the source tree (scripts/bench does)\n");
        return 1;
    }
    const std::string root = WindowsPath(rootVariable), build = OwnFolder();
    const std::string bareExit = build + "\\bare_exit.exe", bareTray = build + "\\bare_tray.exe";
    if (FindPanel()) {
        std::printf("close the running Korvane first\n");
        return 1;
    }

    TempFolder work;
    const std::string demoShortcuts = work.Path() + "\\shortcuts";
    CopyTree(root + "\\demo\\shortcuts", demoShortcuts);
    const std::string demo = Install(work, "demo", root, demoShortcuts);
    // Without the fade every "/h" really shows or hides the panel (a request
    // made during a fade-in is ignored).
    PutFlag(demo + "\\korvane.ini", kOptFadeIn, false);
    const std::string quiet = Install(work, "quiet", root, demoShortcuts);
    PutFlag(quiet + "\\korvane.ini", kOptSecondStartActivates, false);

    const std::string many = work.MakeFolder("many");
    std::printf("writing %d shortcuts...\n", kManyShortcuts);
    for (int i = 0; i < kManyShortcuts; ++i)
        MakeShortcut(many + "\\item" + std::to_string(i) + ".lnk", "C:\\windows\\system32\\notepad.exe");
    const std::string big = Install(work, "big", root, many);

    const auto bareWindow = [] { return FindWindowA("Korvane bare tray", nullptr); };

    // Cold start and memory.
    std::vector<double> bareReady, korvaneReady, bareMemory, korvaneMemory, bigMemory, bigReady;
    int unclean = 0;
    for (int round = 0; round < kColdStartRounds; ++round) {
        auto bare = [&] {
            const ReadyRun r = RunUntilReady(bareTray, bareWindow);
            if (r.ms >= 0) bareReady.push_back(r.ms), bareMemory.push_back(r.megabytes);
        };
        auto korvane = [&] {
            const ReadyRun r = RunUntilReady(demo + "\\Korvane.exe", FindPanel);
            if (r.ms >= 0) korvaneReady.push_back(r.ms), korvaneMemory.push_back(r.megabytes);
            unclean += r.closedCleanly ? 0 : 1;
        };
        if (round % 2) {
            bare();
            korvane();
        } else {
            korvane();
            bare();
        }
        if (round % 3 == 0) {
            const ReadyRun r = RunUntilReady(big + "\\Korvane.exe", FindPanel);
            if (r.ms >= 0) bigReady.push_back(r.ms), bigMemory.push_back(r.megabytes);
            unclean += r.closedCleanly ? 0 : 1;
        }
    }

    // Second start, against a running first instance.
    PROCESS_INFORMATION first{};
    if (!Launch(demo + "\\Korvane.exe", "", first) || WaitForInputIdle(first.hProcess, kTimeoutMs) != 0 ||
        !WaitFor([] { return FindPanel() != nullptr; })) {
        std::printf("the first instance did not start\n");
        return 1;
    }
    std::vector<double> bareSecond, plainSecond, mouseSecond;
    int wrongCodes = 0;
    for (int round = 0; round < kSecondStartRounds + 2; ++round) {
        const bool counted = round >= 2;  // the first rounds warm the file cache
        std::function<void()> runs[] = {
            [&] {
                DWORD code = 0;
                const double ms = TimeToExit(bareExit, "", &code);
                if (counted && ms >= 0) bareSecond.push_back(ms);
            },
            [&] {
                DWORD code = 99;
                const double ms = TimeToExit(quiet + "\\Korvane.exe", "", &code);
                if (counted && ms >= 0) plainSecond.push_back(ms);
                wrongCodes += code == 0 ? 0 : 1;
            },
            [&] {
                DWORD code = 99;
                const double ms = TimeToExit(quiet + "\\Korvane.exe", "/h", &code);
                if (counted && ms >= 0) mouseSecond.push_back(ms);
                wrongCodes += code == 1 ? 0 : 1;
            },
        };
        for (int i = 0; i < 3; ++i) runs[(round + i) % 3]();
    }
    if (HWND panel = FindPanel()) PostMessageA(panel, WM_CLOSE, 0, 0);
    WaitForSingleObject(first.hProcess, kTimeoutMs);
    Release(first);

    const double bare2 = Median(bareSecond), bareCold = Median(bareReady), bareMb = Median(bareMemory);
    std::printf("second start, whole processes, median of %zu interleaved runs:\n", bareSecond.size());
    std::printf("  %-40s %8.1f ms\n", "bare program (kernel32, user32, gdi32)", bare2);
    Line("Korvane.exe, option flag 13 clear", Median(plainSecond), bare2, "1.15x");
    Line("Korvane.exe /h (shows or hides the panel)", Median(mouseSecond), bare2, "1.15x");
    std::printf("cold start to ready (window, tray icon, idle loop), median of %zu runs:\n", bareReady.size());
    std::printf("  %-40s %8.1f ms\n", "bare program (hidden window, tray icon)", bareCold);
    Line("Korvane.exe with the demo folder", Median(korvaneReady), bareCold, "1.5x");
    Line("Korvane.exe with 1,000 shortcuts", Median(bigReady), bareCold, "-");
    std::printf("private memory when ready, median:\n");
    std::printf("  %-40s %8.2f MB\n", "bare program (hidden window, tray icon)", bareMb);
    std::printf("  %-40s %8.2f MB  %+5.2f MB  (goal <= +2 MB)\n", "Korvane.exe with the demo folder",
                Median(korvaneMemory), Median(korvaneMemory) - bareMb);
    std::printf("  %-40s %8.2f MB  %+5.2f MB  (goal <= +3 MB)\n", "Korvane.exe with 1,000 shortcuts", Median(bigMemory),
                Median(bigMemory) - bareMb);
    if (unclean || wrongCodes)
        std::printf("note: %d runs did not close cleanly, %d second starts gave an unexpected exit code\n", unclean,
                    wrongCodes);
    return 0;
}
