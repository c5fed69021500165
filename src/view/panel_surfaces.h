#pragma once
// The off-screen surfaces of the layout, the window's shape and transparency.
#include <windows.h>

#include "base/core/types.h"

// Creates the back buffer, the screen capture, the frame and selection
// surfaces (and the gradient list's scratch surfaces), pre-draws the frame and
// the cursor in both states, then gives the window its shape and
// transparency. A surface that cannot be created is left empty and skipped by
// all drawing.
void CreateSurfaces(HWND window);
// Frees the surfaces and the window shape.
void DestroySurfaces();

// The region of every pixel of bitmap that is not colour; null when no pixel
// had the colour (or the bitmap cannot be read).
HRGN RegionFromBitmap(HBITMAP bitmap, ColorRef color);

// Mean colour of the n x n pixels of dc from (x, y); negative x or y count
// from 0.
ColorRef AverageColor(HDC dc, int x, int y, int n);
