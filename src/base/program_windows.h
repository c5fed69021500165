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
    int closePending = 0;        // WM_CLOSE came while a modal dialog was open
    int panelBusy = 0;           // menu loop or sizing drag in progress
    // The options sheet is open, and its design preview draws with the
    // pictures of the applied skin: the skin is not applied again meanwhile.
    int skinLent = 0;
    int relayoutPending = 0;  // the system's metrics changed while it was lent
    // The window is being created or its content rebuilt (nested builds
    // count). A message box shown meanwhile runs a message loop of its own,
    // and waiting for another program lets sent messages in: the last request
    // to show or hide the panel that arrives then waits in heldRequest until
    // the build ends; input meanwhile is dropped.
    int building = 0;
    MSG heldRequest{};  // message 0: none
};

extern ProgramWindows gWindows;
extern PanelMarkers gMarkers;

// Around window creation and every rebuild: the outermost end hands a held
// request back to the window's queue, to be handled with the panel complete.
void BeginBuilding();
void EndBuilding(HWND window);

// The instance, or the process's own module before it is set.
HINSTANCE ResourceModule();
