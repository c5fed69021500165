#include "view/core/scroll_logic.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A list from a pattern: 'i' an item, '-' a separator.
class List {
public:
    explicit List(const std::string& pattern) {
        for (char c : pattern) {
            PanelItem item{};
            if (c == '-') item.flags = kItemSeparator;
            AppendItem(&head_, item);
        }
    }
    ~List() { FreeItemList(&head_); }
    PanelItem* Head() { return head_; }

private:
    PanelItem* head_ = nullptr;
};

TEST(WheelStep, FractionsOfANotchAddUpToWholeNotches) {
    int32_t pending = 0;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(TakeWholeNotches(pending, -30), 0);
    EXPECT_EQ(TakeWholeNotches(pending, -30), -120);  // the fourth quarter completes a notch down
    EXPECT_EQ(TakeWholeNotches(pending, 250), 240);   // two notches up, 10 kept
    EXPECT_EQ(TakeWholeNotches(pending, -20), 0);     // turning back first uses up the rest
    EXPECT_EQ(TakeWholeNotches(pending, -110), -120);
    EXPECT_EQ(pending, 0);
    EXPECT_EQ(TakeWholeNotches(pending, INT32_MIN), INT32_MIN / 120 * 120);
}

TEST(WheelStep, DeltaAccelerationAndShift) {
    EXPECT_EQ(WheelStep(-360, false, false, 9), 3);  // towards the user: down, three items
    EXPECT_EQ(WheelStep(-360, true, false, 9), 1);
    EXPECT_EQ(WheelStep(120, false, false, 9), -1);
    EXPECT_EQ(WheelStep(60, false, false, 9), 0);  // part of a notch is ignored
    EXPECT_EQ(WheelStep(-119, false, true, 9), 0);
    EXPECT_EQ(WheelStep(-120, false, true, 9), 5);
    EXPECT_EQ(WheelStep(240, true, true, 9), -5);
    EXPECT_EQ(PageStep(9), 5);
}

TEST(PlanScroll, LoopingAndNoLoopAtTheEnds) {
    List list("iiii");
    ScrollOptions loop;
    ScrollPlan p = PlanScroll(list.Head(), {3, 4}, 9, kScrollDown, 1, loop);
    EXPECT_EQ(p.kind, ScrollPlan::kScroll);
    EXPECT_EQ(CompleteStep(list.Head(), 3, p.step), 0);  // down from the last item wraps to 0

    ScrollOptions noLoop;
    noLoop.noLoop = true;
    EXPECT_EQ(PlanScroll(list.Head(), {3, 4}, 9, kScrollDown, 1, noLoop).kind, ScrollPlan::kIgnore);
    EXPECT_EQ(PlanScroll(list.Head(), {0, 4}, 9, kScrollUp, -1, noLoop).kind, ScrollPlan::kIgnore);
    // A long step is cut at the ends.
    p = PlanScroll(list.Head(), {1, 4}, 9, kScrollDown, 5, noLoop);
    EXPECT_EQ(p.step, 2);
    p = PlanScroll(list.Head(), {2, 4}, 9, kScrollUp, -5, noLoop);
    EXPECT_EQ(p.step, -2);
}

TEST(PlanScroll, SeparatorsExtendOrShortenSteps) {
    List list("ii-ii-");
    // Landing on a separator goes one further in the same direction.
    EXPECT_EQ(CompleteStep(list.Head(), 1, 1), 3);
    EXPECT_EQ(CompleteStep(list.Head(), 3, -1), 1);
    ScrollOptions loop;
    EXPECT_TRUE(PlanScroll(list.Head(), {1, 4}, 9, kScrollDown, 1, loop).targetIsSeparator);
    EXPECT_FALSE(PlanScroll(list.Head(), {0, 4}, 9, kScrollDown, 1, loop).targetIsSeparator);
    // Without looping a step that would end on a separator as the last item is shortened.
    ScrollOptions noLoop;
    noLoop.noLoop = true;
    ScrollPlan p = PlanScroll(list.Head(), {3, 4}, 9, kScrollDown, 2, noLoop);
    EXPECT_EQ(p.kind, ScrollPlan::kScroll);
    EXPECT_EQ(p.step, 1);
    EXPECT_EQ(PlanScroll(list.Head(), {4, 4}, 9, kScrollDown, 1, noLoop).kind, ScrollPlan::kIgnore);
    List leading("-ii");
    EXPECT_EQ(PlanScroll(leading.Head(), {1, 4}, 9, kScrollUp, -1, noLoop).kind, ScrollPlan::kIgnore);
}

TEST(PlanScroll, NoLoopReferenceFollowsTheVisibleRowsWithMouseFollowing) {
    List list("iiiiiiiiii");  // 10 items, 5 rows
    ScrollOptions o;
    o.noLoop = true;
    o.followMouse = true;
    // Cursor on row 0 at item 5: the bottom row shows item 9, the last: nothing moves.
    EXPECT_EQ(PlanScroll(list.Head(), {5, 0}, 5, kScrollDown, 1, o).kind, ScrollPlan::kIgnore);
    // Cursor on row 4 at item 5: the top row shows item 1, so one step up is allowed, two are cut.
    EXPECT_EQ(PlanScroll(list.Head(), {5, 4}, 5, kScrollUp, -3, o).step, -1);
}

