// The standard look from the system metrics, with and without the visual
// style (a fresh Wine prefix has one active).
#include "skin/standard_skin.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/dpi.h"
#include "base/settings_store.h"
#include "base/visual_styles.h"
#include "items/item_model.h"
#include "skin/core/skin_words.h"
#include "skin/skin_loader.h"
#include "skin_fixture.h"

namespace {

class StandardSkinTest : public SkinTest {
public:
    void SetUp() override {
        SkinTest::SetUp();
        LoadVisualStyles();
    }
    void TearDown() override {
        SkinTest::TearDown();
        FreeVisualStyles();
    }
};

TEST_F(StandardSkinTest, BeforeTheSavedSizesThePanelIs180WideWithNineRowsOf24) {
    ClearOption(gSettings.optionFlags, kOptCustomDesign);
    Apply("");
    const int top = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(gSkin.panelWidth, 180);
    EXPECT_EQ(gSkin.panelHeight, 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) + 231);
    EXPECT_EQ(gSkin.baseHeight, gSkin.panelHeight);
    EXPECT_EQ(gSkin.itemCount, 9);
    EXPECT_EQ(gSkin.itemHeight, 24);
    EXPECT_EQ(gSkin.panelImages.images[kSlotTopMiddle].height, top);
    EXPECT_EQ(gSkin.itemTop, top + 9);
    EXPECT_EQ(gSkin.selectTop, gSkin.itemTop + 4 * 24);  // the middle row
    EXPECT_EQ(gSkin.selectHeight, 24);
    const int side = GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(gSkin.selectLeft, side + 3);
    EXPECT_EQ(gSkin.selectWidth, 180 - 2 * side - 6);
    EXPECT_EQ(gSkin.itemLeft, side + 12);
    EXPECT_EQ(gSkin.itemWidth, 180 - 2 * (side + 12));
    EXPECT_EQ(gSkin.iconSize, 16);
    EXPECT_EQ(gSkin.resizeFlags & 7u, kResizeVertical | kResizeHorizontal);
    EXPECT_EQ(gSkin.separatorFlags, kStretchMiddle);
    // The click area is the item rows.
    EXPECT_EQ(gSkin.clickLeft, gSkin.itemLeft);
    EXPECT_EQ(gSkin.clickTop, gSkin.itemTop);
    EXPECT_EQ(gSkin.clickWidth, gSkin.itemWidth);
    EXPECT_EQ(gSkin.clickHeight, 9 * 24);
    EXPECT_EQ(gSkin.closeAlign, kAlignRight | kAlignTop);
    EXPECT_GT(gSkin.closeWidth, 0);
    EXPECT_GT(gSkin.closeHeight, 0);
    EXPECT_FALSE(gSkin.closeDc);  // the standard look draws its close button itself
    for (const SkinImage& slot : gSkin.panelImages.images) EXPECT_FALSE(slot.dc);
}

