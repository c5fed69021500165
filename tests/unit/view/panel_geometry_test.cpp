#include "view/core/panel_geometry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The standard look's numbers with a 4-pixel frame and an 18-pixel caption.
PanelGeometry NineRows() {
    PanelGeometry g{};
    g.cursorRow = 4;
    g.panelWidth = 180;
    g.panelHeight = g.baseHeight = 22 + 4 + 231;
    g.selectLeft = 7;
    g.selectTop = 22 + 105;
    g.selectWidth = 166;
    g.selectHeight = 24;
    g.clickLeft = 16;
    g.clickTop = 31;
    g.clickWidth = 148;
    g.clickHeight = 9 * 24;
    g.closeLeft = 150;
    g.closeTop = 5;
    g.closeAlign = kAlignRight | kAlignTop;
    g.itemWidth = 148;
    g.itemHeight = 24;
    g.itemCount = 9;
    g.overlayLeft = 10;
    g.overlayTop = 200;
    g.overlayAlign = kAlignBottom;
    g.resizeFlags = kResizeVertical | kResizeHorizontal;
    return g;
}

TEST(ApplySavedSize, TwelveRowsOnANineRowSkinAddThreeRows) {
    PanelGeometry g = NineRows();
    ApplySavedSize(g, 12, 0);
    EXPECT_EQ(g.itemCount, 12);
    EXPECT_EQ(g.baseHeight, 257 + 72);
    EXPECT_EQ(g.clickHeight, 12 * 24);
    EXPECT_EQ(g.selectTop, 127 + 24);  // 3 / 2 = one row down
    EXPECT_EQ(g.closeTop, 5);          // the close button follows the top
    EXPECT_EQ(g.overlayTop, 272);      // the overlay follows the bottom
    EXPECT_EQ(g.panelWidth, 180);
}

TEST(ApplySavedSize, FewerRowsMoveTheCursorUpTruncatingTowardsZero) {
    PanelGeometry g = NineRows();
    ApplySavedSize(g, 6, 0);  // d = -3, -3 / 2 = -1
    EXPECT_EQ(g.selectTop, 127 - 24);
    EXPECT_EQ(g.baseHeight, 257 - 72);
}

TEST(ApplySavedSize, ZeroOrEqualValuesAndFixedSkinsLeaveTheSkin) {
    const PanelGeometry skin = NineRows();
    PanelGeometry g = skin;
    ApplySavedSize(g, 0, 0);
    ApplySavedSize(g, 9, 180);
    EXPECT_EQ(0, memcmp(&g, &skin, sizeof g));
    g.resizeFlags = kResizeFixed;
    ApplySavedSize(g, 15, 400);
    EXPECT_EQ(g.itemCount, 9);
    EXPECT_EQ(g.panelWidth, 180);
}

TEST(ApplySavedSize, WidthMovesRightAlignedPieces) {
    PanelGeometry g = NineRows();
    g.overlayAlign = kAlignRight;
    ApplySavedSize(g, 0, 230);
    EXPECT_EQ(g.panelWidth, 230);
    EXPECT_EQ(g.selectWidth, 216);
    EXPECT_EQ(g.clickWidth, 198);
    EXPECT_EQ(g.itemWidth, 198);
    EXPECT_EQ(g.closeLeft, 200);
    EXPECT_EQ(g.overlayLeft, 60);
}

KRect Rect(const PanelGeometry& g, int32_t extraW, int32_t extraH) {
    return KRect{100, 100, 100 + g.panelWidth + extraW, 100 + g.panelHeight + extraH};
}

TEST(SizingStep, TwoRowsOrLessSnapsBack) {
    PanelGeometry s = NineRows();
    for (int32_t dy : {47, 48, -47, -48}) {
        KRect r = Rect(s, 0, dy);
        EXPECT_FALSE(SizingStep(s, kEdgeBottom, r, 100)) << dy;
        EXPECT_EQ(r.bottom - r.top, 257) << dy;
        EXPECT_EQ(s.itemCount, 9) << dy;
    }
}

