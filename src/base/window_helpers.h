#pragma once
// Window helpers every part of the program shares.
#include <windows.h>

// Centres window over the window rectangle of over, or over the work area
// when over is null, keeping it on the work area.
void CenterWindow(HWND over, HWND window);
