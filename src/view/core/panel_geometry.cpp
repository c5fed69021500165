#include "view/core/panel_geometry.h"

#include <algorithm>

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

namespace {

// Rectangles in 64 bits: a saved position near the end of the range plus the
// panel's size must not wrap.
struct Box {
    int64_t left, top, right, bottom;
};

Box BoxOf(const KRect& r) { return {r.left, r.top, r.right, r.bottom}; }

int64_t Overlap(const Box& a, const Box& b) {
    const int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// Squared gap between two rectangles, 0 when they touch or overlap; capped
// so that the square cannot overflow.
int64_t GapSquared(const Box& a, const Box& b) {
    const int64_t cap = int64_t{1} << 31;
    const int64_t dx = std::min(cap, std::max<int64_t>({0, b.left - a.right, a.left - b.right}));
    const int64_t dy = std::min(cap, std::max<int64_t>({0, b.top - a.bottom, a.top - b.bottom}));
    return dx * dx + dy * dy;
}

// The rule of the placement group alone.
PlacementResult PlaceByRule(const PlacementInput& in) {
    if (in.previous) return {Placement::kMove, in.saved};
    if (in.center) {
        if (!in.onCursorMonitor) return {Placement::kCenter, {0, 0}};
        const KRect& a = in.cursorWork;
        return {Placement::kMove,
                {a.left + (a.right - a.left - in.width) / 2, a.top + (a.bottom - a.top - in.height) / 2}};
    }
    if (!in.atCursor) return {Placement::kKeep, in.current};
    int32_t x = in.cursor.x - in.width / 2;
    int32_t y = in.cursor.y - in.itemHeight * in.itemCount / 2 - in.itemTop;
    if (!in.noEdgeCorrection) {
        const KRect& d = in.onCursorMonitor ? in.cursorWork : in.desktop;
        if (x < d.left) x = d.left;
        if (y < d.top) y = d.top;
        if (x + in.width > d.right) x = d.right - in.width;
        if (y + in.height > d.bottom) y = d.bottom - in.height;
    }
    return {Placement::kMove, {x, y}};
}

}  // namespace

KPoint KeepInside(KPoint p, int32_t w, int32_t h, const KRect& area) {
    if (int64_t{p.x} + w > area.right) p.x = area.right - w;
    if (int64_t{p.y} + h > area.bottom) p.y = area.bottom - h;
    if (p.x < area.left) p.x = area.left;
    if (p.y < area.top) p.y = area.top;
    return p;
}

KPoint KeepOnMonitors(KPoint p, int32_t w, int32_t h, const KRect* workAreas, int32_t count) {
    if (!workAreas || count <= 0 || w <= 0 || h <= 0) return p;
    const Box panel{p.x, p.y, int64_t{p.x} + w, int64_t{p.y} + h};
    int64_t visible = 0;
    for (int32_t i = 0; i < count; ++i) visible += Overlap(panel, BoxOf(workAreas[i]));
    if (visible * 2 >= static_cast<int64_t>(w) * h) return p;
    int32_t best = 0;
    for (int32_t i = 1; i < count; ++i) {
        const Box area = BoxOf(workAreas[i]), bestArea = BoxOf(workAreas[best]);
        const int64_t o = Overlap(panel, area), bestOverlap = Overlap(panel, bestArea);
        if (o > bestOverlap || (o == bestOverlap && GapSquared(panel, area) < GapSquared(panel, bestArea))) best = i;
    }
    return KeepInside(p, w, h, workAreas[best]);
}

PlacementResult PlacePanelAt(const PlacementInput& in) {
    PlacementResult r = PlaceByRule(in);
    if (r.kind == Placement::kCenter) return r;  // the primary work area's centre lies on it already
    KPoint p = r.position;
    // Without edge correction the panel at the cursor may leave the monitor,
    // as it may leave the desktop.
    const bool corrected = !(in.atCursor && !in.previous && !in.center && in.noEdgeCorrection);
    if (in.onCursorMonitor && corrected) p = KeepInside(p, in.width, in.height, in.cursorWork);
    p = KeepOnMonitors(p, in.width, in.height, in.workAreas, in.workAreaCount);
    if (r.kind == Placement::kKeep && p.x == in.current.x && p.y == in.current.y) return {Placement::kKeep, {0, 0}};
    return {Placement::kMove, p};
}
