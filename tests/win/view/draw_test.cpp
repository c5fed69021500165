// The panel picture in the back buffer: frame, cursor, rows, gradient.
#include <cstring>

#include "base/core/settings.h"
#include "base/program_windows.h"
#include "view/panel_draw.h"
#include "view/panel_surfaces.h"
#include "view/core/scroll_logic.h"
#include "view/selection.h"
#include "view/view_state.h"
#include "view_fixture.h"

namespace {

constexpr COLORREF kIcon = RGB(0, 160, 0);

RECT CursorRect(int row) {
    const int top = gSkin.selectTop + (row - gSkin.itemCount / 2) * gSkin.itemHeight;
    return RECT{gSkin.selectLeft, top, gSkin.selectLeft + gSkin.selectWidth, top + gSkin.selectHeight};
}

class DrawTest : public ViewTest {};

// Columns of the icon in a row: the first and last x holding the icon colour.
std::pair<int, int> IconSpan(const ViewTest& t, int row, COLORREF c) {
    const int y = gSkin.itemTop + row * gSkin.itemHeight + gSkin.itemHeight / 2;
    int first = -1, last = -1;
    for (int x = 0; x < gSkin.panelWidth; ++x) {
        if (!SameRgb(t.Pixel(x, y), c)) continue;
        if (first < 0) first = x;
        last = x;
    }
    return {first, last};
}

TEST_F(DrawTest, EmptyListDrawsTheFrameAndTheCursorOnly) {
    Layout();
    RedrawPanel(window_);
    SaveBackBuffer("empty-classic");
    const RECT cursor = CursorRect(4);
    // The cursor: frame colour on its edge, back colour inside.
    EXPECT_TRUE(SameRgb(Pixel(cursor.left, cursor.top + 5), gSkin.selectFrameColor));
    EXPECT_TRUE(SameRgb(Pixel(cursor.left + 20, cursor.top + 10), gSkin.selectBackColor));
    // No row but the cursor's has anything but the face colour.
    for (int row = 0; row < 9; ++row) {
        if (row == 4) continue;
        EXPECT_EQ(CountNot(RowTextRect(row), gSkin.backColor), 0) << "row " << row;
    }
}

TEST_F(DrawTest, TheCursorFollowsTheCursorRowAndHasAnInactiveVariant) {
    Layout();
    gView.cursorRow = 1;
    RedrawPanel(window_);
    EXPECT_TRUE(SameRgb(Pixel(CursorRect(1).left + 20, CursorRect(1).top + 10), gSkin.selectBackColor));
    EXPECT_TRUE(SameRgb(Pixel(CursorRect(4).left + 20, CursorRect(4).top + 10), gSkin.backColor));

    gMarkers.active = 0;
    RedrawPanel(window_);
    EXPECT_TRUE(SameRgb(Pixel(CursorRect(1).left + 20, CursorRect(1).top + 10), gSkin.backColor));
    // kOptActiveCursorAlways keeps the active cursor on an inactive panel.
    SetOption(kOptActiveCursorAlways);
    RedrawPanel(window_);
    EXPECT_TRUE(SameRgb(Pixel(CursorRect(1).left + 20, CursorRect(1).top + 10), gSkin.selectBackColor));
}

TEST_F(DrawTest, SkinFramesUseTheActiveOrInactiveFrame) {
    UseSolidSkin(RGB(200, 100, 50), RGB(20, 40, 220), false);
    Layout();
    RedrawPanel(window_);
    SaveBackBuffer("solid-active");
    EXPECT_TRUE(SameRgb(Pixel(2, 2), RGB(200, 100, 50)));
    EXPECT_TRUE(SameRgb(Pixel(CursorRect(4).left + 3, CursorRect(4).top + 3), RGB(20, 40, 220)));
    gMarkers.active = 0;
    RedrawPanel(window_);
    EXPECT_TRUE(SameRgb(Pixel(2, 2), RGB(90, 90, 90)));
    EXPECT_TRUE(SameRgb(Pixel(CursorRect(4).left + 3, CursorRect(4).top + 3), RGB(60, 60, 60)));
}

TEST_F(DrawTest, ThreeItemsRepeatOverNineRowsAndStopWithoutLoop) {
    MakeIcon(kIcon);
    AddItems({"a", "b", "c"}, 0);
    Layout();
    gView.currentIndex = 1;
    RedrawPanel(window_);
    for (int row = 0; row < 9; ++row) EXPECT_GT(CountColor(RowTextRect(row), kIcon), 0) << "row " << row;

    SetOption(kOptNoLoop);
    RedrawPanel(window_);
    SaveBackBuffer("three-no-loop");
    for (int row = 0; row < 9; ++row) {
        const bool filled = row >= 3 && row <= 5;
        EXPECT_EQ(CountColor(RowTextRect(row), kIcon) > 0, filled) << "row " << row;
    }
}

TEST_F(DrawTest, EveryRowOfATallPanelIsDrawn) {
    MakeIcon(kIcon);
    AddItems({"a", "b", "c"}, 0);
    for (int rows : {62, 70}) {
        gSkin.itemCount = rows;
        gSkin.panelHeight = gSkin.baseHeight = gSkin.itemTop + rows * gSkin.itemHeight + 10;
        gSkin.selectTop = gSkin.itemTop + rows / 2 * gSkin.itemHeight;
        Layout();
        RedrawPanel(window_);
        for (int row = 0; row < rows; ++row)
            EXPECT_GT(CountColor(RowTextRect(row), kIcon), 0) << rows << " rows: row " << row;
    }
}

TEST_F(DrawTest, UnselectedRowsBlendTheirIconsAndTheCursorRowDoesNot) {
    MakeIcon(kIcon);
    AddItems({"a", "b", "c"}, 0);
    Layout();
    RedrawPanel(window_);
    // The cursor row shows the icon itself; others only a 25 % blend of it.
    EXPECT_GT(CountColor(RowTextRect(4), kIcon), 200);
    EXPECT_LT(CountColor(RowTextRect(3), kIcon), 200);
}

TEST_F(DrawTest, LongNamesEndInAnEllipsisAndSwitchTheTooltip) {
    AddItems({"short", std::string(200, 'W')});
    Layout();
    RedrawPanel(window_);
    EXPECT_FALSE(gPanel.rowTipActive);
    gView.currentIndex = 1;
    RedrawPanel(window_);
    EXPECT_TRUE(gPanel.rowTipActive);
    // The text stays inside the row: nothing is drawn right of the text box.
    const RECT right{gSkin.itemLeft + gSkin.itemWidth, CursorRect(4).top + 3, gSkin.selectLeft + gSkin.selectWidth - 1,
                     CursorRect(4).bottom - 3};
    EXPECT_EQ(CountNot(right, gSkin.selectBackColor), 0);
    // kOptNoTooltips switches an active tooltip off, and then it stays off.
    SetOption(kOptNoTooltips);
    RedrawPanel(window_);
    EXPECT_FALSE(gPanel.rowTipActive);
    RedrawPanel(window_);
    EXPECT_FALSE(gPanel.rowTipActive);
}

TEST_F(DrawTest, DepthOneIsIndentedByOneIconWithMediumIndentation) {
    MakeIcon(kIcon);
    AddItems({"folder", "child", "other"}, 0);
    gItems.head->next->depth = 1;
    gSkin.itemIndent = 8;
    SetOption(kOptIndentMedium);
    Layout();
    gView.currentIndex = 1;  // the child on the cursor row: no indent, one icon of shift
    RedrawPanel(window_);
    EXPECT_EQ(IconSpan(*this, 4, kIcon).first, gSkin.itemLeft + 16);
    gView.currentIndex = 0;  // the folder on the cursor row, the child below it
    RedrawPanel(window_);
    EXPECT_EQ(IconSpan(*this, 4, kIcon).first, gSkin.itemLeft);
    // Off the cursor row the (blended) icon is shifted by the indent as well.
    const int y = gSkin.itemTop + 5 * gSkin.itemHeight + gSkin.itemHeight / 2;
    int first = -1;
    for (int x = gSkin.itemLeft; x < gSkin.itemLeft + 60 && first < 0; ++x)
        if (!SameRgb(Pixel(x, y), gSkin.backColor)) first = x;
    EXPECT_EQ(first, gSkin.itemLeft + 8 + 16);
}

TEST_F(DrawTest, NoIconsAndNoTextLeaveOnlyTheFolderArrows) {
    AddItems({"plain", "folder", "plain2"}, -1);
    gItems.head->next->flags = kItemFolder;
    CreateArrowImageList();
    ImageList_SetIconSize(gItems.arrowImages.Get(), 8, 8);
    {
        HDC screen = GetDC(nullptr);
        HBITMAP b = CreateCompatibleBitmap(screen, 32, 8);
        ReleaseDC(nullptr, screen);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, b);
        RECT r{0, 0, 32, 8};
        HBRUSH br = CreateSolidBrush(RGB(200, 0, 0));
        FillRect(dc, &r, br);
        DeleteObject(br);
        SelectObject(dc, old);
        DeleteDC(dc);
        ImageList_AddMasked(gItems.arrowImages.Get(), b, RGB(255, 0, 255));
        DeleteObject(b);
    }
    for (OptionFlag f : {kOptFoldersInPanel, kOptFolderArrow, kOptNoIcons, kOptNoText}) SetOption(f);
    Layout();
    gView.currentIndex = 1;
    RedrawPanel(window_);
    SaveBackBuffer("arrows-only");
    // Only the folder row shows anything over the cursor's back colour: its arrow.
    const RECT row = RowTextRect(4);
    EXPECT_GT(CountColor(row, RGB(200, 0, 0)), 20);
    EXPECT_EQ(CountNot(row, gSkin.selectBackColor) - CountColor(row, RGB(200, 0, 0)), 0);
    // The arrow sits after the icon's place: itemLeft + itemMargin + iconSize.
    EXPECT_TRUE(SameRgb(Pixel(gSkin.itemLeft + 6 + 16 + 1, row.top + 10), RGB(200, 0, 0)));
    EXPECT_EQ(CountNot(RowTextRect(3), gSkin.backColor), 0);
    EXPECT_EQ(CountNot(RowTextRect(5), gSkin.backColor), 0);
}

