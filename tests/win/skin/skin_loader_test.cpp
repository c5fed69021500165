// "skin.ini" in both formats against skin folders written here: the keys and
// their defaults, the bitmaps, the failure message and the fallback to the
// standard look, and skins written to break the loader.
#include "skin/skin_loader.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/core/text.h"
#include "base/dpi.h"
#include "base/settings_store.h"
#include "items/item_model.h"
#include "skin/core/skin_words.h"
#include "skin_fixture.h"

namespace {

bool IsStandard() { return gSkin.kind == kSkinClassic || gSkin.kind == kSkinThemed; }

int FontWeight(HFONT font) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    return lf.lfWeight;
}

int FontItalic(HFONT font) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    return lf.lfItalic;
}

class SkinLoaderTest : public SkinTest {};

TEST_F(SkinLoaderTest, OnlyMajorVersionTwoSelectsFormat2) {
    struct Case {
        const char* version;
        int32_t kind;
    } cases[] = {{"Version=2.0", kSkinFormat2},   {"Version=2.1", kSkinFormat2},   {"Version=02.5", kSkinFormat2},
                 {"Version=1.5", kSkinOldFormat}, {"Version=", kSkinOldFormat},    {"", kSkinOldFormat},
                 {"Version=two", kSkinOldFormat}, {"Version=2,0", kSkinOldFormat}, {"Version=20.0", kSkinOldFormat}};
    for (const Case& c : cases) {
        WriteSkin("v", std::string("[Info]\r\n") + c.version +
                           "\r\n[Panel]\r\nWidth=120\r\nBackground=b.bmp\r\n[Arrow]\r\nImage=a.bmp\r\n");
        ResetSkinInfo(gSkin);
        EXPECT_TRUE(LoadSkinFile(IniPath("v").c_str())) << c.version;
        EXPECT_EQ(gSkin.kind, c.kind) << c.version;
        // Only format 2 reads [Panel] Width.
        EXPECT_EQ(gSkin.panelWidth, c.kind == kSkinFormat2 ? 120 : 0) << c.version;
    }
}

TEST_F(SkinLoaderTest, AMissingFileOrRequiredKeyFails) {
    EXPECT_FALSE(LoadSkinFile((skinRoot_ + "\\none\\skin.ini").c_str()));
    WriteSkin("nobg", "[Info]\r\nVersion=2.0\r\n[Arrow]\r\nImage=a.bmp\r\n");
    EXPECT_FALSE(LoadSkinFile(IniPath("nobg").c_str()));
    WriteSkin("noarrow", "[Info]\r\nVersion=2.0\r\n[Panel]\r\nBackground=b.bmp\r\n");
    EXPECT_FALSE(LoadSkinFile(IniPath("noarrow").c_str()));
    // The older format has no required key.
    WriteSkin("old", "[Base]\r\nHeight=10\r\n");
    EXPECT_TRUE(LoadSkinFile(IniPath("old").c_str()));
}

TEST_F(SkinLoaderTest, Format2KeysAndTheirDefaults) {
    WriteSkin("k", Format2("[Select]\r\nLeft=3\r\nTop=70\r\nWidth=110\r\nHeight=20\r\nStretch=Left, middle\r\n"
                           "OverlayLeft=4\r\nOverlayTop=5\r\nOverlayAlign=hcenter\r\nOverlay=so.bmp\r\n"
                           "[Separator]\r\nImageMiddle=sep.bmp\r\nMarginLeft=7\r\nMarginRight=8\r\n"
                           "Stretch=middle\r\nAlign=vcenter\r\n"
                           "[Close]\r\nLeft=90\r\nTop=2\r\nAlign=right,top\r\n"));
    ResetSkinInfo(gSkin);
    ASSERT_TRUE(LoadSkinFile(IniPath("k").c_str()));
    EXPECT_EQ(gSkin.panelWidth, 120);
    EXPECT_EQ(gSkin.panelHeight, 200);
    EXPECT_EQ(gSkin.increase, 1);
    EXPECT_EQ(gSkin.resizeFlags, 0u);
    EXPECT_EQ(gSkin.iconSize, 16);
    EXPECT_EQ(gSkin.itemCount, 6);
    EXPECT_EQ(gSkin.itemMargin, 0);
    EXPECT_EQ(gSkin.clickWidth, -1);
    EXPECT_EQ(gSkin.clickHeight, -1);
    EXPECT_EQ(gSkin.selectLeft, 3);
    EXPECT_EQ(gSkin.selectImages.stretch, kStretchLeft | kStretchMiddle);
    const SkinImage& overlay = gSkin.selectImages.images[kSlotOverlay];
    EXPECT_EQ(overlay.offsetLeft, 4);
    EXPECT_EQ(overlay.offsetTop, 5);
    EXPECT_EQ(overlay.align, kAlignHCenter);
    EXPECT_EQ(std::string(overlay.file), skinRoot_ + "\\k\\so.bmp");
    EXPECT_EQ(gSkin.panelImages.images[kSlotOverlay].align, 0u);
    EXPECT_EQ(std::string(gSkin.panelImages.images[kSlotTopLeft].file), "");
    EXPECT_EQ(gSkin.separatorFlags, kStretchMiddle | kAlignVCenter);
    EXPECT_EQ(gSkin.separatorMarginLeft, 7);
    EXPECT_EQ(gSkin.separatorMarginRight, 8);
    EXPECT_EQ(std::string(gSkin.separatorMiddle.file), skinRoot_ + "\\k\\sep.bmp");
    EXPECT_EQ(gSkin.closeAlign, kAlignRight | kAlignTop);
    EXPECT_EQ(gSkin.closeLeft, 90);
    EXPECT_EQ(std::string(gSkin.closeImageFile), "");
    EXPECT_EQ(std::string(gSkin.arrowImageFile), skinRoot_ + "\\k\\arrow.bmp");
    EXPECT_EQ(gSkin.transparentColor, 0xFF00FFu);
    EXPECT_FALSE(gSkin.hasTransparentColor);
    EXPECT_EQ(gSkin.selectedItemFont.pointSize, 9);
    EXPECT_EQ(gSkin.selectedItemFont.flags, 0u);
}

