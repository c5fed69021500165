#pragma once
// Composition of the panel picture: the frame and cursor variants, the rows
// with icon, arrow, text and separator, and the gradient list. Every drawing
// function takes what it draws with as a PanelCanvas; only the panel's own
// redraw fills one from the live records (the design preview fills one from
// its copy of the skin). Nothing here draws to the screen; painting copies
// the back buffer.
#include <windows.h>
#include <commctrl.h>

#include "base/core/settings.h"
#include "base/core/types.h"
#include "items/core/item_list.h"
#include "skin/skin_info.h"

struct Surface;

// What one picture of the panel is drawn with and into.
struct PanelCanvas {
    HDC dc;                    // the surface drawn into
    const SkinInfo& skin;      // geometry, colours, images and fonts
    const Settings& settings;  // the option flags
    bool active;               // the panel's activation state
    HIMAGELIST icons;          // the items' icons at the skin's icon size; may be null
    HIMAGELIST arrows;         // the four folder arrows; may be null
    HWND captionWindow;        // whose caption the classic look draws; may be null
    Surface* iconScratch;      // two each, for the gradient list's fading rows;
    Surface* arrowScratch;     // null (or empty surfaces) draw the rows unfaded
    Surface* rowScratch;
    bool drivesRowTip;  // the selected row switches the row tooltip on and off
};

// The rows one picture shows.
struct RowsToShow {
    const PanelItem* head;  // the item list
    int32_t current;        // index of the item on the cursor row, below the item count
    int32_t cursorRow;
    int32_t displacement;  // pixels every row is moved by a running slide
    bool sliding;          // a slide is under way: the cursor row is not drawn selected
};

// The live panel: its back buffer, the live skin and settings, the activation
// state given, the item model's image lists, the gradient scratch surfaces and
// the row tooltip.
PanelCanvas LivePanelCanvas(bool active);
// The live list as the view state shows it, with the slide's offset at its
// latest tick. A current index past the end of a list that has items is reset
// to 0 first.
RowsToShow LiveRows();

// The frame and the rows from the live records into the back buffer.
void ComposePanel(bool active);
// ComposePanel with the panel's activation state, then repaints the window.
void RedrawPanel(HWND window);

// Fills frame and selection with the transparent colour and pre-draws into
// them both variants of the frame (active at x 0, inactive at x =
// panelWidth) and of the cursor (inactive at x = selectWidth).
void PredrawVariants(const PanelCanvas& canvas, const Surface& frame, const Surface& selection);
// Copies the frame variant (pre-drawn in frame) to the canvas at (x, y) and
// the cursor variant (pre-drawn in selection) onto cursorRow.
void DrawFrame(const PanelCanvas& canvas, HDC frame, HDC selection, int x, int y, int cursorRow);
// Pre-drawing of one variant of the frame and of the cursor.
void DrawPanelFrame(const PanelCanvas& canvas, int x, int y, bool active);
void DrawSelectionFrame(const PanelCanvas& canvas, int x, int y, bool active);
// Every row of the list, clipped to the skin's rows.
void DrawItems(const PanelCanvas& canvas, const RowsToShow& rows);
// One row at (x, y) in the row style bits of row_plan.h; level is its opacity
// in the gradient list.
void DrawItemRow(const PanelCanvas& canvas, const PanelItem& item, int x, int y, int style, int level);
void DrawSeparatorRow(HDC dc, const SkinInfo& skin, int x, int y, int width, int height);

// A frame of nine pieces plus the overlay from set, clipped to the rectangle.
// selector: the bit of the skin's resizeFlags that makes the pieces masked
// with the skin's transparent colour.
void DrawNineGrid(HDC dc, const SkinInfo& skin, int x, int y, int width, int height, const SkinImageSet& set,
                  uint32_t selector, bool active);
void DrawThemedFrame(HDC dc, const SkinInfo& skin, int x, int y, int width, int height, bool active);
void DrawClassicFrame(HDC dc, HWND captionWindow, int x, int y, int width, int height, bool active);
void DrawPlainSelection(HDC dc, const SkinInfo& skin, int x, int y, bool active);

// A copy that leaves the destination where the source has the colour.
void BlitMasked(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, ColorRef color);
// dest at (x, y) = from + (to - from) x level / 256, channel by channel; both
// bitmaps have the same size. False when the pixels cannot be read or the
// buffers cannot be had (then nothing is drawn).
bool BlendInto(HDC dest, int x, int y, HBITMAP from, HBITMAP to, int level, int bits, bool simd);
