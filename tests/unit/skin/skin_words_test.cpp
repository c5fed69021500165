#include "skin/core/skin_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The parsers edit their text in place, so every case gets its own copy.
struct Text {
    explicit Text(const std::string& s) : buffer(s.begin(), s.end()) { buffer.push_back('\0'); }
    char* get() { return buffer.data(); }
    std::vector<char> buffer;
};

bool Color(const std::string& s, ColorRef* out) {
    Text t(s);
    return ParseColor(t.get(), out);
}

uint32_t Stretch(const std::string& s) { return ParseStretchWords(Text(s).get()); }
uint32_t Align(const std::string& s) { return ParseAlignWords(Text(s).get()); }
uint32_t Style(const std::string& s) { return ParseStyleWords(Text(s).get()); }
uint32_t Resize(const std::string& s) { return ParseResizeWords(Text(s).get()); }

TEST(ParseColor, ThreeDecimalNumbersWithBlanksAnywhere) {
    ColorRef c = 0x123456;
    EXPECT_TRUE(Color("255, 0 ,0", &c));
    EXPECT_EQ(c, 0x0000FFu);
    EXPECT_TRUE(Color(" 1 , 2 , 3 ", &c));
    EXPECT_EQ(c, 0x030201u);
    EXPECT_TRUE(Color("0,255,0", &c));
    EXPECT_EQ(c, 0x00FF00u);
}

TEST(ParseColor, EachNumberKeepsItsLowEightBits) {
    ColorRef c = 0;
    EXPECT_TRUE(Color("256,511,4096", &c));
    EXPECT_EQ(c, 0x00FF00u);
}

TEST(ParseColor, RefusedTextLeavesTheColourAlone) {
    for (const char* bad :
         {"255,0", "", "   ", "255,,0", ",1,2", "1,2,", "a,b,c", "-1,0,0", "1,2,3x", "0x10,0,0", "4294967295,0,0"}) {
        ColorRef c = 0xABCDEF;
        EXPECT_FALSE(Color(bad, &c)) << bad;
        EXPECT_EQ(c, 0xABCDEFu) << bad;
    }
}

TEST(ParseColor, AFourthPartIsIgnored) {
    ColorRef c = 0;
    EXPECT_TRUE(Color("1,2,3,junk", &c));
    EXPECT_EQ(c, 0x030201u);
}

TEST(ParseColor, DeletesBlanksFromItsTextInPlace) {
    Text t(" 9 ,8, 7");
    ColorRef c;
    ParseColor(t.get(), &c);
    EXPECT_STREQ(t.get(), "9,8,7");
}

TEST(WordLists, EachListKnowsItsOwnWordsWhateverTheCase) {
    EXPECT_EQ(Stretch("Background, LEFT,right ,top,bottom,middle"), 0x3Fu);
    EXPECT_EQ(Stretch("middle"), kStretchMiddle);
    EXPECT_EQ(Align("left,Right,TOP,bottom,hcenter,VCenter"), 0x3F00u);
    EXPECT_EQ(Align("right, bottom"), kAlignRight | kAlignBottom);
    EXPECT_EQ(Style("Bold, Italic"), kFontBold | kFontItalic);
    EXPECT_EQ(Style("underline"), kFontUnderline);
    EXPECT_EQ(Resize("Vertical,horizontal"), kResizeVertical | kResizeHorizontal);
    EXPECT_EQ(Resize("fixed"), kResizeFixed);
}

TEST(WordLists, UnknownWordsAndEmptyTextGiveNothing) {
    EXPECT_EQ(Stretch(""), 0u);
    EXPECT_EQ(Stretch("hcenter,bold"), 0u);
    EXPECT_EQ(Align("middle,background"), 0u);
    EXPECT_EQ(Style("heavy,,"), 0u);
    EXPECT_EQ(Resize("vert"), 0u);
    EXPECT_EQ(Style(",,,bold,,,"), kFontBold);
}

TEST(WordLists, BlanksInsideAWordAreDeletedToo) {
    EXPECT_EQ(Style("b o l d"), kFontBold);
    EXPECT_EQ(Align("h center"), kAlignHCenter);
}

TEST(WordLists, LongWordsAndLongListsAreSafe) {
    EXPECT_EQ(Style(std::string(5000, 'x') + ",bold"), kFontBold);
    EXPECT_EQ(Style("bold" + std::string(5000, 'd')), 0u);
    std::string many;
    for (int i = 0; i < 3000; ++i) many += "nothing,";
    EXPECT_EQ(Align(many + "bottom"), kAlignBottom);
    EXPECT_EQ(Align(std::string(10000, ',')), 0u);
}

