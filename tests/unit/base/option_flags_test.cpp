#include "base/core/option_flags.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A bit of the set by position, named or not.
OptionFlag Bit(int n) { return static_cast<OptionFlag>(n); }

std::vector<int> SetFlags(const uint8_t* flags) {
    std::vector<int> out;
    for (int n = 0; n < 128; ++n)
        if (IsOptionSet(flags, Bit(n))) out.push_back(n);
    return out;
}

TEST(OptionFlags, BitNumbering) {
    OptionFlags f{};
    SetOption(f, Bit(0));
    SetOption(f, kOptAlwaysOnTop);
    SetOption(f, Bit(127));
    EXPECT_EQ(f[0], 0x01);
    EXPECT_EQ(f[1], 0x02);
    EXPECT_EQ(f[15], 0x80);
    ClearOption(f, kOptAlwaysOnTop);
    EXPECT_EQ(f[1], 0);
    PutOption(f, kOptSounds, true);
    EXPECT_EQ(IsOptionSet(f, kOptSounds), 1);
    PutOption(f, kOptSounds, false);
    EXPECT_EQ(IsOptionSet(f, kOptSounds), 0);
    // Numbers outside the set are never set and never written.
    SetOption(f, Bit(128));
    SetOption(f, Bit(-1));
    EXPECT_EQ(IsOptionSet(f, Bit(128)), 0);
    EXPECT_EQ(SetFlags(f), (std::vector<int>{0, 127}));
}

TEST(OptionFlags, DefaultsAndTheirStoredText) {
    OptionFlags f{};
    SetDefaultOptions(f);
    EXPECT_EQ(SetFlags(f),
              (std::vector<int>{kOptMousePlace, kOptFadeIn, kOptSecondStartActivates, kOptMousePlaceAtCursor,
                                kOptFoldersInPanel, kOptFolderArrow, kOptMouseActivation, kOptHandCursor,
                                kOptSingleClickStarts, kOptAccelerators, kOptIndentMedium, kOptOtherPlaceAsMouse}));
    char text[kOptionTextSize];
    FormatOptionText(f, text, sizeof text);
    EXPECT_STREQ(text, "30,a0,a0,84,01,04,40,40,00,00,00,00,00,00,00,00");
    EXPECT_EQ(std::strlen(text), 47u);
}

TEST(OptionFlags, LegacyFlagsFillOnlyTheFirst32) {
    OptionFlags f{};
    SetLegacyOptions(f, 5);
    EXPECT_EQ(SetFlags(f), (std::vector<int>{0, 2}));
    OptionFlags all{};
    SetLegacyOptions(all, -1);
    EXPECT_EQ(SetFlags(all).size(), 32u);
    EXPECT_EQ(IsOptionSet(all, Bit(32)), 0);
}

TEST(OptionFlags, ParsingNFlags) {
    OptionFlags f;
    std::memset(f, 0xAA, sizeof f);
    ParseOptionText("FF,1", f);
    EXPECT_EQ(f[0], 0xFF);
    EXPECT_EQ(f[1], 0x01);
    for (int i = 2; i < 16; ++i) EXPECT_EQ(f[i], 0) << i;

    ParseOptionText("30,zz", f);
    EXPECT_EQ(f[0], 0x30);
    EXPECT_EQ(f[1], 0xFF);

    ParseOptionText("01,,02", f);  // an empty field in the middle parses as -1
    EXPECT_EQ(f[1], 0xFF);
    EXPECT_EQ(f[2], 0x02);

    ParseOptionText("1ff", f);  // only the low byte is kept
    EXPECT_EQ(f[0], 0xFF);
}

TEST(OptionFlags, MoreThanSixteenFieldsStayInsideTheSet) {
    // 20 fields, with guard bytes around the set to catch a stray write.
    uint8_t guarded[kOptionBytes + 2];
    std::memset(guarded, 0x5A, sizeof guarded);
    ParseOptionText("1,2,3,4,5,6,7,8,9,a,b,c,d,e,f,10,11,12,13,14", guarded + 1);
    EXPECT_EQ(guarded[0], 0x5A);
    EXPECT_EQ(guarded[kOptionBytes + 1], 0x5A);
    EXPECT_EQ(guarded[1], 1);
    EXPECT_EQ(guarded[16], 0x10);
}

TEST(OptionFlags, FormatRoundTripsEveryByteValue) {
    OptionFlags f, back;
    for (int i = 0; i < 16; ++i) f[i] = static_cast<uint8_t>(i * 17);
    char text[kOptionTextSize];
    FormatOptionText(f, text, sizeof text);
    ParseOptionText(text, back);
    EXPECT_EQ(std::memcmp(f, back, sizeof f), 0);
}

}  // namespace
