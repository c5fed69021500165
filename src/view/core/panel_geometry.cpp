#include "view/core/panel_geometry.h"

namespace {

int64_t Clamp64(int64_t v, int64_t low, int64_t high) { return v < low ? low : (v > high ? high : v); }

// Whether a panel of height + rows x itemHeight stays within what the layout
// can make surfaces for.
bool HeightFits(int32_t height, int32_t rows, int32_t itemHeight) {
    const int64_t h = int64_t{height} + int64_t{rows} * itemHeight;
    return h > 0 && h <= kMaxPanelExtent;
}

}  // namespace

void ApplySavedSize(PanelGeometry& g, int32_t savedItemCount, int32_t savedPanelWidth) {
    if ((g.resizeFlags & kResizeVertical) && savedItemCount > 0 && savedItemCount <= kMaxItemCount &&
        savedItemCount != g.itemCount && HeightFits(g.baseHeight, savedItemCount - g.itemCount, g.itemHeight)) {
        const int32_t d = savedItemCount - g.itemCount;
        const int32_t h = d * g.itemHeight;
        g.clickHeight += h;
        g.baseHeight += h;
        g.selectTop += (d / 2) * g.itemHeight;
        g.itemCount = savedItemCount;
        if (g.closeAlign & kAlignBottom) g.closeTop += h;
        if (g.overlayAlign & kAlignBottom) g.overlayTop += h;
    }
    if ((g.resizeFlags & kResizeHorizontal) && savedPanelWidth > 0 && savedPanelWidth <= kMaxPanelExtent &&
        savedPanelWidth != g.panelWidth) {
        const int32_t d = savedPanelWidth - g.panelWidth;
        WidenBy(g, d);
        g.panelWidth = savedPanelWidth;
    }
}

void WidenBy(PanelGeometry& g, int32_t d) {
    g.selectWidth += d;
    g.clickWidth += d;
    g.itemWidth += d;
    if (g.closeAlign & kAlignRight) g.closeLeft += d;
    if (g.overlayAlign & kAlignRight) g.overlayLeft += d;
}

namespace {

void MoveRows(PanelGeometry& s, int sign) {
    const int32_t step = 2 * s.itemHeight * sign;
    s.selectTop += s.itemHeight * sign;
    s.baseHeight += step;
    s.itemCount += 2 * sign;
    s.clickHeight += step;
    if (s.closeAlign & kAlignBottom) s.closeTop += step;
    if (s.overlayAlign & kAlignBottom) s.overlayTop += step;
    s.panelHeight = s.baseHeight;
}

}  // namespace

bool SizingStep(PanelGeometry& s, int edge, KRect& rect, int32_t minWidth) {
    bool changed = false;
    if (edge == kEdgeRight || edge == kEdgeBottomRight) {
        int32_t w = static_cast<int32_t>(Clamp64(int64_t{rect.right} - rect.left, INT32_MIN, kMaxPanelExtent));
        if (w == kMaxPanelExtent) rect.right = rect.left + w;
        if (w < minWidth) {
            rect.right = rect.left + minWidth;
        } else if (w != s.panelWidth) {
            WidenBy(s, w - s.panelWidth);
            s.panelWidth = w;
            changed = true;
        }
    }
    if (edge == kEdgeBottom || edge == kEdgeBottomRight) {
        const int32_t h = s.panelHeight;
        const int32_t step = 2 * s.itemHeight;
        const int32_t proposed = rect.bottom - rect.top;
        // A row height of 0 or less cannot be stepped: the height stays. Nor
        // does it grow past the most rows and the tallest panel there is.
        const bool canGrow = s.itemCount <= kMaxItemCount - 2 && HeightFits(s.baseHeight, 2, s.itemHeight);
        if (step > 0 && proposed > h + step && canGrow) {
            MoveRows(s, +1);
            changed = true;
        } else if (step <= 0 || proposed >= h - step || s.itemCount < 2) {
            rect.bottom = rect.top + h;
            return changed;
        } else {
            MoveRows(s, -1);
            changed = true;
        }
        rect.bottom = rect.top + s.panelHeight;
    }
    return changed;
}

int BorderAt(uint32_t resizeFlags, const KRect& window, int32_t panelHeight, int32_t frameX, int32_t frameY, KPoint p) {
    const bool vertical = resizeFlags & kResizeVertical;
    const bool horizontal = resizeFlags & kResizeHorizontal;
    if (!vertical && !horizontal) return 0;
    if (p.x < window.left || p.x >= window.right || p.y < window.top || p.y >= window.bottom) return 0;
    const bool bottom = p.y >= window.top + panelHeight - frameY && p.y < window.top + panelHeight;
    const bool right = p.x >= window.right - frameX;
    if (vertical && horizontal && bottom && right) return kHitBottomRight;
    if (vertical && bottom) return kHitBottom;
    if (horizontal && right) return kHitRight;
    return 0;
}

int32_t CursorRowAfterResize(int32_t oldRow, int32_t itemCount, bool cursorFollowsMouse) {
    if (!cursorFollowsMouse) return itemCount / 2;
    if (oldRow >= itemCount) return itemCount > 0 ? itemCount - 1 : 0;
    return oldRow < 0 ? 0 : oldRow;
}

int32_t CursorTop(int32_t selectTop, int32_t cursorRow, int32_t itemCount, int32_t itemHeight) {
    return selectTop + (cursorRow - itemCount / 2) * itemHeight;
}

PlacementResult PlacePanelAt(const PlacementInput& in) {
    if (in.previous) return {Placement::kMove, in.saved};
    if (in.center) return {Placement::kCenter, {0, 0}};
    if (!in.atCursor) return {Placement::kKeep, {0, 0}};
    int32_t x = in.cursor.x - in.width / 2;
    int32_t y = in.cursor.y - in.itemHeight * in.itemCount / 2 - in.itemTop;
    if (!in.noEdgeCorrection) {
        if (x < in.desktop.left) x = in.desktop.left;
        if (y < in.desktop.top) y = in.desktop.top;
        if (x + in.width > in.desktop.right) x = in.desktop.right - in.width;
        if (y + in.height > in.desktop.bottom) y = in.desktop.bottom - in.height;
    }
    return {Placement::kMove, {x, y}};
}