TEST_F(DrawTest, GradientRowsFadeTowardsTheBackground) {
    MakeIcon(kIcon);
    AddItems({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 0);
    SetOption(kOptGradient);
    Layout();
    ASSERT_NE(gPanel.iconScratch[0].dc, nullptr);
    gView.currentIndex = 5;
    RedrawPanel(window_);
    SaveBackBuffer("gradient");
    auto iconGreen = [&](int row) {
        const int y = gSkin.itemTop + row * gSkin.itemHeight + gSkin.itemHeight / 2;
        return GetGValue(Pixel(gSkin.itemLeft + 8, y));
    };
    const int face = GetGValue(gSkin.backColor);
    // Level 192 next to the cursor, 32 at the ends: the icon moves towards the face colour.
    const int nextRow = iconGreen(5), lastRow = iconGreen(8);
    EXPECT_NEAR(nextRow, face + (160 - face) * 192 / 256, 2);
    EXPECT_NEAR(lastRow, face + (160 - face) * 32 / 256, 2);
    EXPECT_TRUE(SameRgb(Pixel(gSkin.itemLeft + 8, gSkin.itemTop + 4 * 24 + 12), kIcon));
}

TEST_F(DrawTest, SeparatorsDrawASunkenLineInTheClassicLook) {
    AddItems({"a", "-", "b"});
    Layout();
    RedrawPanel(window_);
    const int y = gSkin.itemTop + 5 * gSkin.itemHeight + (gSkin.itemHeight - 2) / 2;
    EXPECT_TRUE(SameRgb(Pixel(gSkin.itemLeft + 40, y), GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_TRUE(SameRgb(Pixel(gSkin.itemLeft + 40, y + 1), GetSysColor(COLOR_BTNHIGHLIGHT)));
    // The margins stay clear.
    EXPECT_TRUE(SameRgb(Pixel(gSkin.itemLeft + 5, y), gSkin.backColor));
}

TEST_F(DrawTest, ScrollingDisplacesEveryRowAndDrawsTheCursorRowUnselected) {
    MakeIcon(kIcon);
    AddItems({"a"}, 0);
    AddItems({"b", "c"});  // only the current item shows an icon
    SetOption(kOptAnimateScroll);
    Layout();
    gView.scrollDirection = 1;
    gView.scrollStart = 1000;
    gView.scrollNow = 1050;
    gView.scrollLength = 100;
    gView.scrollDistance = 24;
    RedrawPanel(window_);
    // Half way: the icon of the cursor row is 12 pixels up and blended.
    const auto span = IconSpan(*this, 4, kIcon);
    EXPECT_EQ(span.first, -1);
    const int iconTop = gSkin.itemTop + 4 * 24 + 4 - 12;
    EXPECT_FALSE(SameRgb(Pixel(gSkin.itemLeft + 8, iconTop + 2), gSkin.selectBackColor));
    // Towards higher indexes the rows move up: no icon stands as far below.
    EXPECT_TRUE(SameRgb(Pixel(gSkin.itemLeft + 8, iconTop + 24 + 2), gSkin.selectBackColor));
}

TEST_F(DrawTest, ARedrawBeforeTheFirstSlideTickLeavesTheRowsInPlace) {
    MakeIcon(kIcon);
    AddItems({"a", "b", "-", "d", "e"}, 0);
    SetOption(kOptAnimateScroll);
    Layout();
    RedrawPanel(window_);
    auto iconRows = [&] {
        std::vector<bool> rows;
        for (int row = 0; row < 9; ++row)
            if (row != 4) rows.push_back(CountColor(RowTextRect(row), kIcon) > 0);
        return rows;
    };
    const std::vector<bool> still = iconRows();
    // The tick of an earlier slide, which a wrapped tick count can put after
    // the new start.
    gView.scrollNow = GetTickCount() + 100000;
    gView.scrollStep = 1;
    StartScroll(window_, kScrollDown);
    ASSERT_NE(gView.scrollStart, 0u);
    RedrawPanel(window_);
    EXPECT_EQ(iconRows(), still);
}

TEST_F(DrawTest, ShadowsAreDrawnUnderTheTextAndAcceleratorsHideTheirMark) {
    AddItems({"W&W", "W&W", "W&W"});
    gSkin.otherItemFont.flags = kFontHasShadow;
    gSkin.otherItemFont.shadowColor = RGB(220, 0, 0);
    Layout();
    RedrawPanel(window_);
    EXPECT_GT(CountColor(RowTextRect(3), RGB(220, 0, 0)), 5);
    EXPECT_EQ(CountColor(RowTextRect(4), RGB(220, 0, 0)), 0);  // the selected font has no shadow
    // With keyboard accelerators the "&" is not drawn: the text is narrower.
    auto rightmost = [&](int row) {
        const RECT r = RowTextRect(row);
        int last = -1;
        for (int x = r.left; x < r.right; ++x)
            for (int y = r.top; y < r.bottom; ++y)
                if (SameRgb(Pixel(x, y), RGB(0, 0, 0))) last = x;
        return last;
    };
    const int withMark = rightmost(3);
    SetOption(kOptAccelerators);
    RedrawPanel(window_);
    EXPECT_LT(rightmost(3), withMark);
}

}  // namespace
