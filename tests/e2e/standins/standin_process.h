#pragma once
// Runs a stand-in program (standin_app) for one test and ends it afterwards;
// and drives the X pointer with xdotool, as a user's mouse would.
#include <windows.h>

#include <string>

#include "driver.h"

class StandinProcess {
public:
    // kind "window" or "desktop", with the screen rectangle of its window;
    // exe names another copy of the program.
    StandinProcess(const char* kind, int x, int y, int w, int h, const std::string& exe = StandinPath("standin_app")) {
        std::string cmd = "\"" + exe + "\" " + kind + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                          std::to_string(w) + " " + std::to_string(h);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
        AwaitWindow();
    }
    // The same from a copy whose name the code page may not hold.
    StandinProcess(const char* kind, int x, int y, int w, int h, const std::wstring& exe) {
        const std::string args = std::string(kind) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                                 std::to_string(w) + " " + std::to_string(h);
        std::wstring cmd = L"\"" + exe + L"\" " + std::wstring(args.begin(), args.end());
        STARTUPINFOW si{};
        si.cb = sizeof si;
        if (!CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
        AwaitWindow();
    }
    ~StandinProcess() {
        if (!pi_.hProcess) return;
        if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi_.hProcess, 3000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    StandinProcess(const StandinProcess&) = delete;
    StandinProcess& operator=(const StandinProcess&) = delete;

    HWND Window() const { return window_; }
    DWORD ProcessId() const { return pi_.dwProcessId; }
    HANDLE Process() const { return pi_.hProcess; }
    // Mouse messages its window has received so far; -1 when it does not answer.
    long MouseMessages() const {
        DWORD_PTR count = 0;
        if (!SendMessageTimeoutA(window_, WM_APP + 1, 0, 0, SMTO_ABORTIFHUNG, 5000, &count)) return -1;
        return static_cast<long>(count);
    }
    // Side-button messages and Back/Forward commands it has received.
    long SideButtonMessages() const {
        DWORD_PTR count = 0;
        if (!SendMessageTimeoutA(window_, WM_APP + 2, 0, 0, SMTO_ABORTIFHUNG, 5000, &count)) return -1;
        return static_cast<long>(count);
    }

private:
    struct Search {
        DWORD pid;
        HWND found;
    };
    static BOOL CALLBACK Match(HWND w, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid != s->pid || !IsWindowVisible(w)) return TRUE;
        s->found = w;
        return FALSE;
    }
    void AwaitWindow() {
        WaitForInputIdle(pi_.hProcess, 5000);
        WaitFor([&] { return (window_ = FindTopWindow()) != nullptr; });
    }
    HWND FindTopWindow() const {
        Search s{pi_.dwProcessId, nullptr};
        EnumWindows(Match, reinterpret_cast<LPARAM>(&s));
        return s.found;
    }

    PROCESS_INFORMATION pi_{};
    HWND window_ = nullptr;
};

// Runs xdotool with args on the X display Wine draws on and waits until it
// has finished; true when it succeeded. Wine does not wait for Unix
// programs, so a shell reports the end through a marker file.
inline bool Xdotool(const std::string& args) {
    static int serial = 0;
    const std::string marker =
        "/tmp/korvane-xdo-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    const std::string markerPath = WindowsPath(marker);
    DeleteFileA(markerPath.c_str());
    std::string cmd = "Z:\\bin\\sh -c \"xdotool " + args + " >/dev/null; echo $? > " + marker + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::string status;
    WaitFor(
        [&] {
            HANDLE f =
                CreateFileA(markerPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
            if (f == INVALID_HANDLE_VALUE) return false;
            char buf[8] = "";
            DWORD n = 0;
            ReadFile(f, buf, sizeof buf - 1, &n, nullptr);
            CloseHandle(f);
            status.assign(buf, n);
            return n > 0;
        },
        10000);
    DeleteFileA(markerPath.c_str());
    return status.rfind("0", 0) == 0;
}

// Moves the X pointer so that Wine's pointer lands on the screen point (x, y).
inline bool MovePointer(int x, int y) {
    if (!Xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y))) return false;
    return WaitFor(
        [&] {
            POINT pt;
            return GetCursorPos(&pt) && pt.x == x && pt.y == y;
        },
        2000);
}
