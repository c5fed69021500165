#pragma once
// Drives the real Korvane.exe from outside, as a user would: starts it in a
// folder of its own, finds its window, sends messages and synthetic input, and
// takes screenshots.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "base/core/option_flags.h"
#include "temp_folder.h"

struct WindowState {
    HWND window = nullptr;
    bool visible = false;
    RECT rect{};
};

// The panel window of any running instance (class and title "Tovel panel").
HWND FindPanel();
WindowState ReadWindow(HWND window);
// Polls until pred() holds or the time runs out; returns the last pred().
// The default wait is long because a loaded machine can be slow to answer;
// a check that holds returns at once.
template <typename Pred>
bool WaitFor(Pred pred, DWORD timeoutMs = 15000) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (pred()) return true;
        if (GetTickCount() - start > timeoutMs) return pred();
        Sleep(20);
    }
}

// The stored "NFlags" text of a set holding exactly the given option flags.
std::string FlagText(std::initializer_list<OptionFlag> flags);

// A Unix path turned into the drive Z: path Wine maps it to.
std::string WindowsPath(const std::string& path);

void PressKey(WORD vk, bool withAlt = false);
// Writes a shell link (.lnk) to target with optional arguments, working folder
// and icon (the first icon of that file).
bool MakeShortcut(const std::string& lnkPath, const std::string& target, const std::string& args = "",
                  const std::string& workingFolder = "", const std::string& iconFile = "");
bool SaveScreenshot(const std::string& bmpPath);

// A demo skin folder of the repository, through the drive Wine maps the root to.
std::string RepositorySkin(const char* name);
// Copies the files of folder from (not its sub-folders) into to, made first.
void CopyFolder(const std::string& from, const std::string& to);

// The folder the hook libraries and stand-in programs are taken from:
// KORVANE_DLL_DIR, else the folder of KORVANE_EXE (Windows path, no trailing
// backslash).
std::string BuildFolder();
// A stand-in program built beside Korvane.exe, by its base name.
std::string StandinPath(const std::string& name);

class KorvaneRun {
public:
    // Copies the program named by KORVANE_EXE, and the hook libraries beside
    // it, into a fresh folder.
    KorvaneRun();
    ~KorvaneRun();
    KorvaneRun(const KorvaneRun&) = delete;
    KorvaneRun& operator=(const KorvaneRun&) = delete;

    const TempFolder& Folder() const { return folder_; }
    std::string IniPath() const { return folder_.File("korvane.ini"); }
    void WriteIni(const std::string& text) const { folder_.Write("korvane.ini", text); }
    std::string ReadIni() const { return folder_.Read("korvane.ini"); }
    // The blocked-applications list, "forbiden.ini", as given.
    void WriteBlockedList(const std::string& text) const { folder_.Write("forbiden.ini", text); }
    std::string ExePath() const { return exe_; }

    // Starts the first instance and waits for its window; false when none appears.
    bool Start(const std::string& args = "");
    HWND Panel() const { return panel_; }
    DWORD ProcessId() const { return pi_.dwProcessId; }
    HANDLE Process() const { return pi_.hProcess; }
    bool Running() const;

    // Starts another instance with args and waits for it to end; its exit
    // code, or -1 when it does not end in time.
    int RunAgain(const std::string& args, DWORD timeoutMs = 10000) const;

    // Asks the running instance to close (WM_CLOSE) and waits for its exit code.
    int Close(DWORD timeoutMs = 10000);
    void Kill();

private:
    bool Launch(const std::string& args, PROCESS_INFORMATION& pi) const;

    TempFolder folder_;
    std::string exe_;
    PROCESS_INFORMATION pi_{};
    HWND panel_ = nullptr;
};
