#include "activation/blocked_apps.h"

#include <cstdio>

#include "activation/desktop_windows.h"
#include "base/core/text.h"
#include "base/files.h"
#include "base/settings_store.h"

BlockedList gBlocked;

void LoadBlockedList() {
    FreeBlockedList();
    char path[MAX_PATH];
    if (std::snprintf(path, sizeof path, "%s\\%s", gSettings.programFolder, kBlockedFileName) >=
        static_cast<int>(sizeof path))
        return;
    gBlocked.text = ReadWholeFile(path, nullptr);
}

void FreeBlockedList() {
    delete[] gBlocked.text;
    gBlocked.text = nullptr;
}

bool IsBlockedApplication(HWND window) {
    if (!Option(gSettings, kOptBlockedApps) || !gBlocked.text || window == reinterpret_cast<HWND>(-1)) return false;
    if (!window) window = GetForegroundWindow();
    char exe[MAX_PATH];
    GetWindowProcessPath(window, exe, sizeof exe);
    CharLowerA(exe);
    char entry[MAX_PATH];
    for (int i = 0; GetLine(gBlocked.text, i, entry, sizeof entry); ++i) {
        // An empty line names no program; it must not match a process whose
        // path could not be read.
        if (!entry[0]) continue;
        CharLowerA(entry);
        if (lstrcmpA(entry, exe) == 0) return true;
        // The system may report the program by its short (8.3) path.
        char shortPath[MAX_PATH];
        const DWORD n = GetShortPathNameA(entry, shortPath, sizeof shortPath);
        if (n == 0 || n >= sizeof shortPath) continue;
        CharLowerA(shortPath);
        if (lstrcmpA(shortPath, exe) == 0) return true;
    }
    return false;
}