TEST(WordLists, DoubleByteTextIsNotMistakenForWords) {
    // CP932 "ボ" is 0x83 0x7B; its trail bytes must not be lower-cased into a match.
    EXPECT_EQ(Style("\x83\x7B"
                    "BOLD"),
              0u);
    EXPECT_EQ(Style("\x83\x7B,BOLD"), kFontBold);
}

TEST(ParseOldStyleWords, KeepsBlanksSoTheSecondWordDoesNotCount) {
    EXPECT_EQ(ParseOldStyleWords("bold, italic"), kFontBold);
    EXPECT_EQ(ParseOldStyleWords("bold,italic"), kFontBold | kFontItalic);
    EXPECT_EQ(ParseOldStyleWords("Underline"), kFontUnderline);
    EXPECT_EQ(ParseOldStyleWords(" bold"), 0u);
    EXPECT_EQ(ParseOldStyleWords(""), 0u);
}

TEST(ParseSkinVersion, MajorAndMinorAreHexadecimal) {
    EXPECT_EQ(ParseSkinVersion("2.0").major, 2);
    EXPECT_EQ(ParseSkinVersion("2.0").minor, 0);
    EXPECT_EQ(ParseSkinVersion("1.5").major, 1);
    EXPECT_EQ(ParseSkinVersion("1.5").minor, 5);
    EXPECT_EQ(ParseSkinVersion("2.1a").minor, 0x1a);
    EXPECT_EQ(ParseSkinVersion("2").major, 2);
    EXPECT_EQ(ParseSkinVersion("2").minor, 0);
    EXPECT_EQ(ParseSkinVersion("12.0").major, 0x12);
}

TEST(ParseSkinVersion, EmptyAndForeignTextAreNotVersionTwo) {
    EXPECT_EQ(ParseSkinVersion("").major, 0);
    EXPECT_EQ(ParseSkinVersion(nullptr).major, 0);
    EXPECT_NE(ParseSkinVersion("two").major, 2);
    EXPECT_NE(ParseSkinVersion(" 2.0").major, 2);  // the blank is not a digit
    EXPECT_NE(ParseSkinVersion("V2.0").major, 2);
    EXPECT_EQ(ParseSkinVersion(".2").major, -1);
}

TEST(SwapRedBlue, ExchangesTheOuterBytes) {
    EXPECT_EQ(SwapRedBlue(0xFF0000), 0x0000FFu);
    EXPECT_EQ(SwapRedBlue(0x123456), 0x563412u);
    EXPECT_EQ(SwapRedBlue(0x00FF00), 0x00FF00u);
}

TEST(MixColors, MovesHalfWayTruncatingTowardZero) {
    EXPECT_EQ(MixColors(0x000000, 0xFFFFFF), 0x7F7F7Fu);  // 0 - (-255)/2 = 127
    EXPECT_EQ(MixColors(0xFFFFFF, 0x000000), 0x808080u);  // 255 - 255/2 = 128
    EXPECT_EQ(MixColors(0x0A0B0C, 0x0A0B0C), 0x0A0B0Cu);
    EXPECT_EQ(MixColors(0xD4D0C8, 0x6A240A), 0x9F7A69u);  // button face with the classic highlight
}

TEST(MulDivRound, RoundsToNearestLikeTheSystem) {
    EXPECT_EQ(MulDivRound(9, 96, 72), 12);
    EXPECT_EQ(MulDivRound(10, 96, 72), 13);  // 13.33
    EXPECT_EQ(MulDivRound(11, 96, 72), 15);  // 14.67
    EXPECT_EQ(MulDivRound(-9, 96, 72), -12);
    EXPECT_EQ(MulDivRound(3, 1, 2), 2);  // halves round away from zero
    EXPECT_EQ(MulDivRound(-3, 1, 2), -2);
    EXPECT_EQ(MulDivRound(5, 1, -2), -3);
}