TEST_F(StandardSkinTest, TheColoursAndFontsComeFromTheSystem) {
    ClearOption(gSettings.optionFlags, kOptCustomDesign);
    Apply("");
    EXPECT_EQ(gSkin.selectBackColor, MixColors(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(gSkin.selectFrameColor, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(gSkin.transparentColor, 0xFF00FFu);
    EXPECT_EQ(gSkin.selectedItemFont.color, GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(gSkin.otherItemFont.color, MixColors(GetSysColor(COLOR_MENUTEXT), GetSysColor(COLOR_BTNFACE)));
    for (const SkinFont* font : {&gSkin.selectedItemFont, &gSkin.otherItemFont}) {
        EXPECT_EQ(font->pointSize, 9);
        EXPECT_EQ(font->flags, 0u);
        EXPECT_FALSE(font->font);  // left to the renderer's base font
        EXPECT_STREQ(font->logFont.lfFaceName, gSkin.baseFont.lfFaceName);
        EXPECT_EQ(font->logFont.lfHeight, -MulDiv(9, PixelsPerInchY(window_), 72));
    }
    EXPECT_EQ(gSkin.arrowWidth, 8);
    EXPECT_EQ(ArrowImageCount(), 4);
}

TEST_F(StandardSkinTest, OptionFlag41GivesTheClassicLookEvenWithAVisualStyle) {
    SetOption(gSettings.optionFlags, kOptNoVisualStyle);
    Apply("");
    EXPECT_EQ(gSkin.kind, kSkinClassic);
    EXPECT_FALSE(gSkin.hasTransparentColor);
    EXPECT_FALSE(gSkin.windowTheme);
    EXPECT_EQ(gSkin.closeWidth, GetSystemMetrics(SM_CXSIZE) - 2);
    EXPECT_EQ(gSkin.closeHeight, GetSystemMetrics(SM_CYSIZE) - 4);
    EXPECT_EQ(gSkin.closeTop, GetSystemMetrics(SM_CYFRAME) + (GetSystemMetrics(SM_CYCAPTION) - gSkin.closeHeight) / 2);
    EXPECT_EQ(gSkin.closeLeft, 180 - gSkin.closeTop - gSkin.closeWidth);
    EXPECT_EQ(gSkin.backColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(gSkin.separatorMiddle.dc);  // the classic separator is drawn as a line
}

TEST_F(StandardSkinTest, WithTheVisualStyleTheLookIsKindTwo) {
    if (!VisualStylesInUse()) GTEST_SKIP() << "no visual style active";
    ClearOption(gSettings.optionFlags, kOptNoVisualStyle);
    Apply("");
    ASSERT_EQ(gSkin.kind, kSkinThemed);
    EXPECT_TRUE(gSkin.hasTransparentColor);
    EXPECT_TRUE(gSkin.windowTheme);
    EXPECT_EQ(gSkin.closeWidth, gSkin.closeHeight);  // a square button
    EXPECT_EQ(gSkin.closeWidth, gVisualStyles.GetThemeSysSize(gSkin.windowTheme, SM_CYSIZE));
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(gSkin.closeTop, (caption - gSkin.closeWidth) / 2 + GetSystemMetrics(SM_CYFRAME));
    EXPECT_EQ(gSkin.closeLeft,
              180 - (caption - gSkin.closeWidth) / 2 - gSkin.closeHeight - GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(gSkin.backColor, gVisualStyles.GetThemeSysColor(gSkin.windowTheme, COLOR_BTNFACE));
    // A separator picture stretched across the row.
    ASSERT_TRUE(gSkin.separatorMiddle.dc);
    EXPECT_GT(gSkin.separatorMiddle.width, 0);
    EXPECT_GT(gSkin.separatorMiddle.height, 0);
    EXPECT_STREQ(gSkin.separatorMiddle.file, "");
    EXPECT_EQ(gSkin.separatorFlags & kStretchMiddle, kStretchMiddle);

    ReleaseSkin();
    EXPECT_FALSE(gSkin.windowTheme);
    EXPECT_FALSE(gSkin.startPanelTheme);
    EXPECT_FALSE(gSkin.separatorMiddle.dc);
}

TEST_F(StandardSkinTest, ThemedPiecesRefuseWithoutTheLibraryOrWhenAlreadyOpen) {
    if (!VisualStylesInUse()) GTEST_SKIP() << "no visual style active";
    Apply("");
    ASSERT_TRUE(gSkin.windowTheme);
    const int closeWidth = gSkin.closeWidth;
    gSkin.closeWidth = -7;
    EXPECT_FALSE(ThemedStandardPieces(window_));  // already open: nothing changes
    EXPECT_EQ(gSkin.closeWidth, -7);
    gSkin.closeWidth = closeWidth;
    ReleaseSkin();

    FreeVisualStyles();
    EXPECT_FALSE(ThemedStandardPieces(window_));
    ClearOption(gSettings.optionFlags, kOptNoVisualStyle);
    Apply("");
    EXPECT_EQ(gSkin.kind, kSkinClassic);
}

TEST_F(StandardSkinTest, TheDesignCustomisationGrowsTheStandardRows) {
    UseDesignIconSize(32);
    Apply("");
    const int frames = 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(gSkin.itemHeight, 24 + 16);
    EXPECT_EQ(gSkin.iconSize, 32);
    EXPECT_EQ(gSkin.panelHeight, frames + 231 + 9 * 16);
    EXPECT_EQ(gSkin.clickHeight, 9 * 40);
    EXPECT_TRUE(gSkin.selectedItemFont.font);
    EXPECT_TRUE(gSkin.otherItemFont.font);
    EXPECT_EQ(gSkin.skinDefaults.itemHeight, 24);
}

}  // namespace
