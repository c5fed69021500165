#pragma once
// Composition of the panel picture in the back buffer: the frame and cursor
// variants, the rows with icon, arrow, text and separator, and the gradient
// list. Nothing here draws to the screen; painting copies the back buffer.
#include <windows.h>

#include "items/core/item_list.h"
#include "base/core/types.h"
#include "skin/skin_info.h"

// DrawFrame and DrawItems into the back buffer, then repaints the window.
void RedrawPanel(HWND window);
// Copies the frame variant to the back buffer and the cursor onto the cursor row.
void DrawFrame(int x, int y, bool active);
// Pre-drawing of the two variants of the frame and of the cursor.
void DrawPanelFrame(HDC dc, int x, int y, bool active);
void DrawSelectionFrame(HDC dc, int x, int y, bool active);
// All rows of the list into the back buffer.
void DrawItems();
void DrawItemRow(const PanelItem* item, int x, int y, int style, int level);
void DrawSeparatorRow(HDC dc, int x, int y, int width, int height);

// A frame of nine pieces plus the overlay from set, clipped to the rectangle.
// selector: the resizeFlags bit that makes the pieces masked.
void DrawNineGrid(HDC dc, int x, int y, int width, int height, const SkinImageSet& set, uint32_t selector, bool active);
void DrawThemedFrame(HDC dc, int x, int y, int width, int height, bool active);
void DrawClassicFrame(HDC dc, int x, int y, int width, int height, bool active);
void DrawPlainSelection(HDC dc, int x, int y, bool active);

// A plain copy, or a copy that leaves the destination where the source has
// the skin's transparent colour.
void BlitImage(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, bool masked);
void BlitMasked(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, ColorRef color);
// dest at (x, y) = from + (to - from) x level / 256, channel by channel; both
// bitmaps have the same size. False when the pixels cannot be read or the
// buffers cannot be had (then nothing is drawn).
bool BlendInto(HDC dest, int x, int y, HBITMAP from, HBITMAP to, int level, int bits, bool simd);
