#include "view/core/row_plan.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

RowPlanInput NineRows(int total, int current) {
    RowPlanInput in{};
    in.itemTotal = total;
    in.current = current;
    in.cursorRow = 4;
    in.rowCount = 9;
    in.itemTop = 31;
    in.itemHeight = 24;
    in.startLevel = 192;
    return in;
}

// Item index by visible row (0-8) of a plan; rows one past the ends are left out.
std::map<int, int> Visible(const RowPlanInput& in, const PlannedRow* rows, int n) {
    std::map<int, int> byRow;
    for (int i = 0; i < n; ++i) {
        const int rel = rows[i].y - in.itemTop;
        if (rel < 0 || rel % in.itemHeight) continue;
        const int row = rel / in.itemHeight;
        if (row < in.rowCount) {
            EXPECT_EQ(byRow.count(row), 0u) << "row " << row << " drawn twice";
            byRow[row] = rows[i].item;
        }
    }
    return byRow;
}

TEST(PlanRows, AnEmptyListPlansNothing) {
    PlannedRow rows[32];
    EXPECT_EQ(PlanRows(NineRows(0, 0), rows, 32), 0);
}

TEST(PlanRows, ThreeItemsInNineRowsRepeat) {
    PlannedRow rows[32];
    const RowPlanInput in = NineRows(3, 1);
    const int n = PlanRows(in, rows, 32);
    EXPECT_TRUE(rows[0].isCurrent);
    EXPECT_EQ(rows[0].item, 1);
    EXPECT_EQ(rows[0].y, 31 + 4 * 24);
    EXPECT_EQ(rows[0].level, 255);
    const auto byRow = Visible(in, rows, n);
    ASSERT_EQ(byRow.size(), 9u);
    const int expected[9] = {0, 1, 2, 0, 1, 2, 0, 1, 2};  // row 4 holds item 1
    for (int r = 0; r < 9; ++r) EXPECT_EQ(byRow.at(r), expected[r]) << "row " << r;
    // The slide needs one more row at each end.
    bool above = false, below = false;
    for (int i = 0; i < n; ++i) {
        above |= rows[i].y == 31 - 24;
        below |= rows[i].y == 31 + 9 * 24;
    }
    EXPECT_TRUE(above);
    EXPECT_TRUE(below);
}

TEST(PlanRows, WithoutLoopTheRowsPastTheEndsStayEmpty) {
    PlannedRow rows[32];
    RowPlanInput in = NineRows(3, 1);
    in.noLoop = true;
    const int n = PlanRows(in, rows, 32);
    const auto byRow = Visible(in, rows, n);
    ASSERT_EQ(byRow.size(), 3u);
    EXPECT_EQ(byRow.at(3), 0);
    EXPECT_EQ(byRow.at(4), 1);
    EXPECT_EQ(byRow.at(5), 2);
}

TEST(PlanRows, ACurrentIndexPastTheEndBecomesZero) {
    PlannedRow rows[32];
    PlanRows(NineRows(3, 7), rows, 32);
    EXPECT_EQ(rows[0].item, 0);
}

TEST(PlanRows, DisplacementMovesEveryRow) {
    PlannedRow a[32], b[32];
    RowPlanInput in = NineRows(5, 2);
    const int n = PlanRows(in, a, 32);
    in.displacement = -10;
    ASSERT_EQ(PlanRows(in, b, 32), n);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(b[i].y, a[i].y - 10);
        EXPECT_EQ(b[i].item, a[i].item);
    }
}

TEST(PlanRows, GradientLevelsFallToThirtyTwoAwayFromTheCursor) {
    PlannedRow rows[32];
    const RowPlanInput in = NineRows(20, 10);
    const int n = PlanRows(in, rows, 32);
    std::map<int, int> levelByRow;
    for (int i = 1; i < n; ++i) levelByRow[(rows[i].y - 31) / 24] = rows[i].level;
    // Below: k = 0..2 over 9 - 4 - 2 = 3 rows; above: k = 0..3 over 3 rows.
    EXPECT_EQ(levelByRow[5], 192);
    EXPECT_EQ(levelByRow[6], 138);  // 192 - 160 / 3
    EXPECT_EQ(levelByRow[7], 85);
    EXPECT_EQ(levelByRow[8], 32);
    EXPECT_EQ(levelByRow[9], 32);  // the extra row keeps 32
    EXPECT_EQ(levelByRow[3], 192);
    EXPECT_EQ(levelByRow[0], 32);
}

