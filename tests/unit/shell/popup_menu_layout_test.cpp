#include "shell/core/popup_menu_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Same(const KRect& a, const KRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Measured(const char* text) {
    char out[300];
    MenuMeasureText(text, out, sizeof out);
    return out;
}

TEST(MenuRecords, FitTheSkinListsSlots) { EXPECT_LE(sizeof(MenuItemRecord), 276u); }

TEST(MenuRecords, CommandIconsByPosition) {
    // Open, separator, options, skins, reorder, refresh, separator, About, separator, exit.
    const uint32_t expected[] = {0, 0, 2, 0, 5, 4, 0, 3, 0, 0};
    for (int i = 0; i < kTopMenuItems; ++i) EXPECT_EQ(MenuIconCell(i), expected[i]) << i;
    EXPECT_EQ(MenuIconCell(-1), 0u);
    EXPECT_EQ(MenuIconCell(10), 0u);
}

TEST(MenuMeasure, TextIsLeftTwoSpacesAndRight) {
    EXPECT_EQ(Measured("パネルを開く(&P)...\tCtrl+Alt+Q"), "パネルを開く(&P)...  Ctrl+Alt+Q");
    EXPECT_EQ(Measured("オプション(&O)..."), "オプション(&O)...  ");
    EXPECT_EQ(Measured("a\t"), "a  ");
    EXPECT_EQ(Measured(""), "  ");
    // Only the first tab splits; the right part ends at the next one.
    EXPECT_EQ(Measured("a\tb\tc"), "a  b");
}

TEST(MenuMeasure, ItemsAreTextPlus36WideAndAtLeast20High) {
    EXPECT_EQ(MenuItemSize(100, 12).x, 136);
    EXPECT_EQ(MenuItemSize(100, 12).y, 20);
    EXPECT_EQ(MenuItemSize(100, 14).y, 20);
    EXPECT_EQ(MenuItemSize(100, 15).y, 21);
    EXPECT_EQ(MenuItemSize(0, 0).y, 20);
}

TEST(MenuDraw, SeparatorIsATwoPixelLineInsetBy22) {
    MenuItemLook look{};
    look.separator = true;
    const MenuItemPlan p = PlanMenuItem(KRect{0, 100, 200, 116}, look);
    EXPECT_TRUE(p.separator);
    EXPECT_TRUE(Same(p.separatorRect, KRect{22, 107, 178, 109}));
    EXPECT_FALSE(p.fillBackground);
    EXPECT_EQ(p.iconCell, -1);
}

TEST(MenuDraw, HighlightedItemWithoutIconIsFilledCompletely) {
    MenuItemLook look{};
    look.selected = true;
    const KRect item{0, 20, 180, 42};
    const MenuItemPlan p = PlanMenuItem(item, look);
    EXPECT_TRUE(p.fillBackground);
    EXPECT_TRUE(p.highlight);
    EXPECT_TRUE(Same(p.highlightRect, item));
    EXPECT_FALSE(p.raisedEdge);
    EXPECT_EQ(p.iconCell, -1);
    EXPECT_EQ(p.textX, 0 + 22 + 4);
    EXPECT_EQ(p.rightTextEnd, 164);
}

TEST(MenuDraw, HighlightedItemWithIconKeepsItsSquareWithARaisedEdge) {
    MenuItemLook look{};
    look.selected = true;
    look.iconCell = 2;  // options
    const MenuItemPlan p = PlanMenuItem(KRect{0, 20, 180, 42}, look);
    EXPECT_TRUE(Same(p.highlightRect, KRect{22, 20, 180, 42}));
    EXPECT_TRUE(p.raisedEdge);
    EXPECT_TRUE(Same(p.edgeRect, KRect{0, 20, 22, 42}));
    EXPECT_EQ(p.iconCell, 2);
    EXPECT_EQ(p.iconPos.x, 3);  // centred in the 22-pixel square
    EXPECT_EQ(p.iconPos.y, 23);
}

TEST(MenuDraw, CheckedItemsShowTheCheckCells) {
    MenuItemLook look{};
    look.checked = true;
    MenuItemPlan p = PlanMenuItem(KRect{0, 0, 100, 20}, look);
    EXPECT_EQ(p.iconCell, kCellChecked);
    EXPECT_FALSE(p.highlight);
    look.selected = true;
    p = PlanMenuItem(KRect{0, 0, 100, 20}, look);
    EXPECT_EQ(p.iconCell, kCellCheckedHighlighted);
    // The check square stays out of the highlight, without an edge.
    EXPECT_TRUE(Same(p.highlightRect, KRect{20, 0, 100, 20}));
    EXPECT_FALSE(p.raisedEdge);
}

TEST(MenuDraw, GreyedItemsGetNoBackgroundAndNoHighlight) {
    MenuItemLook look{};
    look.grayed = true;
    look.selected = true;
    look.iconCell = 5;
    const MenuItemPlan p = PlanMenuItem(KRect{0, 0, 100, 20}, look);
    EXPECT_TRUE(p.disabled);
    EXPECT_FALSE(p.fillBackground);
    EXPECT_FALSE(p.highlight);
    EXPECT_FALSE(p.raisedEdge);
    EXPECT_EQ(p.iconCell, 5);
}

TEST(MenuDraw, UnselectedItemIsOnlyFilledWithTheBackground) {
    MenuItemLook look{};
    look.iconCell = 4;
    const MenuItemPlan p = PlanMenuItem(KRect{10, 0, 100, 24}, look);
    EXPECT_TRUE(p.fillBackground);
    EXPECT_FALSE(p.highlight);
    EXPECT_EQ(p.iconCell, 4);
    EXPECT_EQ(p.iconPos.x, 14);
    EXPECT_EQ(p.textX, 10 + 24 + 4);
}

}  // namespace
