#pragma once
// The panel's icon in the notification area. Its mouse messages come back to
// the panel window as WM_PANEL_NOTIFYICON.
#include <windows.h>

#include "base/handles.h"

constexpr UINT kTrayIconId = 501;

struct TrayIconState {
    OwnedIcon icon;  // kept while the shell shows it
};

extern TrayIconState gTrayIcon;

// Adds the icon (also after the taskbar was re-created); the shell's result.
// A failure is left alone: the next "TaskbarCreated" tries again.
BOOL AddTrayIcon(HWND panel);
void RemoveTrayIcon(HWND panel);