TEST(PlanRows, HugeAndDegenerateSkinsStayInsideTheGivenRoom) {
    PlannedRow rows[65];
    const PlannedRow guard{-7, -7, -7, false};
    rows[64] = guard;
    RowPlanInput in = NineRows(3, 0);
    in.itemHeight = 0;
    EXPECT_EQ(PlanRows(in, rows, 64), 1);
    in = NineRows(3, 0);
    in.rowCount = 2000000000;
    in.itemHeight = 2000000000;
    EXPECT_LE(PlanRows(in, rows, 64), 64);
    in = NineRows(3, 0);
    in.cursorRow = -1000000;
    in.itemHeight = -5;
    EXPECT_LE(PlanRows(in, rows, 64), 64);
    in.itemHeight = 24;
    EXPECT_EQ(PlanRows(in, rows, 64), 64);  // far more rows wanted: the room is filled, not overrun
    EXPECT_EQ(rows[64].item, guard.item);
    EXPECT_EQ(rows[64].y, guard.y);
}

TEST(PlanRows, TallPanelsGetEveryRowWithinTheirCapacity) {
    for (int rowCount : {1, 62, 70, 1024}) {
        for (int cursorRow : {0, rowCount / 2, rowCount - 1}) {
            RowPlanInput in = NineRows(rowCount * 3, rowCount);
            in.rowCount = rowCount;
            in.cursorRow = cursorRow;
            // Twice the room: the plan must not need more than it says.
            std::vector<PlannedRow> rows(2 * static_cast<size_t>(RowPlanCapacity(rowCount)));
            const int n = PlanRows(in, rows.data(), static_cast<int>(rows.size()));
            EXPECT_LE(n, RowPlanCapacity(rowCount)) << rowCount << " rows, cursor on " << cursorRow;
            EXPECT_EQ(Visible(in, rows.data(), n).size(), static_cast<size_t>(rowCount))
                << rowCount << " rows, cursor on " << cursorRow;
        }
    }
}

TEST(RowLevel, DivisorOfZeroOrLessGivesTheStart) {
    EXPECT_EQ(RowLevel(0, 3, 128), 128);
    EXPECT_EQ(RowLevel(-2, 0, 192), 192);
    EXPECT_EQ(RowLevel(4, 9, 128), 32);
    EXPECT_EQ(RowLevel(4, 2, 128), 80);
}

RowLayoutInput Row() {
    RowLayoutInput in{};
    in.x = 16;
    in.y = 100;
    in.itemIndent = 8;
    in.itemWidth = 148;
    in.itemHeight = 24;
    in.itemMargin = 6;
    in.iconSize = 16;
    in.arrowWidth = 8;
    in.arrowHeight = 8;
    return in;
}

TEST(LayoutRow, DepthOneWithMediumIndentationShiftsByOneIcon) {
    RowLayoutInput in = Row();
    in.depth = 1;
    in.indentOption = kOptIndentMedium;
    in.style = kStyleCursorRow;
    RowLayout r = LayoutRow(in);
    EXPECT_EQ(r.shift, 16);
    EXPECT_EQ(r.iconX, 32);
    EXPECT_EQ(r.iconY, 104);
    EXPECT_EQ(r.textLeft, 16 + 16 + 6 + 16);
    EXPECT_EQ(r.textRight, 16 + 148);  // the shift narrows the box, its right end stays
    in.style = 0;                      // not under the cursor: plus the indent
    EXPECT_EQ(LayoutRow(in).shift, 24);
    in.indentOption = kOptIndentLarge;
    EXPECT_EQ(LayoutRow(in).shift, 8 + 24);
    in.indentOption = kOptIndentSmall;
    EXPECT_EQ(LayoutRow(in).shift, 8 + 8);
}

TEST(LayoutRow, ArrowReservesItsWidthOrFollowsTheIconWithoutText) {
    RowLayoutInput in = Row();
    in.hasArrow = true;
    in.style = kStyleCursorRow;
    RowLayout r = LayoutRow(in);
    EXPECT_EQ(r.arrowX, 16 + 148 - 8);
    EXPECT_EQ(r.arrowY, 108);
    EXPECT_EQ(r.textRight, 16 + 148 - 8);
    in.noText = true;
    in.noIcons = true;
    r = LayoutRow(in);
    EXPECT_EQ(r.arrowX, 16 + 6 + 16);
    EXPECT_EQ(r.textLeft, 16);
}

TEST(IsSelectedStyle, OnlyTheCursorRowWithoutASlide) {
    EXPECT_TRUE(IsSelectedStyle(kStyleCursorRow));
    EXPECT_FALSE(IsSelectedStyle(kStyleCursorRow | kStyleScrolling));
    EXPECT_FALSE(IsSelectedStyle(kStyleInactiveRow));
    EXPECT_FALSE(IsSelectedStyle(0));
}

}  // namespace
