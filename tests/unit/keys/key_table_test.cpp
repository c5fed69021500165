#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "keys/core/bindable_keys.h"

namespace {

TEST(BindableKeys, HoldsNinetyThreeDistinctKeysAndTheEndEntry) {
    int count = 0;
    std::set<int> codes;
    while (kBindableKeys[count].code != -1) {
        codes.insert(kBindableKeys[count].code);
        ++count;
    }
    EXPECT_EQ(count, kBindableKeyCount);
    EXPECT_EQ(codes.size(), 93u);
    EXPECT_STREQ(kBindableKeys[93].name, "");
}

TEST(BindableKeys, ListsTheKeysInTheDialogsOrder) {
    const int expected[] = {8,  9,   13,  27,  32,  33,  34,  35,  36,  37,  38,  39,  40,  44,  45, 46,
                            19, 145, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 48, 49,
                            50, 51,  52,  53,  54,  55,  56,  57,  65,  66,  67,  68,  69,  70,  71, 72,
                            73, 74,  75,  76,  77,  78,  79,  80,  81,  82,  83,  84,  85,  86,  87, 88,
                            89, 90,  186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222, 226, 96, 97,
                            98, 99,  100, 101, 102, 103, 104, 105, 106, 107, 109, 110, 111};
    static_assert(sizeof expected / sizeof expected[0] == kBindableKeyCount, "93 keys");
    for (int i = 0; i < kBindableKeyCount; ++i) EXPECT_EQ(kBindableKeys[i].code, expected[i]) << i;
}

TEST(BindableKeys, NamedKeysCarryTheirNamesAndTheRestUseTheSystems) {
    EXPECT_STREQ(kBindableKeys[FindBindableKey(8)].name, "BackSpace");
    EXPECT_STREQ(kBindableKeys[FindBindableKey(33)].name, "Page Up");
    EXPECT_STREQ(kBindableKeys[FindBindableKey(38)].name, "上カーソル");
    EXPECT_STREQ(kBindableKeys[FindBindableKey(145)].name, "Scroll Lock");
    EXPECT_STREQ(kBindableKeys[FindBindableKey(96)].name, "0 (テンキー)");
    EXPECT_STREQ(kBindableKeys[FindBindableKey(111)].name, "/ (テンキー)");
    for (int code : {9, 13, 27, 32, 44, 112, 123, 48, 65, 90, 186, 226})
        EXPECT_STREQ(kBindableKeys[FindBindableKey(code)].name, "") << code;
    // Names fit the dialog's 31-character rows.
    for (int i = 0; i < kBindableKeyCount; ++i) EXPECT_LT(std::strlen(kBindableKeys[i].name), 32u);
}

TEST(BindableKeys, FindsByTheLowSixteenBits) {
    EXPECT_EQ(FindBindableKey(8), 0);
    EXPECT_EQ(FindBindableKey(111), 92);
    EXPECT_EQ(FindBindableKey(19), 16);
    EXPECT_EQ(FindBindableKey(0x10000 | 65), FindBindableKey(65));
    // Keys outside the table: Shift, the activation key, the end marker's code.
    EXPECT_EQ(FindBindableKey(16), -1);
    EXPECT_EQ(FindBindableKey(0x8F), -1);
    EXPECT_EQ(FindBindableKey(0xFFFF), -1);
    EXPECT_EQ(FindBindableKey(0), -1);
    EXPECT_EQ(FindBindableKey(108), -1);  // the keypad separator is not offered
}

}  // namespace
