#include "base/program_windows.h"

ProgramWindows gWindows;
PanelMarkers gMarkers;

HINSTANCE ResourceModule() { return gWindows.instance ? gWindows.instance : GetModuleHandleA(nullptr); }

void BeginBuilding() { ++gMarkers.building; }

void EndBuilding(HWND window) {
    if (gMarkers.building > 0 && --gMarkers.building > 0) return;
    const MSG held = gMarkers.heldRequest;
    gMarkers.heldRequest = MSG{};
    if (held.message && window) PostMessageA(window, held.message, held.wParam, held.lParam);
}
