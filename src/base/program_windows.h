#pragma once
// The program's module and panel window, and what the panel window is doing:
// the parts that load resources, create windows or react to input read them;
// the shell sets them up, the view keeps the active state.
#include <windows.h>

struct ProgramWindows {
    HINSTANCE instance = nullptr;  // the module resources load from
    HWND panel = nullptr;
};

struct PanelMarkers {
    int active = 0;              // last WM_ACTIVATE state
    int modalOpen = 0;           // a modal dialog owns activation requests
    HWND modalDialog = nullptr;  // which, brought forward instead of the panel
    int panelBusy = 0;           // menu loop or sizing drag in progress
};

extern ProgramWindows gWindows;
extern PanelMarkers gMarkers;

// The instance, or the process's own module before it is set.
HINSTANCE ResourceModule();
