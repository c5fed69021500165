#pragma once
// Which item goes on which row, where, and how opaque, for one redraw of the
// list; and where a row's icon, arrow and text go. Pure: no Windows headers.
#include <cstdint>

#include "base/core/option_flags.h"

// Row style bits.
constexpr int kStyleCursorRow = 1;    // the row under the cursor of an active panel
constexpr int kStyleInactiveRow = 2;  // the selected row of an inactive panel
constexpr int kStyleScrolling = 4;    // the list is displaced by a running slide

// A row is drawn selected only with bit 1 and without bit 4.
inline bool IsSelectedStyle(int style) { return (style & kStyleCursorRow) && !(style & kStyleScrolling); }

struct RowPlanInput {
    int32_t itemTotal;  // items in the list
    int32_t current;    // current index (reset to 0 when not below itemTotal)
    int32_t cursorRow;
    int32_t rowCount;  // itemCount of the skin
    int32_t itemTop, itemHeight;
    bool noLoop;
    int32_t displacement;  // added to every row's y (the slide offset, signed)
    int32_t startLevel;    // 192 active, 128 inactive
};

struct PlannedRow {
    int32_t item;    // index into the list
    int32_t y;       // top of the row, displacement included
    int32_t level;   // opacity in the gradient list
    bool isCurrent;  // the row on the cursor row
};

// Every row of one redraw: the current item, then the rows below, then the rows
// above; rows past the visible ones are included for the slide and clipped by
// the caller. Writes at most capacity rows and returns the count. The loop
// always ends: at most RowPlanCapacity(rowCount) rows are planned.
int PlanRows(const RowPlanInput& in, PlannedRow* rows, int capacity);

// The most rows PlanRows plans for a panel of rowCount rows with the cursor on
// one of them: the cursor row, the rows below it down to two past the bottom,
// and the rows above it up to two before the top.
inline int RowPlanCapacity(int32_t rowCount) { return (rowCount > 0 ? rowCount : 0) + 5; }

// Opacity of the k-th row away from the cursor over n rows: from start towards
// 32, k capped at n; n of 0 or less gives the start level.
int32_t RowLevel(int32_t n, int32_t k, int32_t start);

// Horizontal positions inside one row.
struct RowLayoutInput {
    int32_t x, y;  // the row's left edge (itemLeft) and top
    int32_t style;
    int32_t depth;
    int32_t itemIndent, itemWidth, itemHeight, itemMargin;
    int32_t iconSize;
    int32_t arrowWidth, arrowHeight;
    OptionFlag indentOption;  // kOptIndentLarge: iconSize * 3 / 2, kOptIndentMedium: iconSize, else iconSize / 2
    bool noIcons;
    bool noText;
    bool hasArrow;  // a folder, with kOptFoldersInPanel and kOptFolderArrow
};
struct RowLayout {
    int32_t shift;
    int32_t iconX, iconY;
    int32_t arrowX, arrowY;
    int32_t textLeft, textRight;  // the text box; centred vertically by the caller
};
RowLayout LayoutRow(const RowLayoutInput& in);
