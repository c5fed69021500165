#pragma once
// The user32 functions that older systems lack, bound by name at start-up so
// that the program runs without them: layered windows switch transparency
// and the layered fade off, SendInput falls back to keybd_event.
#include <windows.h>

#include "base/handles.h"

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using SendInputFn = UINT(WINAPI*)(UINT, LPINPUT, int);

struct SystemFunctions {
    SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;
    SendInputFn sendInput = nullptr;
    OwnedLibrary user32;  // held while either function is bound; released last
};

extern SystemFunctions gSystem;

void BindSystemFunctions();
void UnbindSystemFunctions();

inline bool LayeredAvailable() { return gSystem.setLayeredWindowAttributes != nullptr; }