TEST_F(SkinLoaderTest, BoldItalicInBothFormats) {
    WriteSkin("two", Format2("[Font Select]\r\nStyle=Bold, Italic\r\n[Font Unselect]\r\nStyle=UNDERLINE,heavy\r\n"));
    WriteFormat2Bitmaps("two");
    Apply("two");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(gSkin.selectedItemFont.flags, kFontSpecified | kFontBold | kFontItalic);
    EXPECT_EQ(gSkin.selectedItemFont.logFont.lfWeight, FW_BOLD);
    EXPECT_TRUE(gSkin.selectedItemFont.logFont.lfItalic);
    ASSERT_TRUE(gSkin.selectedItemFont.font);
    EXPECT_EQ(FontWeight(gSkin.selectedItemFont.font), FW_BOLD);
    EXPECT_TRUE(FontItalic(gSkin.selectedItemFont.font));
    EXPECT_EQ(gSkin.otherItemFont.flags, kFontSpecified | kFontUnderline);
    EXPECT_TRUE(gSkin.otherItemFont.logFont.lfUnderline);

    // The older format keeps the blank, so " italic" is no word.
    WriteSkin("old", "[Font]\r\nSelectStyle=bold, italic\r\nUnselectStyle=italic\r\n[Skin]\r\nBase=base.bmp\r\n");
    WriteFile("old", "base.bmp", SolidBmp(200, 40, RGB(200, 190, 170)));
    Apply("old");
    ASSERT_EQ(gSkin.kind, kSkinOldFormat);
    EXPECT_EQ(gSkin.selectedItemFont.flags, kFontSpecified);
    EXPECT_EQ(gSkin.selectedItemFont.logFont.lfWeight, FW_BOLD);
    EXPECT_FALSE(gSkin.selectedItemFont.logFont.lfItalic);
    ASSERT_TRUE(gSkin.selectedItemFont.font);
    EXPECT_EQ(FontWeight(gSkin.selectedItemFont.font), FW_BOLD);
    EXPECT_FALSE(FontItalic(gSkin.selectedItemFont.font));
    EXPECT_TRUE(gSkin.otherItemFont.logFont.lfItalic);
}

TEST_F(SkinLoaderTest, AColourNeedsAllThreeParts) {
    WriteSkin("c", Format2("[Font Select]\r\nColor=255, 0 ,0\r\nShadowColor=0,0,255\r\n"
                           "[Font Unselect]\r\nColor=255,0\r\nShadowColor=1,2\r\n"
                           "[Color]\r\nTransparent=0,255\r\n"));
    ResetSkinInfo(gSkin);
    ASSERT_TRUE(LoadSkinFile(IniPath("c").c_str()));
    EXPECT_EQ(gSkin.selectedItemFont.color, RGB(255, 0, 0));
    EXPECT_EQ(gSkin.selectedItemFont.shadowColor, RGB(0, 0, 255));
    EXPECT_EQ(gSkin.selectedItemFont.flags, kFontHasShadow);  // a colour alone does not specify the font
    EXPECT_EQ(gSkin.otherItemFont.color, 0u);
    EXPECT_EQ(gSkin.otherItemFont.flags, 0u);
    EXPECT_FALSE(gSkin.hasTransparentColor);
    EXPECT_EQ(gSkin.transparentColor, 0xFF00FFu);
}

TEST_F(SkinLoaderTest, FaceAndSizeSpecifyTheFont) {
    WriteSkin("f", Format2("[Font Select]\r\nFaceName=Arial\r\n[Font Unselect]\r\nSize=12\r\n"));
    WriteFormat2Bitmaps("f");
    Apply("f");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_STREQ(gSkin.selectedItemFont.faceName, "Arial");
    EXPECT_STREQ(gSkin.selectedItemFont.logFont.lfFaceName, "Arial");
    EXPECT_EQ(gSkin.selectedItemFont.flags, kFontSpecified);
    EXPECT_EQ(gSkin.selectedItemFont.pointSize, 9);
    EXPECT_EQ(gSkin.selectedItemFont.logFont.lfHeight, gSkin.baseFont.lfHeight);
    EXPECT_EQ(gSkin.otherItemFont.pointSize, 12);
    EXPECT_EQ(gSkin.otherItemFont.logFont.lfHeight, -MulDiv(12, PixelsPerInchY(window_), 72));
    EXPECT_STREQ(gSkin.otherItemFont.logFont.lfFaceName, gSkin.baseFont.lfFaceName);
}

TEST_F(SkinLoaderTest, WithoutACloseImageThereIsNoCloseButton) {
    WriteSkin("none", Format2(""));
    WriteFormat2Bitmaps("none");
    Apply("none");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(gSkin.closeWidth, 0);
    EXPECT_EQ(gSkin.closeHeight, 0);
    EXPECT_FALSE(gSkin.closeDc);

    WriteSkin("six", Format2("[Close]\r\nImage=close.bmp\r\n"));
    WriteFormat2Bitmaps("six");
    WriteFile("six", "close.bmp", SolidBmp(72, 11, RGB(1, 2, 3)));
    Apply("six");
    EXPECT_EQ(gSkin.closeWidth, 12);  // six states
    EXPECT_EQ(gSkin.closeHeight, 11);
    ASSERT_TRUE(gSkin.closeDc);
    EXPECT_EQ(PixelOf(gSkin.closeDc, 5, 5), RGB(1, 2, 3));
}