TEST(MulDivRound, FailsOnZeroDivisorAndOverflow) {
    EXPECT_EQ(MulDivRound(1, 1, 0), -1);
    EXPECT_EQ(MulDivRound(INT32_MAX, INT32_MAX, 1), -1);
    EXPECT_EQ(MulDivRound(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
}

TEST(RoundUpToMultiple, RaisesToTheNextMultiple) {
    EXPECT_EQ(RoundUpToMultiple(8, 5), 10);
    EXPECT_EQ(RoundUpToMultiple(10, 5), 10);
    EXPECT_EQ(RoundUpToMultiple(1, 24), 24);
    EXPECT_EQ(RoundUpToMultiple(-3, 5), 0);
    EXPECT_EQ(RoundUpToMultiple(-5, 5), -5);
    EXPECT_EQ(RoundUpToMultiple(-7, 5), -5);
}

TEST(RoundUpToMultiple, AStepBelowOneCountsAsOne) {
    EXPECT_EQ(RoundUpToMultiple(8, 0), 8);
    EXPECT_EQ(RoundUpToMultiple(8, -4), 8);
    EXPECT_EQ(RoundUpToMultiple(INT32_MAX, 7), INT32_MAX);  // kept in range
    EXPECT_EQ(RoundUpToMultiple(INT32_MIN, INT32_MAX), -INT32_MAX);
}

DesignGrowthInput Input() {
    DesignGrowthInput in{};
    in.designIconSize = 16;
    in.skinIconSize = 16;
    in.selectSize = 9;
    in.unselectSize = 9;
    in.selectPointSize = 9;
    in.unselectPointSize = 9;
    in.pixelsPerInchY = 96;
    in.increase = 1;
    return in;
}

TEST(DesignRowGrowth, NothingGrowsWithTheSkinsOwnSizes) { EXPECT_EQ(DesignRowGrowth(Input()), 0); }

TEST(DesignRowGrowth, ALargerIconGrowsTheRowsToAMultipleOfIncrease) {
    DesignGrowthInput in = Input();
    in.designIconSize = 24;
    EXPECT_EQ(DesignRowGrowth(in), 8);
    in.increase = 5;
    EXPECT_EQ(DesignRowGrowth(in), 10);
    in.increase = 0;  // a skin's 0 would divide by zero
    EXPECT_EQ(DesignRowGrowth(in), 8);
    in.increase = -3;
    EXPECT_EQ(DesignRowGrowth(in), 8);
}

TEST(DesignRowGrowth, NoIconsOrNoSizeIgnoresTheIcon) {
    DesignGrowthInput in = Input();
    in.designIconSize = 24;
    in.noIcons = true;
    EXPECT_EQ(DesignRowGrowth(in), 0);
    in = Input();
    in.designIconSize = 24;
    in.skinIconSize = 0;
    EXPECT_EQ(DesignRowGrowth(in), 0);
    in = Input();
    in.designIconSize = 0;
    EXPECT_EQ(DesignRowGrowth(in), 0);
}

TEST(DesignRowGrowth, ASmallerIconShrinksTheRows) {
    DesignGrowthInput in = Input();
    in.designIconSize = 10;
    in.selectSize = in.unselectSize = 0;
    EXPECT_EQ(DesignRowGrowth(in), -6);
}

TEST(DesignRowGrowth, ALargerFontGrowsByItsPixelDifference) {
    DesignGrowthInput in = Input();
    in.selectSize = 18;  // 24 px against 12 px; above the 16-pixel icon
    EXPECT_EQ(DesignRowGrowth(in), 12);
    in.noText = true;
    EXPECT_EQ(DesignRowGrowth(in), 0);
}

TEST(DesignRowGrowth, TheUnselectedFontWinsOnlyAboveTheLargestSoFar) {
    DesignGrowthInput in = Input();
    in.selectSize = 18;    // m = 24
    in.unselectSize = 24;  // 32 px > 24: g = 32 - 12
    EXPECT_EQ(DesignRowGrowth(in), 20);
    in.unselectSize = 15;  // 20 px < 24: the selected font's growth stays
    EXPECT_EQ(DesignRowGrowth(in), 12);
    in = Input();
    in.designIconSize = 24;  // m = 24
    in.unselectSize = 12;    // 16 px < 24
    EXPECT_EQ(DesignRowGrowth(in), 8);
}

TEST(DesignRowGrowth, HostileNumbersStayInRange) {
    DesignGrowthInput in = Input();
    in.designIconSize = INT32_MAX;
    in.skinIconSize = -5;
    EXPECT_EQ(DesignRowGrowth(in), INT32_MAX);
    in = Input();
    in.selectSize = INT32_MAX;  // its pixel size overflows and is ignored
    EXPECT_EQ(DesignRowGrowth(in), 0);
    in = Input();
    in.pixelsPerInchY = 0;
    in.selectSize = 5000;
    EXPECT_EQ(DesignRowGrowth(in), 0);
}

TEST(SaturatingAdd, StaysWithin32Bits) {
    EXPECT_EQ(SaturatingAdd(5, 7), 12);
    EXPECT_EQ(SaturatingAdd(INT32_MAX, 1), INT32_MAX);
    EXPECT_EQ(SaturatingAdd(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(SaturatingAdd(0, int64_t{1} << 40), INT32_MAX);
}

}  // namespace
