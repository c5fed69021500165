#include "view/core/nine_grid.h"

#include <algorithm>

namespace {

// Sums of a skin's sizes are taken in 64 bits and clamped, so that no size
// from a file can wrap a coordinate.
int32_t C32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN / 2, INT32_MAX / 2)); }

KRect Box(int64_t left, int64_t top, int64_t width, int64_t height) {
    return KRect{C32(left), C32(top), C32(left + width), C32(top + height)};
}

}  // namespace

KRect Intersect(const KRect& a, const KRect& b) {
    KRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (IsEmpty(r)) r = KRect{0, 0, 0, 0};
    return r;
}

int PlanNineGrid(const GridImage (&im)[kGridSlotCount], uint32_t stretch, int32_t x, int32_t y, int32_t w, int32_t h,
                 GridPiece* out) {
    int n = 0;
    auto add = [&](int slot, const KRect& dest, PieceMode mode) {
        if (!im[slot].present) return;
        if (mode != PieceMode::kSingle && IsEmpty(dest)) return;
        out[n++] = GridPiece{slot, dest, mode};
    };
    auto mode = [&](uint32_t bit) { return (stretch & bit) ? PieceMode::kStretch : PieceMode::kTile; };
    const GridImage& tl = im[kGridTopLeft];
    const GridImage& tm = im[kGridTopMiddle];
    const GridImage& tr = im[kGridTopRight];
    const GridImage& ml = im[kGridMiddleLeft];
    const GridImage& mr = im[kGridMiddleRight];
    const GridImage& bl = im[kGridBottomLeft];
    const GridImage& bm = im[kGridBottomMiddle];
    const GridImage& br = im[kGridBottomRight];
    const int64_t X = x, Y = y, W = w, H = h;

    add(kGridBackground, Box(X + ml.width, Y + tm.height, W - mr.width - ml.width, H - bm.height - tm.height),
        mode(kStretchBackground));
    add(kGridTopLeft, Box(X, Y, tl.width, tl.height), PieceMode::kSingle);
    add(kGridTopMiddle, Box(X + tl.width, Y, W - tr.width - tl.width, tm.height), mode(kStretchTop));
    add(kGridTopRight, Box(X + W - tr.width, Y, tr.width, tr.height), PieceMode::kSingle);
    add(kGridMiddleLeft, Box(X, Y + tl.height, ml.width, H - bl.height - tl.height), mode(kStretchLeft));
    add(kGridMiddleRight, Box(X + W - mr.width, Y + tr.height, mr.width, H - br.height - tr.height),
        mode(kStretchRight));
    add(kGridBottomLeft, Box(X, Y + H - bl.height, bl.width, bl.height), PieceMode::kSingle);
    add(kGridBottomMiddle, Box(X + bl.width, Y + H - bm.height, W - br.width - bl.width, bm.height),
        mode(kStretchBottom));
    add(kGridBottomRight, Box(X + W - br.width, Y + H - br.height, br.width, br.height), PieceMode::kSingle);

    const GridImage& ov = im[kGridOverlay];
    const int64_t ox = X + ((ov.align & kAlignHCenter) ? (W - ov.width) / 2 : ov.offsetLeft);
    const int64_t oy = Y + ((ov.align & kAlignVCenter) ? (H - ov.height) / 2 : ov.offsetTop);
    add(kGridOverlay, Box(ox, oy, ov.width, ov.height), PieceMode::kSingle);
    return n;
}

int PlanSeparator(const GridImage (&im)[3], uint32_t separatorFlags, int32_t marginLeft, int32_t marginRight, int32_t x,
                  int32_t y, int32_t w, int32_t h, GridPiece* out) {
    int n = 0;
    const GridImage& l = im[kSeparatorLeft];
    const GridImage& m = im[kSeparatorMiddle];
    const GridImage& r = im[kSeparatorRight];
    const int64_t top = static_cast<int64_t>(y) + (static_cast<int64_t>(h) - m.height) / 2;
    const int64_t left = static_cast<int64_t>(x) + marginLeft;
    if (l.present) out[n++] = GridPiece{kSeparatorLeft, Box(left, top, l.width, l.height), PieceMode::kSingle};
    const int64_t span = static_cast<int64_t>(w) - marginRight - marginLeft - r.width - l.width;
    const KRect middle = Box(left + l.width, top, span, m.height);
    if (m.present && !IsEmpty(middle))
        out[n++] = GridPiece{kSeparatorMiddle, middle,
                             (separatorFlags & kStretchMiddle) ? PieceMode::kStretch : PieceMode::kTile};
    if (r.present)
        out[n++] =
            GridPiece{kSeparatorRight, Box(static_cast<int64_t>(x) + w - r.width - marginRight, top, r.width, r.height),
                      PieceMode::kSingle};
    return n;
}

KRect TileWindow(const KRect& dest, const KRect& visible, int32_t tileW, int32_t tileH) {
    const KRect v = Intersect(dest, visible);
    if (IsEmpty(v) || tileW <= 0 || tileH <= 0) return KRect{0, 0, 0, 0};
    const int64_t left = dest.left + (static_cast<int64_t>(v.left) - dest.left) / tileW * tileW;
    const int64_t top = dest.top + (static_cast<int64_t>(v.top) - dest.top) / tileH * tileH;
    return KRect{static_cast<int32_t>(left), static_cast<int32_t>(top), v.right, v.bottom};
}

int PlanTileCopies(int32_t width, int32_t height, int32_t tileW, int32_t tileH, TileCopy* out, int capacity) {
    if (width <= 0 || height <= 0 || tileW <= 0 || tileH <= 0 || capacity <= 0) return 0;
    int n = 0;
    const int32_t firstW = std::min(width, tileW);
    const int32_t firstH = std::min(height, tileH);
    out[n++] = TileCopy{true, 0, 0, 0, 0, firstW, firstH};
    // Double the filled width; every copy starts on a multiple of the tile
    // width because the filled part always is one.
    int32_t filled = firstW;
    while (filled < width && n < capacity) {
        int32_t chunk = std::min(filled, width - filled);
        // Keep whole tiles in a chunk unless it is the last one.
        if (chunk < width - filled) chunk -= chunk % tileW;
        out[n++] = TileCopy{false, 0, 0, filled, 0, chunk, firstH};
        filled += chunk;
    }
    filled = firstH;
    while (filled < height && n < capacity) {
        int32_t chunk = std::min(filled, height - filled);
        if (chunk < height - filled) chunk -= chunk % tileH;
        out[n++] = TileCopy{false, 0, 0, 0, filled, width, chunk};
        filled += chunk;
    }
    return n;
}
