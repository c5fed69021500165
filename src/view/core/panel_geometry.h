#pragma once
// The arithmetic of the panel's size and position: the remembered row count
// and width, the resize snapshot and its two-row steps, the border hit test
// and the placement on the screen. Pure: no Windows headers.
#include <cstdint>

#include "base/core/limits.h"
#include "base/core/types.h"
#include "skin/core/skin_words.h"

// Non-client hit codes the border test answers with (0: none of them).
constexpr int kHitRight = 11;
constexpr int kHitBottom = 15;
constexpr int kHitBottomRight = 17;

// Sizing edges as the system numbers them.
constexpr int kEdgeRight = 2;
constexpr int kEdgeBottom = 6;
constexpr int kEdgeBottomRight = 8;

// The part of the layout that resizing changes: a copy of the skin record's
// geometry, edited during a drag and written back at its end.
struct PanelGeometry {
    int32_t cursorRow;
    int32_t panelWidth, panelHeight, baseHeight;
    int32_t selectLeft, selectTop, selectWidth, selectHeight;
    int32_t clickLeft, clickTop, clickWidth, clickHeight;
    int32_t closeLeft, closeTop;
    uint32_t closeAlign;
    int32_t itemWidth, itemHeight, itemCount;
    int32_t overlayLeft, overlayTop;  // the panel overlay's offsets
    uint32_t overlayAlign;
    uint32_t resizeFlags;
};

// The remembered row count and width applied on top of a freshly applied skin
// (only for the directions the skin lets the user resize). A count or width
// of 0 or below, or one that would make the panel larger than the program's
// limits, leaves the skin's value.
void ApplySavedSize(PanelGeometry& g, int32_t savedItemCount, int32_t savedPanelWidth);

// Moves everything that follows the right border by d pixels of width.
void WidenBy(PanelGeometry& g, int32_t d);

// One sizing step of a drag on edge (2, 6 or 8) with the proposed window
// rectangle. Narrower than minWidth is widened to it, wider than the panel
// limit narrowed to it; the height moves only in whole steps of two rows, up
// to the row and height limits, and the rectangle is snapped to the result.
// Returns true when the snapshot changed.
bool SizingStep(PanelGeometry& snapshot, int edge, KRect& rect, int32_t minWidth);

// Which border the screen point lies on: kHitBottomRight, kHitBottom,
// kHitRight or 0. frameX and frameY are the sizing-frame thickness; the bottom
// band is measured against panelHeight from the window's top.
int BorderAt(uint32_t resizeFlags, const KRect& window, int32_t panelHeight, int32_t frameX, int32_t frameY,
             KPoint point);

// The cursor row after a resize: the middle row, or with the cursor following
// the mouse the old row while it still fits.
int32_t CursorRowAfterResize(int32_t oldRow, int32_t itemCount, bool cursorFollowsMouse);

// The selection cursor's top for the cursor row (selectTop is its top on the
// middle row).
int32_t CursorTop(int32_t selectTop, int32_t cursorRow, int32_t itemCount, int32_t itemHeight);

// Where the panel goes when it is shown.
enum class Placement { kKeep, kMove, kCenter };
struct PlacementInput {
    bool previous;  // flag R clear: the remembered position
    bool center;    // flag D
    bool atCursor;  // flag M
    bool noEdgeCorrection;
    KPoint saved;  // remembered position of the group
    KPoint cursor;
    int32_t width, height;
    int32_t itemTop, itemHeight, itemCount;
    KRect desktop;   // virtual screen, or the primary screen from (0, 0)
    KPoint current;  // where the window is now (a rule that leaves it there)
    // Kept on the work area of the monitor under the cursor instead of the
    // desktop: the centre is that work area's, and every rule ends inside it.
    bool onCursorMonitor;
    KRect cursorWork;
    // Every monitor's work area; none leaves the result as the rule gives it.
    const KRect* workAreas;
    int32_t workAreaCount;
};
struct PlacementResult {
    Placement kind;
    KPoint position;
};
// The rule of the group, then the panel brought back onto a monitor when it
// would lie mostly off all of them (see KeepOnMonitors). kCenter is left to
// the caller only when the centre is the primary work area's.
PlacementResult PlacePanelAt(const PlacementInput& in);

// The top-left that keeps a w x h panel at p inside area: moved left or up
// when it would end past the right or bottom edge, then right or down to the
// left or top edge (those win for a panel larger than the area).
KPoint KeepInside(KPoint p, int32_t w, int32_t h, const KRect& area);

// A saved position from a monitor since unplugged, or from a larger screen,
// would show the panel where nobody sees it. When less than half of the w x h
// panel at p lies on the work areas, it goes inside the work area it overlaps
// most, or else the nearest one; otherwise, and with no work areas, p stays.
KPoint KeepOnMonitors(KPoint p, int32_t w, int32_t h, const KRect* workAreas, int32_t count);