TEST(SizingStep, MoreThanTwoRowsAddsOrRemovesExactlyTwo) {
    PanelGeometry s = NineRows();
    KRect r = Rect(s, 0, 200);
    EXPECT_TRUE(SizingStep(s, kEdgeBottom, r, 100));
    EXPECT_EQ(s.itemCount, 11);
    EXPECT_EQ(s.baseHeight, 257 + 48);
    EXPECT_EQ(s.panelHeight, s.baseHeight);
    EXPECT_EQ(s.selectTop, 127 + 24);
    EXPECT_EQ(s.clickHeight, 11 * 24);
    EXPECT_EQ(s.overlayTop, 248);
    EXPECT_EQ(r.bottom - r.top, 305);
    r = Rect(s, 0, -49);
    EXPECT_TRUE(SizingStep(s, kEdgeBottom, r, 100));
    EXPECT_EQ(s.itemCount, 9);
    EXPECT_EQ(r.bottom - r.top, 257);
}

TEST(SizingStep, TwoRowsShrinkToNoneAndOneRowStays) {
    PanelGeometry s = NineRows();
    s.itemCount = 3;
    s.panelHeight = s.baseHeight = 120;
    KRect r = Rect(s, 0, -60);
    EXPECT_TRUE(SizingStep(s, kEdgeBottom, r, 100));
    EXPECT_EQ(s.itemCount, 1);
    r = Rect(s, 0, -60);
    EXPECT_FALSE(SizingStep(s, kEdgeBottom, r, 100));
    EXPECT_EQ(s.itemCount, 1);

    s.itemCount = 2;
    r = Rect(s, 0, -60);
    EXPECT_TRUE(SizingStep(s, kEdgeBottom, r, 100));
    EXPECT_EQ(s.itemCount, 0);
}

TEST(SizingStep, RowsOfNoHeightNeverGrowTheCount) {
    PanelGeometry s = NineRows();
    s.itemHeight = 0;
    KRect r = Rect(s, 0, 500);
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(SizingStep(s, kEdgeBottom, r, 100));
    EXPECT_EQ(s.itemCount, 9);
    EXPECT_EQ(r.bottom - r.top, s.panelHeight);
}

TEST(SizingStep, TheMinimumWidthHolds) {
    PanelGeometry s = NineRows();
    KRect r = Rect(s, -150, 0);
    EXPECT_FALSE(SizingStep(s, kEdgeRight, r, 112));
    EXPECT_EQ(r.right - r.left, 112);
    EXPECT_EQ(s.panelWidth, 180);  // the snapshot keeps its width
    r = Rect(s, 40, 0);
    EXPECT_TRUE(SizingStep(s, kEdgeBottomRight, r, 112));
    EXPECT_EQ(s.panelWidth, 220);
    EXPECT_EQ(s.itemWidth, 188);
    EXPECT_EQ(s.closeLeft, 190);
    EXPECT_EQ(s.itemCount, 9);  // no height change within two rows
}

TEST(SizingStep, OtherEdgesChangeNothing) {
    PanelGeometry s = NineRows();
    KRect r = Rect(s, 100, 100);
    const KRect before = r;
    EXPECT_FALSE(SizingStep(s, 1, r, 100));
    EXPECT_EQ(r.right, before.right);
    EXPECT_EQ(r.bottom, before.bottom);
}

