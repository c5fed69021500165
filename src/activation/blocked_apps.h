#pragma once
// The applications over which the panel never appears: "forbiden.ini" in the
// program folder, one executable path a line, held whole in memory from one
// rebuild of the panel's items to the next.
#include <windows.h>

struct BlockedList {
    char* text = nullptr;  // the file, zero-terminated; null when it could not be read
};

extern BlockedList gBlocked;

constexpr char kBlockedFileName[] = "forbiden.ini";

// Reads "forbiden.ini" from the program folder, replacing any list held.
void LoadBlockedList();
void FreeBlockedList();

// The window stands for an application listed as blocked, and the feature is
// on (kOptBlockedApps). Null means the foreground window; the value -1 (already
// tested) is never blocked.
bool IsBlockedApplication(HWND window);
