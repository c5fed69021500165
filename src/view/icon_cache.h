#pragma once
// Item icons rendered once per layout into a strip of premultiplied 32-bit
// pixels, then composited with the system's alpha blend: drawing an image
// list entry again for every row and every frame of a slide costs far more on
// some systems than one blend. Where the blend function is missing, or the
// strip is full, the icon is drawn straight from the image list.
#include <windows.h>
#include <commctrl.h>

// Draws image index of list at (x, y), size x size, transparently; with
// blend25 the image list's 25 % blend.
void DrawCachedIcon(HIMAGELIST list, int index, HDC dc, int x, int y, int size, bool blend25);
// Forgets every rendered icon (the image list or its size changes).
void ClearIconCache();