TEST(HitTestBorder, BandsFollowTheResizeBits) {
    const KRect w{100, 100, 280, 357};
    const int32_t h = 257;
    EXPECT_EQ(BorderAt(3, w, h, 4, 4, {278, 355}), kHitBottomRight);
    EXPECT_EQ(BorderAt(3, w, h, 4, 4, {150, 355}), kHitBottom);
    EXPECT_EQ(BorderAt(3, w, h, 4, 4, {278, 200}), kHitRight);
    EXPECT_EQ(BorderAt(3, w, h, 4, 4, {150, 200}), 0);
    EXPECT_EQ(BorderAt(1, w, h, 4, 4, {278, 355}), kHitBottom);
    EXPECT_EQ(BorderAt(2, w, h, 4, 4, {278, 355}), kHitRight);
    EXPECT_EQ(BorderAt(2, w, h, 4, 4, {150, 355}), 0);
    EXPECT_EQ(BorderAt(4, w, h, 4, 4, {278, 355}), 0);
    EXPECT_EQ(BorderAt(3, w, h, 4, 4, {500, 355}), 0);  // outside the window
}

TEST(CursorRowAfterResize, MiddleOrKeptWhileItFits) {
    EXPECT_EQ(CursorRowAfterResize(2, 11, false), 5);
    EXPECT_EQ(CursorRowAfterResize(2, 7, true), 2);
    EXPECT_EQ(CursorRowAfterResize(8, 7, true), 6);
    EXPECT_EQ(CursorRowAfterResize(8, 0, true), 0);
}

TEST(CursorTop, MovesWithTheCursorRow) {
    EXPECT_EQ(CursorTop(127, 4, 9, 24), 127);
    EXPECT_EQ(CursorTop(127, 0, 9, 24), 31);
    EXPECT_EQ(CursorTop(127, 8, 9, 24), 223);
}

PlacementInput AtCursor(KPoint cursor) {
    PlacementInput in{};
    in.atCursor = true;
    in.cursor = cursor;
    in.width = 180;
    in.height = 257;
    in.itemTop = 31;
    in.itemHeight = 24;
    in.itemCount = 9;
    in.desktop = KRect{0, 0, 1024, 768};
    return in;
}

TEST(PlacePanelAt, CursorNearTheRightEdgeEndsAtTheEdge) {
    const PlacementResult r = PlacePanelAt(AtCursor({1000, 300}));
    EXPECT_EQ(r.kind, Placement::kMove);
    EXPECT_EQ(r.position.x, 1024 - 180);
    EXPECT_EQ(r.position.y, 300 - 108 - 31);
}

TEST(PlacePanelAt, WithoutEdgeCorrectionThePanelMayLeaveTheScreen) {
    PlacementInput in = AtCursor({1000, 20});
    in.noEdgeCorrection = true;
    const PlacementResult r = PlacePanelAt(in);
    EXPECT_EQ(r.position.x, 910);
    EXPECT_EQ(r.position.y, 20 - 108 - 31);
}

TEST(PlacePanelAt, TopLeftAndAVirtualScreenLeftOfThePrimary) {
    PlacementInput in = AtCursor({10, 5});
    EXPECT_EQ(PlacePanelAt(in).position.x, 0);
    EXPECT_EQ(PlacePanelAt(in).position.y, 0);
    in.desktop = KRect{-1280, 0, 1024, 768};
    in.cursor = {-1200, 700};
    const PlacementResult r = PlacePanelAt(in);
    EXPECT_EQ(r.position.x, -1280);
    EXPECT_EQ(r.position.y, 768 - 257);
    // A panel taller than the desktop: the bottom edge wins over the top.
    in.height = 1000;
    EXPECT_EQ(PlacePanelAt(in).position.y, 768 - 1000);
}

TEST(PlacePanelAt, PreviousPositionCentreAndNothing) {
    PlacementInput in = AtCursor({500, 500});
    in.previous = true;
    in.saved = {33, 44};
    PlacementResult r = PlacePanelAt(in);
    EXPECT_EQ(r.kind, Placement::kMove);
    EXPECT_EQ(r.position.x, 33);
    in.previous = false;
    in.center = true;
    EXPECT_EQ(PlacePanelAt(in).kind, Placement::kCenter);
    in.center = false;
    in.atCursor = false;
    EXPECT_EQ(PlacePanelAt(in).kind, Placement::kKeep);
}

