#pragma once
// Selection-cursor and scroll arithmetic over the item list: which way a key
// or wheel request moves, how the no-loop limits and separators shape a step,
// which row the mouse is over, and the per-show resets. No window state here:
// the panel view feeds in the facts and carries out the result.
#include <cstdint>

#include "items/core/item_list.h"

enum ScrollDirection { kScrollNone = 0, kScrollDown = 1, kScrollUp = 2 };

struct ScrollOptions {
    bool reverse = false;      // scroll direction reversed
    bool followWheel = false;  // the cursor moves with the wheel while it can
    bool noLoop = false;       // do not wrap around the ends of the list
    bool followMouse = false;  // the cursor follows the mouse
};

struct CursorPosition {
    int32_t current = 0;    // index of the item on the cursor row
    int32_t cursorRow = 0;  // 0 = top row
};

// What a scroll request comes to.
struct ScrollPlan {
    enum Kind { kIgnore, kMoveCursor, kScroll } kind = kIgnore;
    int direction = kScrollNone;
    int32_t step = 0;                // items the current index moves (negative: up)
    int32_t cursorMove = 0;          // kMoveCursor: rows the cursor moves (negative: up)
    bool targetIsSeparator = false;  // kScroll: the item the step lands on is a separator
};

// Items a wheel delta asks for: -(delta / 120) truncated towards zero, 0 to
// ignore; without acceleration only its sign; with Shift grown away from zero
// by rows / 2.
int32_t WheelStep(int32_t delta, bool noAcceleration, bool shift, int32_t rows);

// High-resolution wheels and touchpads send fractions of a notch (120) that
// would each count as nothing; they add up in pending until they make whole
// notches. Returns the delta of the whole notches and keeps the rest.
int32_t TakeWholeNotches(int32_t& pending, int32_t delta);

// Items a Page Up / Page Down key moves: rows / 2 + 1.
inline int32_t PageStep(int32_t rows) { return rows / 2 + 1; }

// Turns a request (direction and step already chosen by the caller) into what
// happens: reversal, the cursor following the wheel, and the no-loop limits.
ScrollPlan PlanScroll(PanelItem* head, const CursorPosition& at, int32_t rows, int direction, int32_t step,
                      const ScrollOptions& options);

// The current index after a completed step: moved by step with wrapping, one
// more in the same direction when it lands on a separator.
int32_t CompleteStep(PanelItem* head, int32_t current, int32_t step);

// Row whose band contains y, -1 for none. Bands are itemHeight tall and start at
// itemTop + i * itemHeight + (itemHeight - iconSize) / 2.
int32_t RowAtPoint(int32_t y, int32_t itemTop, int32_t itemHeight, int32_t iconSize, int32_t rows);

// The cursor following the mouse onto row: the new position, or at unchanged
// when nothing may move (past an end without looping, or onto a separator).
CursorPosition FollowToRow(PanelItem* head, const CursorPosition& at, int32_t row, bool noLoop);

struct ShowOptions {
    bool followMouse = false;        // the cursor follows the mouse
    bool followWheel = false;        // the cursor follows the wheel
    bool cursorToTop = false;        // the cursor row resets to the top row
    bool keepCursorRow = false;      // the cursor row is not reset
    bool resetList = false;          // the list position resets at every show
    bool firstItemOnTopRow = false;  // that reset puts item 0 on the top row
};

// The cursor row and current index a show starts with. wasVisible: the panel
// was already shown (the list-position reset then does not apply).
CursorPosition PositionForShow(PanelItem* head, const CursorPosition& at, int32_t rows, bool wasVisible,
                               const ShowOptions& options);
