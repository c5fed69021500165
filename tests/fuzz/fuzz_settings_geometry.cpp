// Feeds arbitrary stored numbers, as a hand-edited korvane.ini could hold them,
// through the load's clamping and then through everything they size, place
// and time: the design growth of the rows, the remembered size, a resize
// drag, the cursor row, the placement, the row plan, the wheel and page steps
// and the scroll and fade interpolation, on a skin anywhere inside the limits
// the loader accepts. UBSan stops at any overflow; the checks below stop
// where a result leaves the ranges the drawing relies on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/core/limits.h"
#include "base/core/settings.h"
#include "base/core/window_math.h"
#include "skin/core/skin_words.h"
#include "view/core/blend.h"
#include "view/core/panel_geometry.h"
#include "view/core/row_plan.h"
#include "view/core/scroll_logic.h"

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    int32_t Next() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | (at_ < size_ ? data_[at_++] : 0);
        return static_cast<int32_t>(v);
    }
    // A value from low to high, both included.
    int32_t In(int32_t low, int32_t high) {
        const uint32_t span = static_cast<uint32_t>(int64_t{high} - low) + 1;
        return static_cast<int32_t>(low + static_cast<int64_t>(static_cast<uint32_t>(Next()) % (span ? span : 1)));
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);

    // What the profile functions hand back for each stored number, narrowed
    // to the field's width as the load does.
    Settings s;
    std::memset(&s, 0, sizeof s);
    s.left = in.Next();
    s.top = in.Next();
    s.left2 = in.Next();
    s.top2 = in.Next();
    int32_t iconIndex = in.Next();
    s.savedItemCount = in.Next();
    s.savedPanelWidth = in.Next();
    s.scrollSpeed = in.Next();
    s.fadeSpeed = in.Next();
    s.transparencyActive = static_cast<uint8_t>(in.Next());
    s.transparencyInactive = static_cast<uint8_t>(in.Next());
    s.selectSize = in.Next();
    s.unselectSize = in.Next();
    s.designIconSize = in.Next();
    ClampStoredSettings(s, iconIndex);

    // A skin as the loader accepts it.
    PanelGeometry g{};
    g.itemCount = in.In(0, kMaxItemCount);
    g.itemHeight = in.In(0, kMaxItemHeight);
    g.panelWidth = in.In(1, kMaxPanelExtent);
    g.panelHeight = g.baseHeight = in.In(1, kMaxPanelExtent);
    g.selectLeft = in.In(-kMaxPosition, kMaxPosition);
    g.selectTop = in.In(-kMaxPosition, kMaxPosition);
    g.selectWidth = in.In(0, kMaxPanelExtent);
    g.selectHeight = in.In(0, kMaxPanelExtent);
    g.clickLeft = in.In(-kMaxPosition, kMaxPosition);
    g.clickTop = in.In(-kMaxPosition, kMaxPosition);
    g.clickWidth = in.In(-kMaxPosition, kMaxPosition);
    g.clickHeight = in.In(-kMaxPosition, kMaxPosition);
    g.closeLeft = in.In(-kMaxPosition, kMaxPosition);
    g.closeTop = in.In(-kMaxPosition, kMaxPosition);
    g.itemWidth = in.In(-kMaxPosition, kMaxPosition);
    g.overlayLeft = in.In(-kMaxPosition, kMaxPosition);
    g.overlayTop = in.In(-kMaxPosition, kMaxPosition);
    const uint32_t align = static_cast<uint32_t>(in.Next());
    g.closeAlign = align & (kAlignRight | kAlignBottom);
    g.overlayAlign = (align >> 16) & (kAlignRight | kAlignBottom);
    g.resizeFlags = static_cast<uint32_t>(in.Next()) & (kResizeVertical | kResizeHorizontal);
    const int32_t skinIconSize = in.In(0, kMaxIconSize);
    const int32_t itemTop = in.In(-kMaxPosition, kMaxPosition);

    // The design customisation grows every row, as the loader applies it.
    DesignGrowthInput grow{};
    grow.designIconSize = s.designIconSize;
    grow.skinIconSize = skinIconSize;
    grow.selectSize = s.selectSize;
    grow.unselectSize = s.unselectSize;
    grow.selectPointSize = in.In(-kMaxFontPoints, kMaxFontPoints);
    grow.unselectPointSize = in.In(-kMaxFontPoints, kMaxFontPoints);
    grow.pixelsPerInchY = in.In(72, 480);
    grow.increase = in.In(-4, 64);
    const int32_t growth = DesignRowGrowth(grow);
    g.itemHeight = SaturatingAdd(g.itemHeight, growth);
    g.selectTop = SaturatingAdd(g.selectTop, int64_t{g.itemCount} / 2 * growth);
    g.panelHeight = g.baseHeight = SaturatingAdd(g.panelHeight, int64_t{g.itemCount} * growth);

    // The remembered size, then a drag by the bottom-right corner.
    const int32_t skinRows = g.itemCount;
    ApplySavedSize(g, s.savedItemCount, s.savedPanelWidth);
    if (g.itemCount != skinRows) Check(g.itemCount <= kMaxItemCount && g.baseHeight <= kMaxPanelExtent);
    const int32_t minWidth = in.In(0, 2048);
    KRect rect{s.left, s.top, s.left + g.panelWidth, s.top + g.panelHeight};
    for (int i = 0; i < 4; ++i) {
        const int32_t before = g.itemCount;
        rect.right = rect.left + in.In(-kMaxScreenCoordinate, 2 * kMaxScreenCoordinate);
        rect.bottom = rect.top + in.In(-kMaxScreenCoordinate, 2 * kMaxScreenCoordinate);
        SizingStep(g, kEdgeBottomRight, rect, minWidth);
        if (g.itemCount > before) Check(g.itemCount <= kMaxItemCount && g.panelHeight <= kMaxPanelExtent);
    }
    const int32_t rows = g.itemCount;
    g.cursorRow = CursorRowAfterResize(in.Next(), rows, in.Next() & 1);
    CursorTop(g.selectTop, g.cursorRow, rows, g.itemHeight);

    PlacementInput place{};
    place.previous = in.Next() & 1;
    place.atCursor = true;
    place.noEdgeCorrection = in.Next() & 1;
    place.saved = KPoint{s.left2, s.top2};
    place.cursor =
        KPoint{in.In(-kMaxScreenCoordinate, kMaxScreenCoordinate), in.In(-kMaxScreenCoordinate, kMaxScreenCoordinate)};
    place.width = g.panelWidth;
    place.height = g.panelHeight;
    place.itemTop = itemTop;
    place.itemHeight = g.itemHeight;
    place.itemCount = rows;
    place.desktop = KRect{-kMaxScreenCoordinate, -kMaxScreenCoordinate, kMaxScreenCoordinate, kMaxScreenCoordinate};
    PlacePanelAt(place);

    // Two monitors side by side and a saved or current position from anywhere
    // in the settings file's range: a panel that fits them ends at least half
    // on them.
    const int32_t w0 = in.In(1, kMaxScreenCoordinate), w1 = in.In(1, kMaxScreenCoordinate);
    const KRect areas[2] = {{0, 0, w0, in.In(1, kMaxScreenCoordinate)},
                            {w0, 0, w0 + w1, in.In(1, kMaxScreenCoordinate)}};
    place.workAreas = areas;
    place.workAreaCount = 2;
    place.onCursorMonitor = in.Next() & 1;
    place.cursorWork = areas[in.Next() & 1];
    place.current = KPoint{s.left, s.top};
    place.atCursor = in.Next() & 1;
    const PlacementResult r = PlacePanelAt(place);
    const int64_t pw = place.width, ph = place.height;
    if (r.kind == Placement::kMove && pw <= std::min(w0, w1) && ph <= std::min(Height(areas[0]), Height(areas[1]))) {
        int64_t visible = 0;
        for (const KRect& a : areas) {
            const int64_t x = std::min<int64_t>(a.right, r.position.x + pw) - std::max<int64_t>(a.left, r.position.x);
            const int64_t y = std::min<int64_t>(a.bottom, r.position.y + ph) - std::max<int64_t>(a.top, r.position.y);
            if (x > 0 && y > 0) visible += x * y;
        }
        Check(visible * 2 >= pw * ph);
    }

    // One redraw's rows: every row of the panel is planned within the room.
    RowPlanInput plan{};
    plan.itemTotal = in.In(1, 5000);
    plan.current = iconIndex;
    plan.cursorRow = g.cursorRow;
    plan.rowCount = rows;
    plan.itemTop = itemTop;
    plan.itemHeight = g.itemHeight;
    plan.noLoop = in.Next() & 1;
    plan.startLevel = in.Next() & 1 ? 192 : 128;
    const int32_t elapsed = in.Next();
    const int32_t length = s.scrollSpeed * 10;
    const int32_t offset = ScaledInterpolate(length, elapsed, 0, g.itemHeight * 2);
    plan.displacement = in.Next() & 1 ? -offset : offset;
    std::vector<PlannedRow> planned(static_cast<size_t>(RowPlanCapacity(rows)));
    const int n = PlanRows(plan, planned.data(), static_cast<int>(planned.size()));
    Check(n >= 1 && n <= RowPlanCapacity(rows));
    if (!plan.noLoop && g.itemHeight > 0 && plan.cursorRow >= 0 && plan.cursorRow < rows) {
        // Rows below the cursor, then above it: the planned ys hold every row.
        std::vector<bool> seen(static_cast<size_t>(rows), false);
        for (int i = 0; i < n; ++i) {
            const int64_t rel = int64_t{planned[i].y} - plan.displacement - itemTop;
            if (rel >= 0 && rel % g.itemHeight == 0 && rel / g.itemHeight < rows) seen[rel / g.itemHeight] = true;
        }
        for (bool row : seen) Check(row);
    }

    PageStep(rows);
    WheelStep(in.Next(), in.Next() & 1, in.Next() & 1, rows);
    Interpolate(s.fadeSpeed * 50, in.Next(), 0, 255);
    return 0;
}