// A desk of two monitors whose taskbars take the bottom 40 and 56 pixels.
const KRect kDesk[] = {{0, 0, 1920, 1040}, {1920, 0, 3200, 968}};

TEST(KeepOnMonitors, APanelMostlyOffEveryMonitorGoesInsideTheNearest) {
    // Beyond both: the nearer second monitor, ending at its work area's corner.
    KPoint p = KeepOnMonitors({5000, 5000}, 180, 257, kDesk, 2);
    EXPECT_EQ(p.x, 3200 - 180);
    EXPECT_EQ(p.y, 968 - 257);
    // Only 40 of 180 columns on screen: moved in, its row kept.
    p = KeepOnMonitors({3160, 100}, 180, 257, kDesk, 2);
    EXPECT_EQ(p.x, 3200 - 180);
    EXPECT_EQ(p.y, 100);
    // Half on screen, or across the two monitors, is left where the user put it.
    p = KeepOnMonitors({3110, 100}, 180, 257, kDesk, 2);
    EXPECT_EQ(p.x, 3110);
    p = KeepOnMonitors({1830, 300}, 180, 257, kDesk, 2);
    EXPECT_EQ(p.x, 1830);
    EXPECT_EQ(p.y, 300);
    // Coordinates near the ends of the range do not overflow the area sums.
    p = KeepOnMonitors({2147483000, 2147483000}, 180, 257, kDesk, 2);
    EXPECT_EQ(p.x, 3200 - 180);
}

TEST(PlacePanelAt, EveryRuleEndsOnAMonitor) {
    PlacementInput in = AtCursor({500, 500});
    in.workAreas = kDesk;
    in.workAreaCount = 2;
    in.previous = true;
    in.saved = {5000, 5000};
    PlacementResult r = PlacePanelAt(in);
    EXPECT_EQ(r.kind, Placement::kMove);
    EXPECT_EQ(r.position.x, 3200 - 180);
    // A rule that leaves the window moves it only when it is off the monitors
    // (left of and above everything here).
    in.previous = false;
    in.atCursor = false;
    in.current = {300, 200};
    EXPECT_EQ(PlacePanelAt(in).kind, Placement::kKeep);
    in.current = {-3000, 200};
    r = PlacePanelAt(in);
    EXPECT_EQ(r.kind, Placement::kMove);
    EXPECT_EQ(r.position.x, 0);
    EXPECT_EQ(r.position.y, 200);
}

TEST(PlacePanelAt, OnTheCursorMonitorInsteadOfTheDesktop) {
    PlacementInput in = AtCursor({3190, 960});
    in.desktop = KRect{0, 0, 3200, 1080};
    in.workAreas = kDesk;
    in.workAreaCount = 2;
    in.onCursorMonitor = true;
    in.cursorWork = kDesk[1];
    PlacementResult r = PlacePanelAt(in);
    EXPECT_EQ(r.position.x, 3200 - 180);
    EXPECT_EQ(r.position.y, 968 - 257);
    // The centre is the cursor monitor's, worked out here, not the primary's.
    in.atCursor = false;
    in.center = true;
    r = PlacePanelAt(in);
    EXPECT_EQ(r.kind, Placement::kMove);
    EXPECT_EQ(r.position.x, 1920 + (1280 - 180) / 2);
    EXPECT_EQ(r.position.y, (968 - 257) / 2);
    // A position saved on the other monitor is brought to this one.
    in.center = false;
    in.previous = true;
    in.saved = {100, 100};
    EXPECT_EQ(PlacePanelAt(in).position.x, 1920);
    // Without edge correction the panel at the cursor may still leave it.
    in.previous = false;
    in.atCursor = true;
    in.noEdgeCorrection = true;
    in.cursor = {1930, 500};
    EXPECT_EQ(PlacePanelAt(in).position.x, 1930 - 90);
}

}  // namespace