TEST_F(SkinLoaderTest, WithoutAnArrowImageTheRefusalAndTheStandardSkin) {
    WriteSkin("broken",
              "[Info]\r\nVersion=2.0\r\n[Panel]\r\nWidth=300\r\nBackground=b.bmp\r\n"
              "[Item]\r\nCount=3\r\n");
    Apply("broken");
    EXPECT_EQ(Refusals(), 1);
    EXPECT_TRUE(IsStandard());
    // None of the failed skin's values remain.
    EXPECT_EQ(gSkin.panelWidth, 180);
    EXPECT_EQ(gSkin.itemCount, 9);
    EXPECT_STREQ(gSkin.panelImages.images[kSlotBackground].file, "");
    // The standard arrows: the program's bitmap.
    EXPECT_EQ(gSkin.arrowWidth, 8);
    EXPECT_EQ(gSkin.arrowHeight, 8);
    EXPECT_EQ(ArrowImageCount(), 4);
}

TEST_F(SkinLoaderTest, ANameNotInTheListIsTheStandardSkinWithoutARefusal) {
    Apply("nothing here");
    EXPECT_TRUE(IsStandard());
    Apply("");
    EXPECT_TRUE(IsStandard());
    EXPECT_EQ(Refusals(), 0);
}

TEST_F(SkinLoaderTest, ClickAreaWidthMinusOneIsTheItemRowsAndZeroIsZero) {
    WriteSkin("rows", Format2("[ClickArea]\r\nLeft=1\r\nTop=2\r\nWidth=-1\r\nHeight=40\r\n"));
    WriteFormat2Bitmaps("rows");
    Apply("rows");
    EXPECT_EQ(gSkin.clickLeft, 10);
    EXPECT_EQ(gSkin.clickTop, 20);
    EXPECT_EQ(gSkin.clickWidth, 100);
    EXPECT_EQ(gSkin.clickHeight, 6 * 20);

    WriteSkin("zero", Format2("[ClickArea]\r\nLeft=1\r\nTop=2\r\nWidth=0\r\nHeight=40\r\n"));
    WriteFormat2Bitmaps("zero");
    Apply("zero");
    EXPECT_EQ(gSkin.clickLeft, 1);
    EXPECT_EQ(gSkin.clickTop, 2);
    EXPECT_EQ(gSkin.clickWidth, 0);
    EXPECT_EQ(gSkin.clickHeight, 40);
}

// A selection TopLeft piece of two frames; pixel (1, 1) of the first has the
// given colour, the rest is grey.
std::string PieceWith(COLORREF spot) {
    return BmpFile(8, 4, [spot](int x, int y) { return x == 1 && y == 1 ? spot : RGB(128, 128, 128); });
}

TEST_F(SkinLoaderTest, ATransparentColourInASelectionPieceMasksTheCursor) {
    const std::string keyed = "[Select]\r\nTopLeft=piece.bmp\r\n[Color]\r\nTransparent=0,255,0\r\n";
    WriteSkin("green", Format2(keyed));
    WriteFormat2Bitmaps("green");
    WriteFile("green", "piece.bmp", PieceWith(RGB(0, 255, 0)));
    Apply("green");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_TRUE(gSkin.hasTransparentColor);
    EXPECT_EQ(gSkin.transparentColor, RGB(0, 255, 0));
    EXPECT_TRUE(gSkin.resizeFlags & kMaskedSelection);
    // The piece is still drawn from its DC after the search.
    EXPECT_EQ(PixelOf(gSkin.selectImages.images[kSlotTopLeft].dc, 1, 1), RGB(0, 255, 0));

    WriteSkin("red", Format2(keyed));
    WriteFormat2Bitmaps("red");
    WriteFile("red", "piece.bmp", PieceWith(RGB(255, 0, 0)));
    Apply("red");
    EXPECT_FALSE(gSkin.resizeFlags & kMaskedSelection);

    // Stretched selection pieces are never masked.
    WriteSkin("stretched", Format2("[Select]\r\nStretch=background\r\nTopLeft=piece.bmp\r\n"
                                   "[Color]\r\nTransparent=0,255,0\r\n"));
    WriteFormat2Bitmaps("stretched");
    WriteFile("stretched", "piece.bmp", PieceWith(RGB(0, 255, 0)));
    Apply("stretched");
    EXPECT_FALSE(gSkin.resizeFlags & kMaskedSelection);
}

TEST_F(SkinLoaderTest, OverlaysAndSeparatorsGetTheirOwnMaskBits) {
    WriteSkin("o",
              "[Info]\r\nVersion=2.0\r\n[Panel]\r\nWidth=100\r\nHeight=100\r\nBackground=back.bmp\r\n"
              "Overlay=piece.bmp\r\n[Select]\r\nOverlay=piece.bmp\r\n[Separator]\r\nImageRight=piece.bmp\r\n"
              "[Arrow]\r\nImage=arrow.bmp\r\n");
    WriteFormat2Bitmaps("o");
    WriteFile("o", "piece.bmp", PieceWith(RGB(255, 0, 255)));
    Apply("o");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(gSkin.resizeFlags & 0x1E00u, kMaskedPanelOverlay | kMaskedSelectionOverlay | kMaskedSeparator);
    EXPECT_EQ(gSkin.separatorRight.width, 8);                     // one frame
    EXPECT_EQ(gSkin.selectImages.images[kSlotOverlay].width, 4);  // two frames
}

