#include "options/core/design_parts.h"

#include <gtest/gtest.h>

#include "skin/core/skin_words.h"

namespace {

// A 200 x 120 panel at (10, 20): rows of 24 from (8, 30), 180 wide, 16-pixel
// icons 4 from the text, 9-point text at 96 dots per inch (12 pixels high).
PreviewHitInput Miniature(int32_t kind) {
    PreviewHitInput in{};
    in.x0 = 10;
    in.y0 = 20;
    in.kind = kind;
    in.panelWidth = 200;
    in.panelHeight = 120;
    in.frameLeft = in.frameRight = in.frameBottom = 4;
    in.frameTop = 22;
    in.itemLeft = 8;
    in.itemTop = 30;
    in.itemWidth = 180;
    in.itemHeight = 24;
    in.iconSize = 16;
    in.itemMargin = 4;
    in.selectPoints = in.otherPoints = 9;
    in.pixelsPerInchY = 96;
    return in;
}

TEST(DesignPreviewHitTest, IconsThenTextsThenTheRowThenTheBackground) {
    PreviewHitInput in = Miniature(kSkinThemed);
    // Icons of both rows: (18, 54) and one row lower.
    EXPECT_EQ(PreviewPartAt(in, 18, 54), kPartIcon);
    EXPECT_EQ(PreviewPartAt(in, 33, 93), kPartIcon);
    // Texts from x 38: eight text heights wide on the upper row, nine below.
    EXPECT_EQ(PreviewPartAt(in, 38, 56), kPartSelectedText);
    EXPECT_EQ(PreviewPartAt(in, 38 + 95, 56), kPartSelectedText);
    EXPECT_EQ(PreviewPartAt(in, 38 + 96, 56), kPartCursor);
    EXPECT_EQ(PreviewPartAt(in, 38 + 107, 80), kPartOtherText);
    EXPECT_EQ(PreviewPartAt(in, 38 + 108, 80), kPartBackground);
    // The row's corner above the text, the frame inside the panel, the frame itself.
    EXPECT_EQ(PreviewPartAt(in, 190, 51), kPartCursor);
    EXPECT_EQ(PreviewPartAt(in, 14, 130), kPartBackground);
    EXPECT_EQ(PreviewPartAt(in, 12, 130), -1);
    EXPECT_EQ(PreviewPartAt(in, 5, 5), -1);

    // Without icons their squares are the row; skin files have no row or
    // background part; the classic look has the row but no background.
    in.noIcons = true;
    EXPECT_EQ(PreviewPartAt(in, 18, 54), kPartCursor);
    EXPECT_EQ(PreviewPartAt(Miniature(kSkinFormat2), 190, 51), -1);
    EXPECT_EQ(PreviewPartAt(Miniature(kSkinOldFormat), 38, 56), kPartSelectedText);
    EXPECT_EQ(PreviewPartAt(Miniature(kSkinClassic), 190, 51), kPartCursor);
    EXPECT_EQ(PreviewPartAt(Miniature(kSkinClassic), 14, 130), -1);
}

TEST(DesignPreviewHitTest, TextAreasStayInTheRowAndVanishForUnusableSizes) {
    PreviewHitInput in = Miniature(kSkinFormat2);
    in.selectPoints = 400;  // far wider than the row: cut at its right end
    EXPECT_EQ(PreviewPartAt(in, 197, 56), kPartSelectedText);
    EXPECT_EQ(PreviewPartAt(in, 198, 56), -1);
    in.selectPoints = 0;
    in.otherPoints = -9;
    EXPECT_EQ(PreviewPartAt(in, 40, 56), -1);
    EXPECT_EQ(PreviewPartAt(in, 40, 80), -1);
    in.itemLeft = in.itemWidth = INT32_MAX;  // no wrapping whatever the skin says
    EXPECT_EQ(PreviewPartAt(in, 40, 56), -1);
}

}  // namespace
