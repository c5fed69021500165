#pragma once
// Ctrl tapped twice calls the panel up or away as the user's hotkey does.
// Watched through low-level keyboard and mouse hooks, which the system calls
// in this program's own thread: nothing is loaded into or sent to other
// programs, and nothing is watched while the option is off.
#include <windows.h>

// Installs the hooks when on (again, with the current double-click time),
// removes them when off. A double tap posts WM_HOTKEY with the user's
// hotkey id to panel.
void WatchCtrlDoubleTap(HWND panel, bool on);