TEST_F(SkinLoaderTest, SkinFontsAreCreatedWithAndWithoutTheCustomisation) {
    const std::string fonts = "[Font Select]\r\nFaceName=Arial\r\n[Font Unselect]\r\nStyle=italic\r\n";
    WriteSkin("both", Format2(fonts));
    WriteFormat2Bitmaps("both");
    ClearOption(gSettings.optionFlags, kOptCustomDesign);
    Apply("both");
    EXPECT_TRUE(gSkin.selectedItemFont.font);
    EXPECT_TRUE(gSkin.otherItemFont.font);

    // A skin that names no font leaves both to the renderer's base font.
    WriteSkin("plain", Format2(""));
    WriteFormat2Bitmaps("plain");
    Apply("plain");
    EXPECT_FALSE(gSkin.selectedItemFont.font);
    EXPECT_FALSE(gSkin.otherItemFont.font);

    SetOption(gSettings.optionFlags, kOptCustomDesign);
    CopyText(gSettings.selectFont, "Courier New");
    gSettings.unselectFont[0] = '\0';
    gSettings.selectSize = gSettings.unselectSize = 9;
    gSettings.selectStyle = kStyleBold | kStyleUnderline;
    gSettings.unselectStyle = 0;
    gSettings.selectColor = RGB(1, 2, 3);
    gSettings.unselectColor = kColorUnset;
    gSettings.designIconSize = 16;
    gSettings.selectBG = RGB(9, 9, 9);
    gSettings.selectFrame = kColorUnset;
    gSettings.background = RGB(7, 7, 7);
    Apply("both");
    ASSERT_TRUE(gSkin.selectedItemFont.font);
    ASSERT_TRUE(gSkin.otherItemFont.font);
    EXPECT_STREQ(gSkin.selectedItemFont.logFont.lfFaceName, "Courier New");
    EXPECT_EQ(gSkin.selectedItemFont.logFont.lfWeight, FW_BOLD);
    EXPECT_TRUE(gSkin.selectedItemFont.logFont.lfUnderline);
    EXPECT_EQ(gSkin.selectedItemFont.color, RGB(1, 2, 3));
    // The design's style replaces the skin's own words.
    EXPECT_FALSE(gSkin.otherItemFont.logFont.lfItalic);
    EXPECT_EQ(gSkin.otherItemFont.logFont.lfWeight, FW_NORMAL);
    EXPECT_EQ(gSkin.selectBackColor, RGB(9, 9, 9));
    EXPECT_EQ(gSkin.backColor, RGB(7, 7, 7));
    EXPECT_EQ(gSkin.selectFrameColor, 0u);
    // The design page sees the skin's own fonts.
    EXPECT_STREQ(gSkin.skinDefaults.selectedItemFont.logFont.lfFaceName, "Arial");
    EXPECT_TRUE(gSkin.skinDefaults.otherItemFont.logFont.lfItalic);

    // A skin without fonts starts the customised ones from the base font.
    Apply("plain");
    EXPECT_TRUE(gSkin.selectedItemFont.font);
    EXPECT_TRUE(gSkin.otherItemFont.font);
    EXPECT_STREQ(gSkin.otherItemFont.logFont.lfFaceName, gSkin.baseFont.lfFaceName);
}

std::string GrowingSkin(const char* increase, const char* resize = "vertical") {
    return std::string("[Info]\r\nVersion=2.0\r\n[Panel]\r\nWidth=120\r\nHeight=200\r\nIncrease=") + increase +
           "\r\nResize=" + resize +
           "\r\nBackground=back.bmp\r\nOverlayAlign=bottom\r\nOverlayTop=150\r\n"
           "[Select]\r\nTop=60\r\nHeight=20\r\n"
           "[Item]\r\nIconSize=16\r\nCount=6\r\nLeft=10\r\nTop=20\r\nWidth=100\r\nHeight=20\r\n"
           "[Arrow]\r\nImage=arrow.bmp\r\n";
}

TEST_F(SkinLoaderTest, ADesignIconOf24GrowsSixteenPixelRowsToAMultipleOfIncrease) {
    WriteSkin("grow", GrowingSkin("5"));
    WriteFormat2Bitmaps("grow");
    UseDesignIconSize(24);
    Apply("grow");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(gSkin.itemHeight, 30);  // 8 raised to 10
    EXPECT_EQ(gSkin.selectHeight, 30);
    EXPECT_EQ(gSkin.selectTop, 60 + 3 * 10);
    EXPECT_EQ(gSkin.panelHeight, 200 + 6 * 10);
    EXPECT_EQ(gSkin.baseHeight, 260);
    EXPECT_EQ(gSkin.panelImages.images[kSlotOverlay].offsetTop, 150 + 60);
    EXPECT_EQ(gSkin.iconSize, 24);
    EXPECT_EQ(gSkin.clickHeight, 6 * 30);
    // The skin's own values stay for the design page.
    EXPECT_EQ(gSkin.skinDefaults.itemHeight, 20);
    EXPECT_EQ(gSkin.skinDefaults.panelHeight, 200);
    EXPECT_EQ(gSkin.skinDefaults.iconSize, 16);
}

