#include "view/core/scroll_logic.h"

#include <algorithm>
#include <cstdint>

namespace {

bool SeparatorAt(PanelItem* head, int32_t index) {
    const PanelItem* item = ItemAt(head, index);
    return item && IsSeparator(item);
}

// index moved by steps with wrapping, without walking the list |steps| times.
int32_t Wrap(int32_t index, int64_t steps, int32_t count) {
    if (count <= 0) return 0;
    int64_t v = (static_cast<int64_t>(index) + steps) % count;
    if (v < 0) v += count;
    return static_cast<int32_t>(v);
}

}  // namespace

int32_t WheelStep(int32_t delta, bool noAcceleration, bool shift, int32_t rows) {
    int32_t step = -(delta / 120);
    if (step == 0) return 0;
    if (noAcceleration) step = step < 0 ? -1 : 1;
    if (shift) step += step < 0 ? -(rows / 2) : rows / 2;
    return step;
}

int32_t TakeWholeNotches(int32_t& pending, int32_t delta) {
    const int64_t total = int64_t{pending} + delta;
    const int64_t whole = total / 120 * 120;
    pending = static_cast<int32_t>(total - whole);
    return static_cast<int32_t>(std::clamp<int64_t>(whole, INT32_MIN / 120 * 120, INT32_MAX / 120 * 120));
}

ScrollPlan PlanScroll(PanelItem* head, const CursorPosition& at, int32_t rows, int direction, int32_t step,
                      const ScrollOptions& options) {
    ScrollPlan plan;
    const int32_t count = ItemCount(head);
    if (count == 0) return plan;

    if (options.reverse) {
        direction = direction == kScrollDown ? kScrollUp : direction == kScrollUp ? kScrollDown : direction;
        step = -step;
    }

    if (options.followWheel) {
        if (direction == kScrollDown) {
            const int32_t by = SeparatorAt(head, Wrap(at.current, 1, count)) ? 2 : 1;
            if (at.cursorRow + by < rows) {
                plan.kind = ScrollPlan::kMoveCursor;
                plan.cursorMove = by;
                return plan;
            }
        } else if (direction == kScrollUp) {
            const int32_t by = SeparatorAt(head, Wrap(at.current, -1, count)) ? 2 : 1;
            if (at.cursorRow - by >= 0) {
                plan.kind = ScrollPlan::kMoveCursor;
                plan.cursorMove = -by;
                return plan;
            }
        }
    }

    if (options.noLoop) {
        const int32_t last = count - 1;
        if (direction == kScrollDown) {
            const int64_t reference =
                options.followMouse ? static_cast<int64_t>(at.current) + rows - at.cursorRow - 1 : at.current;
            if (reference >= last) return plan;
            if (step > last - reference) step = static_cast<int32_t>(last - reference);
            if (static_cast<int64_t>(at.current) + step == last && SeparatorAt(head, last)) --step;
            if (step <= 0) return plan;
        } else if (direction == kScrollUp) {
            const int64_t reference =
                options.followMouse ? static_cast<int64_t>(at.current) - at.cursorRow : at.current;
            if (reference < 1) return plan;
            if (step < -reference) step = static_cast<int32_t>(-reference);
            if (static_cast<int64_t>(at.current) + step == 0 && SeparatorAt(head, 0)) ++step;
            if (step >= 0) return plan;
        }
    }

    plan.kind = ScrollPlan::kScroll;
    plan.direction = direction;
    plan.step = step;
    plan.targetIsSeparator = SeparatorAt(head, Wrap(at.current, step, count));
    return plan;
}

int32_t CompleteStep(PanelItem* head, int32_t current, int32_t step) {
    const int32_t count = ItemCount(head);
    if (count == 0) return 0;
    int32_t index = Wrap(current, step, count);
    if (SeparatorAt(head, index)) index = Wrap(index, step < 0 ? -1 : 1, count);
    return index;
}

int32_t RowAtPoint(int32_t y, int32_t itemTop, int32_t itemHeight, int32_t iconSize, int32_t rows) {
    if (itemHeight <= 0) return -1;
    const int64_t offset = static_cast<int64_t>(y) - itemTop - (itemHeight - iconSize) / 2;
    if (offset < 0) return -1;
    const int64_t row = offset / itemHeight;
    return row < rows ? static_cast<int32_t>(row) : -1;
}

CursorPosition FollowToRow(PanelItem* head, const CursorPosition& at, int32_t row, bool noLoop) {
    const int32_t count = ItemCount(head);
    if (count == 0 || row == at.cursorRow) return at;
    const int64_t d = static_cast<int64_t>(row) - at.cursorRow;
    const int64_t t = at.current + d;
    if (noLoop && (t >= count || t < 0)) return at;
    const int32_t target = Wrap(at.current, d, count);
    if (SeparatorAt(head, target)) return at;
    return CursorPosition{target, row};
}

CursorPosition PositionForShow(PanelItem* head, const CursorPosition& at, int32_t rows, bool wasVisible,
                               const ShowOptions& options) {
    CursorPosition p = at;
    if (!options.followMouse && !options.followWheel)
        p.cursorRow = rows / 2;
    else if (options.cursorToTop)
        p.cursorRow = 0;
    else if (!options.keepCursorRow)
        p.cursorRow = rows / 2;

    const int32_t count = ItemCount(head);
    if (!wasVisible && options.resetList) p.current = options.firstItemOnTopRow ? p.cursorRow : 0;
    if (rows / 2 >= count) p.current = 0;
    if (count > 0) p.current = Wrap(p.current, 0, count);  // a kept row may point past the end
    if (count > 0 && SeparatorAt(head, p.current)) p.current = Wrap(p.current, 1, count);
    return p;
}
