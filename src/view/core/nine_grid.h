#pragma once
// Placement of the nine frame pieces plus the overlay, of the separator's
// three pieces, and the copy plan that tiles a piece with a bounded number of
// copies whatever the sizes. Pure: no Windows headers.
#include <cstdint>

#include "base/core/types.h"
#include "skin/core/skin_words.h"

// Slots of an image set, in the skin record's order.
enum GridSlot {
    kGridBackground,
    kGridTopLeft,
    kGridTopMiddle,
    kGridTopRight,
    kGridMiddleLeft,
    kGridMiddleRight,
    kGridBottomLeft,
    kGridBottomMiddle,
    kGridBottomRight,
    kGridOverlay,
    kGridSlotCount
};

struct GridImage {
    bool present;   // the slot holds a bitmap
    int32_t width;  // one frame
    int32_t height;
    int32_t offsetLeft, offsetTop;  // overlay only
    uint32_t align;                 // overlay only
};

enum class PieceMode { kSingle, kTile, kStretch };

struct GridPiece {
    int slot;
    KRect dest;
    PieceMode mode;
};

// The pieces to draw for a frame at (x, y) of w x h, in drawing order. Absent
// images and pieces with an empty span are left out. Returns the count (at
// most kGridSlotCount).
int PlanNineGrid(const GridImage (&images)[kGridSlotCount], uint32_t stretch, int32_t x, int32_t y, int32_t w,
                 int32_t h, GridPiece* out);

// The separator row: left, middle and right pieces.
enum SeparatorSlot { kSeparatorLeft, kSeparatorMiddle, kSeparatorRight };
int PlanSeparator(const GridImage (&images)[3], uint32_t separatorFlags, int32_t marginLeft, int32_t marginRight,
                  int32_t x, int32_t y, int32_t w, int32_t h, GridPiece* out);

// Tiling of a tileW x tileH picture over dest, of which only visible matters.
// window: the part of dest to build, starting on a tile boundary, so that it
// covers visible; empty when nothing is visible or the tile is empty.
KRect TileWindow(const KRect& dest, const KRect& visible, int32_t tileW, int32_t tileH);

// Copies that fill a width x height area with the tile from its top-left:
// the first copies the tile (source is the picture), every later one copies an
// already filled part of the area onto the next (source is the area itself).
// At most 2 + 2 x 31 copies.
struct TileCopy {
    bool fromTile;
    int32_t srcX, srcY, dstX, dstY, width, height;
};
int PlanTileCopies(int32_t width, int32_t height, int32_t tileW, int32_t tileH, TileCopy* out, int capacity);

KRect Intersect(const KRect& a, const KRect& b);
inline bool IsEmpty(const KRect& r) { return r.right <= r.left || r.bottom <= r.top; }