// 16 is a size like any other: the rows shrink to fit 16-pixel icons, and
// the icons must shrink with them rather than keep the skin's 32 pixels.
TEST_F(SkinLoaderTest, ADesignIconOf16ShrinksALargerSkinsIconsWithItsRows) {
    WriteSkin("large",
              "[Info]\r\nVersion=2.0\r\n[Panel]\r\nWidth=120\r\nHeight=300\r\nResize=vertical\r\n"
              "Background=back.bmp\r\n[Select]\r\nTop=100\r\nHeight=40\r\n"
              "[Item]\r\nIconSize=32\r\nCount=6\r\nLeft=10\r\nTop=20\r\nWidth=100\r\nHeight=40\r\n"
              "[Arrow]\r\nImage=arrow.bmp\r\n");
    WriteFormat2Bitmaps("large");
    UseDesignIconSize(16);
    Apply("large");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(gSkin.itemHeight, 24);
    EXPECT_EQ(gSkin.iconSize, 16);
    EXPECT_EQ(gSkin.panelHeight, 300 - 6 * 16);
}

TEST_F(SkinLoaderTest, AnIncreaseOfZeroOrBelowCountsAsOne) {
    for (const char* increase : {"0", "-4", "junk"}) {
        WriteSkin("inc", GrowingSkin(increase));
        WriteFormat2Bitmaps("inc");
        UseDesignIconSize(24);
        Apply("inc");
        ASSERT_EQ(gSkin.kind, kSkinFormat2) << increase;
        EXPECT_EQ(gSkin.itemHeight, 28) << increase;
    }
}

TEST_F(SkinLoaderTest, FixedSkinsAndTheOlderFormatKeepTheirSizes) {
    WriteSkin("fixed", GrowingSkin("1", "fixed"));
    WriteFormat2Bitmaps("fixed");
    UseDesignIconSize(24);
    gSettings.selectSize = 20;
    Apply("fixed");
    EXPECT_EQ(gSkin.itemHeight, 20);
    EXPECT_EQ(gSkin.iconSize, 16);
    EXPECT_EQ(gSkin.selectedItemFont.logFont.lfHeight, gSkin.baseFont.lfHeight);  // no design size either

    WriteSkin("old", "[Item]\r\nCount=4\r\nHeight=18\r\n[Skin]\r\nBase=base.bmp\r\n");
    WriteFile("old", "base.bmp", SolidBmp(200, 40, RGB(200, 190, 170)));
    Apply("old");
    ASSERT_EQ(gSkin.kind, kSkinOldFormat);
    EXPECT_EQ(gSkin.itemHeight, 18);
    EXPECT_EQ(gSkin.iconSize, 16);
}

TEST_F(SkinLoaderTest, ApplyDesignSizesWorksOnACopyOfTheRecord) {
    SkinInfo copy{};
    ResetSkinInfo(copy);
    copy.iconSize = 16;
    copy.itemCount = 9;
    copy.itemHeight = 24;
    copy.selectHeight = 24;
    copy.selectTop = 120;
    copy.panelHeight = 260;
    copy.clickHeight = -1;
    copy.selectedItemFont.pointSize = copy.otherItemFont.pointSize = 9;
    Settings s = gSettings;
    UseDesignIconSize(24);
    s = gSettings;
    ApplyDesignSizes(copy, s, 96);
    EXPECT_EQ(copy.itemHeight, 32);
    EXPECT_EQ(copy.selectTop, 120 + 4 * 8);
    EXPECT_EQ(copy.panelHeight, 260 + 9 * 8);
    EXPECT_EQ(copy.baseHeight, copy.panelHeight);
    EXPECT_EQ(copy.clickHeight, -1);  // still "the item rows"
    EXPECT_EQ(copy.iconSize, 24);
    EXPECT_EQ(gSkin.panelHeight, 0);  // the live record is untouched

    SetOption(s.optionFlags, kOptNoIcons);  // no icons: the icon does not grow the rows
    SkinInfo again = copy;
    again.iconSize = 16;
    ApplyDesignSizes(again, s, 96);
    EXPECT_EQ(again.itemHeight, copy.itemHeight);
    EXPECT_EQ(again.iconSize, 24);
}

// Sizes the settings file may hold that no font or row can use: design
// sizes of 0 and below keep the skin's font height, and a tiny design icon
// leaves rows and cursor at least a pixel high.
TEST_F(SkinLoaderTest, UnusableDesignSizesLeaveADrawablePanel) {
    WriteSkin("grow", GrowingSkin("1"));
    WriteFormat2Bitmaps("grow");
    UseDesignIconSize(16);
    for (int32_t size : {0, -5}) {
        gSettings.selectSize = gSettings.unselectSize = size;
        Apply("grow");
        EXPECT_EQ(gSkin.selectedItemFont.logFont.lfHeight, gSkin.baseFont.lfHeight) << size;
        EXPECT_EQ(gSkin.otherItemFont.logFont.lfHeight, gSkin.baseFont.lfHeight) << size;
        EXPECT_EQ(gSkin.itemHeight, 20) << size;
    }

    SkinInfo copy{};
    ResetSkinInfo(copy);
    copy.iconSize = 16;
    copy.itemCount = 4;
    copy.itemHeight = 8;
    copy.selectHeight = 10;
    copy.panelHeight = 60;
    UseDesignIconSize(1);
    gSettings.selectSize = gSettings.unselectSize = 0;
    ApplyDesignSizes(copy, gSettings, 96);
    EXPECT_EQ(copy.itemHeight, 1);
    EXPECT_EQ(copy.selectHeight, 3);
    EXPECT_EQ(copy.panelHeight, 60 - 4 * 7);
    EXPECT_EQ(copy.iconSize, 1);
}

