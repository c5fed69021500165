#include "base/program_windows.h"

ProgramWindows gWindows;
PanelMarkers gMarkers;

HINSTANCE ResourceModule() { return gWindows.instance ? gWindows.instance : GetModuleHandleA(nullptr); }