TEST(PlanScroll, ReversalFlipsDirectionAndStep) {
    List list("iiii");
    ScrollOptions o;
    o.reverse = true;
    const ScrollPlan p = PlanScroll(list.Head(), {1, 4}, 9, kScrollDown, 1, o);
    EXPECT_EQ(p.direction, kScrollUp);
    EXPECT_EQ(p.step, -1);
}

TEST(PlanScroll, CursorFollowsTheWheelUntilTheLastRow) {
    List list("iiiiiiiiiiii");
    ScrollOptions o;
    o.followWheel = true;
    ScrollPlan p = PlanScroll(list.Head(), {4, 4}, 9, kScrollDown, 1, o);
    EXPECT_EQ(p.kind, ScrollPlan::kMoveCursor);
    EXPECT_EQ(p.cursorMove, 1);
    p = PlanScroll(list.Head(), {8, 8}, 9, kScrollDown, 1, o);  // on the last row: the list scrolls
    EXPECT_EQ(p.kind, ScrollPlan::kScroll);
    List sep("i-iiii");
    p = PlanScroll(sep.Head(), {0, 0}, 9, kScrollDown, 1, o);  // the next item is a separator: two rows
    EXPECT_EQ(p.cursorMove, 2);
    p = PlanScroll(sep.Head(), {2, 1}, 9, kScrollUp, -1, o);  // two rows up would pass the top: scroll
    EXPECT_EQ(p.kind, ScrollPlan::kScroll);
}

TEST(PlanScroll, EmptyListDoesNothing) {
    List empty("");
    EXPECT_EQ(PlanScroll(empty.Head(), {0, 0}, 9, kScrollDown, 1, ScrollOptions()).kind, ScrollPlan::kIgnore);
    EXPECT_EQ(CompleteStep(empty.Head(), 0, 1), 0);
}

TEST(FollowMouse, BandsAndMoves) {
    // Rows of 24 pixels from y = 10 with 16-pixel icons: bands start 4 pixels lower.
    EXPECT_EQ(RowAtPoint(13, 10, 24, 16, 9), -1);
    EXPECT_EQ(RowAtPoint(14, 10, 24, 16, 9), 0);
    EXPECT_EQ(RowAtPoint(37, 10, 24, 16, 9), 0);
    EXPECT_EQ(RowAtPoint(38, 10, 24, 16, 9), 1);
    EXPECT_EQ(RowAtPoint(14 + 9 * 24, 10, 24, 16, 9), -1);
    EXPECT_EQ(RowAtPoint(50, 10, 0, 16, 9), -1);  // no rows of zero height

    List list("ii-iii");
    CursorPosition at{1, 4};
    CursorPosition p = FollowToRow(list.Head(), at, 6, false);  // +2 lands on item 3
    EXPECT_EQ(p.current, 3);
    EXPECT_EQ(p.cursorRow, 6);
    p = FollowToRow(list.Head(), at, 5, false);  // onto the separator: nothing moves
    EXPECT_EQ(p.current, 1);
    EXPECT_EQ(p.cursorRow, 4);
    p = FollowToRow(list.Head(), at, 2, false);  // -2 wraps to item 5
    EXPECT_EQ(p.current, 5);
    p = FollowToRow(list.Head(), at, 2, true);  // without looping it stays
    EXPECT_EQ(p.current, 1);
    EXPECT_EQ(p.cursorRow, 4);
}

TEST(ShowReset, CursorRowAndListPosition) {
    List four("iiii");
    ShowOptions o;
    // 4 items and 9 rows: 9 / 2 = 4 is not below 4, so the index resets to 0.
    CursorPosition p = PositionForShow(four.Head(), {3, 0}, 9, false, o);
    EXPECT_EQ(p.current, 0);
    EXPECT_EQ(p.cursorRow, 4);

    List many("iiiiiiiiiiii");
    o.resetList = true;
    p = PositionForShow(many.Head(), {7, 0}, 9, false, o);
    EXPECT_EQ(p.current, 0);  // item 0 on the cursor row
    o.firstItemOnTopRow = true;
    p = PositionForShow(many.Head(), {7, 0}, 9, false, o);
    EXPECT_EQ(p.current, 4);  // item 0 on the top row
    p = PositionForShow(many.Head(), {7, 0}, 9, true, o);
    EXPECT_EQ(p.current, 7);  // already shown: no reset

    ShowOptions follow;
    follow.followMouse = true;
    follow.keepCursorRow = true;
    p = PositionForShow(many.Head(), {7, 2}, 9, false, follow);
    EXPECT_EQ(p.cursorRow, 2);
    follow.cursorToTop = true;
    EXPECT_EQ(PositionForShow(many.Head(), {7, 2}, 9, false, follow).cursorRow, 0);

    List sep("i-iiiiiiiiii");
    EXPECT_EQ(PositionForShow(sep.Head(), {1, 0}, 9, false, ShowOptions()).current, 2);
}

}  // namespace
