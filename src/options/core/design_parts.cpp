#include "options/core/design_parts.h"

#include <algorithm>

#include "base/core/limits.h"
#include "skin/core/skin_words.h"

namespace {

// [left, left + width) x [top, top + height), worked out in 64 bits so that
// no skin number can wrap.
bool Inside(int64_t x, int64_t y, int64_t left, int64_t top, int64_t width, int64_t height) {
    return width > 0 && height > 0 && x >= left && x < left + width && y >= top && y < top + height;
}

int64_t FloorHalf(int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

}  // namespace

int DesignPartCount(int32_t kind) {
    if (kind == kSkinThemed) return kDesignPartCount;
    if (kind == kSkinClassic) return kPartCursor + 1;
    return kPartIcon + 1;
}

int32_t StoredDesignSize(int part, uint32_t typed) {
    const uint32_t most = static_cast<uint32_t>(part == kPartIcon ? kMaxIconSize : kMaxFontPoints);
    return static_cast<int32_t>(std::min(typed, most));
}

TwoRowPanel CutToTwoRows(int32_t panelHeight, int32_t selectTop, int32_t itemCount, int32_t itemHeight) {
    const int64_t h = itemHeight;
    return TwoRowPanel{SaturatingAdd(panelHeight, (2 - int64_t{itemCount}) * h),
                       SaturatingAdd(selectTop, (1 - int64_t{itemCount} / 2) * h)};
}

int32_t CentredOrigin(int32_t clientExtent, int32_t panelExtent) {
    return static_cast<int32_t>(FloorHalf(int64_t{clientExtent} - panelExtent));
}

int PreviewPartAt(const PreviewHitInput& in, int32_t px, int32_t py) {
    // Everything relative to the panel's corner.
    const int64_t x = int64_t{px} - in.x0, y = int64_t{py} - in.y0;
    const int64_t L = in.itemLeft, T = in.itemTop, W = in.itemWidth, H = in.itemHeight, S = in.iconSize;
    if (!in.noIcons) {
        const int64_t iconTop = T + (H - S) / 2;
        if (Inside(x, y, L, iconTop, S, S) || Inside(x, y, L, iconTop + H, S, S)) return kPartIcon;
    }
    const int64_t textLeft = L + S + in.itemMargin;
    const auto text = [&](int32_t points, int64_t widthInHeights, int64_t rowTop) {
        const int64_t h = MulDivRound(points, in.pixelsPerInchY, 72);
        const int64_t width = std::min(widthInHeights * h, L + W - textLeft);
        return Inside(x, y, textLeft, rowTop + (H - h) / 2, width, h);
    };
    if (text(in.selectPoints, 8, T)) return kPartSelectedText;
    if (text(in.otherPoints, 9, T + H)) return kPartOtherText;
    if (in.kind == kSkinClassic || in.kind == kSkinThemed) {
        if (Inside(x, y, L, T, W, H)) return kPartCursor;
    }
    if (in.kind == kSkinThemed) {
        const int64_t width = int64_t{in.panelWidth} - in.frameLeft - in.frameRight;
        const int64_t height = int64_t{in.panelHeight} - in.frameTop - in.frameBottom;
        if (Inside(x, y, in.frameLeft, in.frameTop, width, height)) return kPartBackground;
    }
    return -1;
}
