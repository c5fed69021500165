#include "view/core/row_plan.h"

#include <cstdint>

#include "view/core/blend.h"

namespace {

int64_t Clamp32(int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return v;
}

}  // namespace

int32_t RowLevel(int32_t n, int32_t k, int32_t start) {
    if (n <= 0) return start;
    if (k > n) k = n;
    return ScaledInterpolate(n, k, start, 32);
}

int PlanRows(const RowPlanInput& in, PlannedRow* rows, int capacity) {
    if (in.itemTotal <= 0 || capacity <= 0 || !rows) return 0;
    int n = 0;
    auto add = [&](int32_t item, int32_t y, int32_t level, bool isCurrent) {
        if (n < capacity) rows[n++] = PlannedRow{item, y, level, isCurrent};
    };
    const int32_t current = (in.current >= 0 && in.current < in.itemTotal) ? in.current : 0;
    // 64-bit positions: a skin's sizes may be anything, the sums must not wrap.
    auto at = [&](int64_t y) { return static_cast<int32_t>(Clamp32(y + in.displacement)); };
    const int64_t y0 = static_cast<int64_t>(in.itemTop) + static_cast<int64_t>(in.cursorRow) * in.itemHeight;
    add(current, at(y0), 255, true);
    if (in.itemHeight <= 0) return n;  // rows of no height: only the cursor row

    // Rows below, down to one past the last visible row.
    const int64_t limit = in.itemTop + (static_cast<int64_t>(in.rowCount) + 1) * in.itemHeight;
    const int32_t belowSpan = in.rowCount - in.cursorRow - 2;
    int32_t item = current;
    int64_t y = y0;
    for (int32_t k = 0; y <= limit && n < capacity; ++k) {
        y += in.itemHeight;
        if (++item >= in.itemTotal) {
            if (in.noLoop) break;
            item = 0;
        }
        add(item, at(y), RowLevel(belowSpan, k, in.startLevel), false);
    }

    // Rows above, up to one before the first visible row.
    const int32_t aboveSpan = in.cursorRow - 1;
    item = current;
    int64_t b = y0;
    for (int32_t k = 0; b >= in.itemTop - in.itemHeight && n < capacity; ++k) {
        b -= in.itemHeight;
        if (--item < 0) {
            if (in.noLoop) break;
            item = in.itemTotal - 1;
        }
        add(item, at(b), RowLevel(aboveSpan, k, in.startLevel), false);
    }
    return n;
}

RowLayout LayoutRow(const RowLayoutInput& in) {
    RowLayout out{};
    int32_t unit = in.iconSize / 2;
    if (in.indentOption == kOptIndentLarge)
        unit = in.iconSize + in.iconSize / 2;
    else if (in.indentOption == kOptIndentMedium)
        unit = in.iconSize;
    out.shift = ((in.style & kStyleCursorRow) ? 0 : in.itemIndent) + in.depth * unit;
    out.iconX = in.x + out.shift;
    out.iconY = in.y + (in.itemHeight - in.iconSize) / 2;
    int32_t reserved = 0;
    if (in.hasArrow) {
        out.arrowX = in.noText ? in.x + in.itemMargin + in.iconSize : in.x + in.itemWidth - in.arrowWidth;
        out.arrowY = in.y + (in.itemHeight - in.arrowHeight) / 2;
        reserved = in.arrowWidth;
    }
    out.textLeft = in.x + out.shift + (in.noIcons ? 0 : in.itemMargin + in.iconSize);
    out.textRight = in.x + in.itemWidth - reserved;
    return out;
}
