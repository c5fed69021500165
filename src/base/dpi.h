#pragma once
// The display's resolution, which turns point sizes into pixels.
#include <windows.h>

// Vertical pixels per inch of the window's display (the screen's for null);
// 96 when it cannot be read.
int PixelsPerInchY(HWND window);
