#pragma once
// The three functions both hook libraries export, by these undecorated names
// (the 32-bit build links with --kill-at).
#include <windows.h>

extern "C" {
// Installs the system-wide mouse hook for panel. 1 on success, 0 for a null
// window or when the hook can't be installed.
__declspec(dllexport) UINT WINAPI Hook_Initialize(HWND panel);
// Removes the hook; the result of UnhookWindowsHookEx.
__declspec(dllexport) BOOL WINAPI Hook_Destroy();
// Selects the mouse mode; returns the previous one.
__declspec(dllexport) int WINAPI Hook_SetState(int mode);
// The side-button gestures: the mouse mode, the modifier keys that must be
// held (kModifierShift, kModifierCtrl, kModifierAlt) and the blocked
// applications' lower-cased paths packed one after another, each ended by a
// zero byte (null when they were too many to hand over). The hook keeps a
// side button's click that calls the panel from the program under the
// pointer. Looked up by name; a library without it just lets the button act.
__declspec(dllexport) UINT WINAPI Hook_SetSideButtons(int mode, UINT modifiers, const char* blockedPaths, UINT size);
}
