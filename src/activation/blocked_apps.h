#pragma once
// The applications over which the panel never appears: "forbiden.ini" in the
// program folder, one executable path a line, read into lines once per
// rebuild of the panel's items and tested against on every show.
#include <windows.h>

#include <string>
#include <vector>

struct BlockedList {
    char* text = nullptr;              // the file's lines, split in place; null when it could not be read
    std::vector<const char*> entries;  // its non-empty lines, lower-cased, in file order
    // The long form of each entry written with short (8.3) parts, lower-cased.
    std::vector<std::string> longForms;
};

extern BlockedList gBlocked;

constexpr char kBlockedFileName[] = "forbiden.ini";

// Reads "forbiden.ini" from the program folder, replacing any list held.
void LoadBlockedList();
// The same from folder (the options' working copy names the program folder too).
void LoadBlockedListFrom(const char* folder);
void FreeBlockedList();

// The window stands for an application listed as blocked, and the feature is
// on (kOptBlockedApps). Null means the foreground window; the value -1 (already
// tested) is never blocked.
bool IsBlockedApplication(HWND window);
