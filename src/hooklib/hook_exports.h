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
}