TEST_F(SkinLoaderTest, TheOlderFormatTakesItsSizesFromItsPictures) {
    const std::string ini =
        "[Base]\r\nHeight=150\r\nSizeChange=%d\r\n[Select]\r\nLeft=5\r\nTop=60\r\n[Close]\r\nLeft=80\r\nTop=3\r\n"
        "[Item]\r\nCount=7\r\nLeft=8\r\nTop=24\r\nWidth=90\r\nHeight=20\r\nMargin=4\r\nIndent=9\r\n"
        "[Font]\r\nSelectName=Arial\r\n"
        "[Color]\r\nTextSelect=0x112233\r\nTextUnselect=0xFF0000\r\nTransparent=%s\r\n"
        "[Skin]\r\nBase=base.bmp\r\nTitle=title.bmp\r\nBottom=bottom.bmp\r\nSelect=select.bmp\r\nClose=close.bmp\r\n";
    auto write = [&](const char* name, int sizeChange, const char* transparent) {
        char text[1024];
        std::snprintf(text, sizeof text, ini.c_str(), sizeChange, transparent);
        WriteSkin(name, text);
        WriteFile(name, "base.bmp", SolidBmp(200, 40, RGB(200, 190, 170)));
        WriteFile(name, "title.bmp", SolidBmp(200, 20, RGB(30, 40, 90)));
        WriteFile(name, "bottom.bmp", SolidBmp(200, 10, RGB(30, 40, 90)));
        WriteFile(name, "select.bmp", SolidBmp(160, 18, RGB(200, 60, 40)));
        WriteFile(name, "close.bmp", SolidBmp(64, 16, RGB(250, 250, 250)));
    };
    write("vertical", 1, "-1");
    Apply("vertical");
    ASSERT_EQ(gSkin.kind, kSkinOldFormat);
    EXPECT_EQ(gSkin.resizeFlags & 7u, kResizeVertical);
    EXPECT_EQ(gSkin.panelWidth, 100);  // one of the Base picture's two frames
    EXPECT_EQ(gSkin.panelHeight, 20 + 10 + 150);
    EXPECT_EQ(gSkin.baseHeight, 180);
    EXPECT_EQ(gSkin.selectWidth, 80);
    EXPECT_EQ(gSkin.selectHeight, 18);
    EXPECT_EQ(gSkin.closeWidth, 16);  // four states
    EXPECT_EQ(gSkin.iconSize, 16);
    EXPECT_EQ(gSkin.itemIndent, 9);
    EXPECT_EQ(gSkin.selectedItemFont.color, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(gSkin.otherItemFont.color, RGB(0xFF, 0, 0));
    EXPECT_EQ(gSkin.transparentColor, 0xFF00FFu);
    EXPECT_FALSE(gSkin.hasTransparentColor);
    EXPECT_STREQ(gSkin.selectedItemFont.logFont.lfFaceName, "Arial");
    EXPECT_EQ(gSkin.selectedItemFont.logFont.lfHeight, -MulDiv(9, PixelsPerInchY(window_), 72));
    EXPECT_EQ(gSkin.otherItemFont.logFont.lfHeight, -MulDiv(9, PixelsPerInchY(window_), 72));
    EXPECT_TRUE(gSkin.selectedItemFont.font);
    EXPECT_FALSE(gSkin.otherItemFont.font);
    EXPECT_EQ(gSkin.arrowWidth, 8);  // no Arrow: the program's own
    EXPECT_EQ(ArrowImageCount(), 4);

    write("fixed", 0, "0x00FF00");
    Apply("fixed");
    EXPECT_EQ(gSkin.resizeFlags & 7u, kResizeFixed);
    EXPECT_EQ(gSkin.panelHeight, 20 + 10 + 40);
    EXPECT_TRUE(gSkin.hasTransparentColor);
    EXPECT_EQ(gSkin.transparentColor, RGB(0, 255, 0));
}

TEST_F(SkinLoaderTest, TheArrowImageListGetsTheSkinsArrowSize) {
    WriteSkin("a", Format2("[Color]\r\nTransparent=255,0,255\r\n"));
    WriteFormat2Bitmaps("a");
    WriteFile("a", "arrow.bmp",
              BmpFile(48, 12, [](int x, int) { return x % 12 < 6 ? RGB(255, 0, 255) : RGB(9, 9, 9); }));
    Apply("a");
    EXPECT_EQ(gSkin.arrowWidth, 12);
    EXPECT_EQ(gSkin.arrowHeight, 12);
    ASSERT_EQ(ArrowImageCount(), 4);
    int w = 0, h = 0;
    ImageList_GetIconSize(gItems.arrowImages.Get(), &w, &h);
    EXPECT_EQ(w, 12);
    EXPECT_EQ(h, 12);
    // Applying again replaces the four images rather than adding more.
    Apply("a");
    EXPECT_EQ(ArrowImageCount(), 4);
}

// ---- Skins written to break the loader ----

TEST_F(SkinLoaderTest, BadBitmapsLeaveTheirSlotsEmpty) {
    WriteSkin("bad", Format2("[Select]\r\nTopLeft=missing.bmp\r\nTopMiddle=truncated.bmp\r\nTopRight=zero.bmp\r\n"
                             "MiddleLeft=huge.bmp\r\nMiddleRight=narrow.bmp\r\nBottomLeft=text.bmp\r\n"
                             "BottomMiddle=empty.bmp\r\nBottomRight=good.bmp\r\n"));
    WriteFormat2Bitmaps("bad");
    std::string truncated = SolidBmp(40, 40, RGB(1, 1, 1));
    truncated.resize(truncated.size() / 2);
    WriteFile("bad", "truncated.bmp", truncated);
    std::string zero = SolidBmp(4, 4, RGB(1, 1, 1));
    zero[18] = zero[19] = zero[20] = zero[21] = 0;  // width 0
    WriteFile("bad", "zero.bmp", zero);
    std::string huge = SolidBmp(4, 4, RGB(1, 1, 1));
    huge[19] = huge[23] = 0x7F;  // 32516 x 32516 claimed by a tiny file
    WriteFile("bad", "huge.bmp", huge);
    WriteFile("bad", "narrow.bmp", SolidBmp(1, 10, RGB(1, 1, 1)));  // half a pixel per frame
    WriteFile("bad", "text.bmp", "this is not a picture");
    WriteFile("bad", "empty.bmp", "");
    WriteFile("bad", "good.bmp", SolidBmp(6, 4, RGB(1, 1, 1)));
    Apply("bad");
    EXPECT_EQ(Refusals(), 0);
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    for (int slot = kSlotTopLeft; slot < kSlotBottomRight; ++slot) {
        EXPECT_FALSE(gSkin.selectImages.images[slot].bitmap) << slot;
        EXPECT_FALSE(gSkin.selectImages.images[slot].dc) << slot;
        EXPECT_EQ(gSkin.selectImages.images[slot].width, 0) << slot;
    }
    EXPECT_TRUE(gSkin.selectImages.images[kSlotBottomRight].dc);
    EXPECT_EQ(gSkin.selectImages.images[kSlotBottomRight].width, 3);
    EXPECT_TRUE(gSkin.panelImages.images[kSlotBackground].dc);
}

TEST_F(SkinLoaderTest, FrameWidthsOfZeroGiveNoCloseButtonAndNoArrows) {
    WriteSkin("thin", Format2("[Close]\r\nImage=close.bmp\r\n"));
    WriteFormat2Bitmaps("thin");
    WriteFile("thin", "close.bmp", SolidBmp(5, 12, RGB(1, 1, 1)));  // fewer pixels than states
    WriteFile("thin", "arrow.bmp", SolidBmp(3, 12, RGB(1, 1, 1)));
    Apply("thin");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(gSkin.closeWidth, 0);
    EXPECT_FALSE(gSkin.closeDc);
    EXPECT_EQ(gSkin.arrowWidth, 0);
    EXPECT_FALSE(gSkin.arrowBitmap);
    EXPECT_EQ(ArrowImageCount(), 0);

    // A missing arrow file: no arrows, but the skin stays.
    WriteFile("thin", "arrow.bmp", "");
    Apply("thin");
    EXPECT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(ArrowImageCount(), 0);
}

TEST_F(SkinLoaderTest, NegativeOrHugeNumbersGiveTheStandardSkinAfterARefusal) {
    struct Edit {
        const char* from;
        const char* to;
    } edits[] = {
        {"Count=6", "Count=-5"},
        {"Count=6", "Count=2000000000"},
        {"Height=20", "Height=-20"},
        {"Left=10", "Left=-2000000000"},
        {"[Item]\r\n", "[Item]\r\nIconSize=100000\r\n"},
        {"[Panel]\r\n", "[Panel]\r\nOverlayLeft=1000000\r\n"},
        {"Width=120", "Width=-3"},
        {"Width=120", "Width=0"},
        {"Width=120", "Width=50000"},
        {"Height=200", "Height=-1"},
        {"[Arrow]", "[Select]\r\nWidth=99999999\r\n[Arrow]"},
        {"[Arrow]", "[ClickArea]\r\nHeight=2147483647\r\n[Arrow]"},
        {"[Arrow]", "[Close]\r\nTop=-99999\r\n[Arrow]"},
    };
    for (const Edit& e : edits) {
        std::string ini = Format2("");
        const size_t at = ini.find(e.from);
        ASSERT_NE(at, std::string::npos) << e.from;
        ini.replace(at, std::strlen(e.from), e.to);
        WriteSkin("hostile", ini);
        WriteFormat2Bitmaps("hostile");
        const int before = Refusals();
        Apply("hostile");
        EXPECT_EQ(Refusals(), before + 1) << e.to;
        EXPECT_TRUE(IsStandard()) << e.to;
        EXPECT_EQ(gSkin.panelWidth, 180) << e.to;
        EXPECT_FALSE(gSkin.panelImages.images[kSlotBackground].dc) << e.to;
    }
}

TEST_F(SkinLoaderTest, HugeFontSizesAreHeldToAReadableMaximum) {
    WriteSkin("big", Format2("[Font Select]\r\nSize=2000000000\r\n[Font Unselect]\r\nSize=-2000000000\r\n"));
    WriteFormat2Bitmaps("big");
    Apply("big");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(gSkin.selectedItemFont.pointSize, kMaxFontPoints);
    EXPECT_EQ(gSkin.otherItemFont.pointSize, -kMaxFontPoints);
    EXPECT_EQ(gSkin.selectedItemFont.logFont.lfHeight, -MulDiv(kMaxFontPoints, PixelsPerInchY(window_), 72));
    EXPECT_TRUE(gSkin.selectedItemFont.font);
}

TEST_F(SkinLoaderTest, ValuesThatAreNotNumbersReadAsZero) {
    WriteSkin("words",
              "[Info]\r\nVersion=2.0\r\n[Panel]\r\nWidth=120\r\nHeight=90\r\nBackground=back.bmp\r\n"
              "[Item]\r\nCount=many\r\nHeight=tall\r\nIconSize=big\r\n[ClickArea]\r\nWidth=wide\r\n"
              "[Arrow]\r\nImage=arrow.bmp\r\n");
    WriteFormat2Bitmaps("words");
    Apply("words");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(gSkin.itemCount, 0);
    EXPECT_EQ(gSkin.itemHeight, 0);
    EXPECT_EQ(gSkin.iconSize, 0);
    EXPECT_EQ(gSkin.clickWidth, 0);
}

TEST_F(SkinLoaderTest, ValuesThousandsOfCharactersLongAreCut) {
    const std::string longText(5000, 'W');
    WriteSkin("long", "[Info]\r\nVersion=2.0" + longText +
                          "\r\n[Panel]\r\nWidth=120\r\nHeight=90\r\n"
                          "Background=back.bmp\r\nTopLeft=" +
                          longText + ".bmp\r\nStretch=" + longText + "\r\nResize=" + std::string(3000, ',') +
                          "vertical\r\n"
                          "[Font Select]\r\nFaceName=" +
                          longText + "\r\nStyle=" + longText + ",bold\r\nColor=" + longText +
                          "\r\n[Arrow]\r\nImage=arrow.bmp\r\n");
    WriteFormat2Bitmaps("long");
    Apply("long");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    EXPECT_EQ(std::string(gSkin.selectedItemFont.faceName), std::string(31, 'W'));
    EXPECT_EQ(std::string(gSkin.selectedItemFont.logFont.lfFaceName), std::string(31, 'W'));
    EXPECT_FALSE(gSkin.panelImages.images[kSlotTopLeft].dc);
    EXPECT_EQ(gSkin.panelImages.stretch, 0u);
    EXPECT_EQ(gSkin.selectedItemFont.color, 0u);
}

TEST_F(SkinLoaderTest, AFaceNameIsNotCutInsideADoubleByteCharacter) {
    // 30 ASCII letters, then "ア" (0x83 0x41): the 32-byte field keeps neither byte.
    std::string face(30, 'a');
    face += "ア";
    WriteSkin("jp", Format2("[Font Select]\r\nFaceName=" + face + "\r\n"));
    ResetSkinInfo(gSkin);
    ASSERT_TRUE(LoadSkinFile(IniPath("jp").c_str()));
    EXPECT_EQ(std::string(gSkin.selectedItemFont.faceName), std::string(30, 'a'));
}

TEST_F(SkinLoaderTest, ReleaseSkinFreesEverythingOnce) {
    WriteSkin("full", Format2("[Select]\r\nBackground=back.bmp\r\n[Separator]\r\nImageLeft=back.bmp\r\n"
                              "[Close]\r\nImage=close.bmp\r\n[Font Select]\r\nStyle=bold\r\n"
                              "[Font Unselect]\r\nStyle=italic\r\n"));
    WriteFormat2Bitmaps("full");
    WriteFile("full", "close.bmp", SolidBmp(60, 10, RGB(1, 1, 1)));
    Apply("full");
    ASSERT_TRUE(gSkin.applied);
    ASSERT_TRUE(gSkin.closeDc);
    ASSERT_TRUE(gSkin.separatorLeft.dc);
    ASSERT_TRUE(gSkin.selectedItemFont.font);
    const HFONT font = gSkin.selectedItemFont.font;
    ReleaseSkin();
    EXPECT_FALSE(gSkin.applied);
    EXPECT_FALSE(gSkin.closeDc);
    EXPECT_FALSE(gSkin.closeBitmap);
    EXPECT_FALSE(gSkin.arrowBitmap);
    EXPECT_FALSE(gSkin.separatorLeft.dc);
    EXPECT_FALSE(gSkin.panelImages.images[kSlotBackground].dc);
    EXPECT_FALSE(gSkin.selectImages.images[kSlotBackground].bitmap);
    EXPECT_FALSE(gSkin.selectedItemFont.font);
    EXPECT_EQ(GetObjectType(font), 0u);  // deleted
    EXPECT_EQ(ArrowImageCount(), 0);
    ReleaseSkin();  // nothing applied: nothing happens
    EXPECT_FALSE(gSkin.applied);
}

TEST_F(SkinLoaderTest, ApplyingAgainDeletesThePreviousSkinsObjects) {
    WriteSkin("again", Format2("[Select]\r\nBackground=back.bmp\r\n[Close]\r\nImage=close.bmp\r\n"
                               "[Font Select]\r\nStyle=bold\r\n"));
    WriteFormat2Bitmaps("again");
    WriteFile("again", "close.bmp", SolidBmp(60, 10, RGB(1, 1, 1)));
    Apply("again");
    auto handles = [] {
        return std::vector<HGDIOBJ>{gSkin.panelImages.images[kSlotBackground].bitmap,
                                    gSkin.panelImages.images[kSlotBackground].dc,
                                    gSkin.selectImages.images[kSlotBackground].bitmap,
                                    gSkin.closeBitmap,
                                    gSkin.closeDc,
                                    gSkin.arrowBitmap,
                                    gSkin.selectedItemFont.font};
    };
    const std::vector<HGDIOBJ> old = handles();
    for (HGDIOBJ h : old) ASSERT_NE(GetObjectType(h), 0u);
    Apply("again");
    const std::vector<HGDIOBJ> now = handles();
    for (size_t i = 0; i < old.size(); ++i) {
        ASSERT_NE(GetObjectType(now[i]), 0u) << i;
        if (now[i] != old[i]) {
            EXPECT_EQ(GetObjectType(old[i]), 0u) << i;
        }
    }
}

}  // namespace
