#pragma once
// Window helpers every part of the program shares.
#include <windows.h>

// Centres window over the window rectangle of over, or over the work area
// when over is null, keeping it on the work area.
void CenterWindow(HWND over, HWND window);

// Brings window to the foreground even when another process has it, by
// lifting the foreground lock time-out for the call.
void ForceForeground(HWND window);

// Message box with the caption "Tovel panel" and the error icon, with string
// table text id (up to 255 characters) or a given text.
void ShowErrorString(HWND owner, UINT id);
void ShowErrorText(HWND owner, const char* text);

// The hand cursor shown over clickable places: the system's, or on systems
// without one the help viewer's, copied. Shared for the program's lifetime.
HCURSOR HandCursor();
