#pragma once
// The editor of the blocked-applications list, "forbiden.ini".
#include <windows.h>

// Runs the editor modally over owner on the list in folder (the program
// folder). Closing it saves the list; there is no cancel. When the file is
// there but cannot be read, the user is told and the editor does not open, so
// that a save cannot drop the entries that were never shown. Returns 1, or
// -1 when the dialog cannot be created.
INT_PTR RunBlockedAppsDialog(HWND owner, const char* folder);
