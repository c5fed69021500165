#include "options/core/other_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

bool Ticked(const OtherRowTicks& t, OptionFlag flag) { return t.ticked[RowWritingOption(flag)]; }

uint64_t Mix(uint64_t x) {  // splitmix64: a fixed, well-spread sequence
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Every flag with a label on this page is written by exactly one row, which
// carries that label; a flag without one only by the "none" row of a group.
TEST(OtherRows, EveryLabelledFlagHasOneRowWithItsLabel) {
    for (const OptionFlagRow& f : kOptionFlagRows) {
        int writers = 0;
        for (int i = 0; i < kOtherRowCount; ++i) writers += kOtherRows[i].flag == f.flag;
        const int row = RowWritingOption(f.flag);
        if (f.labelString == 0) {
            EXPECT_LE(writers, 1) << f.flag;
            EXPECT_TRUE(row < 0 || kOtherRows[row].clearWhenChosen) << f.flag;
            continue;
        }
        ASSERT_EQ(writers, 1) << "flag " << f.flag;
        EXPECT_EQ(kOtherRows[row].text, f.labelString) << "flag " << f.flag;
        EXPECT_FALSE(kOtherRows[row].clearWhenChosen) << "flag " << f.flag;
    }
}

// Headings write nothing; check rows write a flag; dependencies point at a
// row that can be ticked; every radio row is in exactly one group of radio
// rows, whose opening order names rows of its own with a flag.
TEST(OtherRows, TheTableIsWellFormed) {
    std::vector<int> groups(kOtherRowCount, 0);
    for (int g = 0; g < kOtherRadioGroupCount; ++g) {
        const OtherRadioGroup& group = kOtherRadioGroups[g];
        for (int i = group.first; i <= group.last; ++i) ++groups[i];
        const auto inside = [&](int row) { return row >= group.first && row <= group.last; };
        for (int row : group.order) EXPECT_TRUE(row < 0 || (inside(row) && kOtherRows[row].flag != kNoOption)) << row;
        EXPECT_TRUE(group.fallback < 0 || inside(group.fallback)) << g;
    }
    for (int i = 0; i < kOtherRowCount; ++i) {
        const OtherRow& row = kOtherRows[i];
        EXPECT_LE(row.level, 3) << i;
        EXPECT_EQ(groups[i], row.kind == OtherRowKind::kRadio ? 1 : 0) << i;
        EXPECT_EQ(row.kind == OtherRowKind::kHeading, row.heading != nullptr) << i;
        EXPECT_TRUE(row.kind != OtherRowKind::kHeading || row.flag == kNoOption) << i;
        EXPECT_TRUE(row.kind != OtherRowKind::kCheck || row.flag != kNoOption) << i;
        EXPECT_TRUE(!row.question || row.kind == OtherRowKind::kCheck) << i;
        if (row.dependsOn < 0) continue;
        ASSERT_LT(row.dependsOn, kOtherRowCount) << i;
        EXPECT_NE(row.dependsOn, i);
        EXPECT_NE(kOtherRows[row.dependsOn].kind, OtherRowKind::kHeading) << i;
    }
}

// Every choice in every radio group, each beside check rows all clear, all
// ticked and two mixed patterns, over flags that hold other bits too: the
// page opens on exactly what it wrote, writes it again unchanged, and never
// touches a flag no row writes.
TEST(OtherRows, OpeningWhatThePageWroteShowsItAgain) {
    std::vector<int> checks;
    for (int i = 0; i < kOtherRowCount; ++i)
        if (kOtherRows[i].kind == OtherRowKind::kCheck) checks.push_back(i);
    std::vector<OptionFlag> unwritten;
    for (int n = 0; n < kOptionBytes * 8; ++n)
        if (RowWritingOption(static_cast<OptionFlag>(n)) < 0) unwritten.push_back(static_cast<OptionFlag>(n));
    int combinations = 1;
    for (int g = 0; g < kOtherRadioGroupCount; ++g)
        combinations *= kOtherRadioGroups[g].last - kOtherRadioGroups[g].first + 1;

    for (int c = 0; c < combinations; ++c) {
        for (int pattern = 0; pattern < 4; ++pattern) {
            OtherRowTicks ticks{};
            int rest = c;
            for (int g = 0; g < kOtherRadioGroupCount; ++g) {
                const int size = kOtherRadioGroups[g].last - kOtherRadioGroups[g].first + 1;
                ticks.ticked[kOtherRadioGroups[g].first + rest % size] = true;
                rest /= size;
            }
            const uint64_t mixed = Mix(static_cast<uint64_t>(c));
            for (size_t k = 0; k < checks.size(); ++k) {
                const bool bit = (mixed >> k) & 1;
                ticks.ticked[checks[k]] = pattern == 1 || (pattern == 2 && bit) || (pattern == 3 && !bit);
            }
            OptionFlags base, written, again;
            for (int b = 0; b < kOptionBytes; ++b) base[b] = static_cast<uint8_t>(Mix(c * 16u + b + pattern));
            std::memcpy(written, base, sizeof written);
            CloseOtherRows(ticks, written);

            const OtherRowTicks opened = OpenOtherRows(written);
            ASSERT_EQ(std::memcmp(opened.ticked, ticks.ticked, sizeof ticks.ticked), 0) << c << " " << pattern;
            std::memcpy(again, written, sizeof again);
            CloseOtherRows(opened, again);
            ASSERT_EQ(std::memcmp(again, written, sizeof again), 0) << c;
            for (OptionFlag flag : unwritten)
                ASSERT_EQ(IsOptionSet(written, flag), IsOptionSet(base, flag)) << "flag " << flag;
        }
    }
}

TEST(OtherRows, OtherPlacementOpensOnTheRowTheShowUses) {
    OptionFlags f{};
    SetDefaultOptions(f);  // the mouse's placement, with the group's own flag clear
    OtherRowTicks ticks = OpenOtherRows(f);
    EXPECT_TRUE(Ticked(ticks, kOptOtherPlaceAsMouse));
    CloseOtherRows(ticks, f);
    EXPECT_TRUE(IsOptionSet(f, kOptOtherPlaceAsMouse));

    // Every placement flag set: the mouse's placement still wins, then the centre.
    OptionFlags all{};
    for (OptionFlag flag : {kOptOtherPlace, kOptOtherPlaceCenter, kOptOtherPlaceAtCursor, kOptOtherPlaceAsMouse})
        SetOption(all, flag);
    EXPECT_TRUE(Ticked(OpenOtherRows(all), kOptOtherPlaceAsMouse));
    ClearOption(all, kOptOtherPlaceAsMouse);
    EXPECT_TRUE(Ticked(OpenOtherRows(all), kOptOtherPlaceCenter));

    // The group's flag with none of its choices: no row of the group ticked,
    // and its flags come back as they were.
    OptionFlags none{}, back{};
    SetOption(none, kOptMousePlace);
    ticks = OpenOtherRows(none);
    const OtherRadioGroup* g = RadioGroupOf(RowWritingOption(kOptMousePlace));
    for (int i = g->first; i <= g->last; ++i) EXPECT_FALSE(ticks.ticked[i]) << i;
    CloseOtherRows(ticks, back);
    EXPECT_TRUE(IsOptionSet(back, kOptMousePlace));
    EXPECT_FALSE(IsOptionSet(back, kOptMousePlaceCenter) || IsOptionSet(back, kOptMousePlaceAtCursor));
}

TEST(OtherRows, RowsFollowTheRowsTheyDependOnAndTheSystem) {
    const OtherRowFacts facts{true, true};
    OptionFlags f{};
    SetOption(f, kOptSortReverse);
    SetOption(f, kOptCursorToTopRow);
    OtherRowTicks t = OpenOtherRows(f);  // no sorting, the cursor fixed
    EXPECT_FALSE(IsOtherRowUsable(t, RowWritingOption(kOptSortReverse), facts));
    const int keepRow = RowWritingOption(kOptKeepCursorRow);
    for (int i = keepRow - 1; i <= RowWritingOption(kOptCursorToTopRow); ++i)  // from the heading
        EXPECT_FALSE(IsOtherRowUsable(t, i, facts)) << i;

    ChooseOtherRadio(t, RowWritingOption(kOptSortByName));
    ChooseOtherRadio(t, RowWritingOption(kOptCursorFollowsWheel));
    EXPECT_TRUE(IsOtherRowUsable(t, RowWritingOption(kOptSortReverse), facts));
    EXPECT_TRUE(IsOtherRowUsable(t, keepRow - 1, facts));
    EXPECT_FALSE(Ticked(t, kOptSort));           // the "no sorting" row lost its tick
    EXPECT_TRUE(Ticked(t, kOptCursorToTopRow));  // the reset row kept its choice

    // No icons and no text exclude each other; both set by hand, either can
    // still be taken off.
    const int icons = RowWritingOption(kOptNoIcons), text = RowWritingOption(kOptNoText);
    t.ticked[icons] = true;
    EXPECT_FALSE(IsOtherRowUsable(t, text, facts));
    EXPECT_TRUE(IsOtherRowUsable(t, icons, facts));
    t.ticked[text] = true;
    EXPECT_TRUE(IsOtherRowUsable(t, icons, facts) && IsOtherRowUsable(t, text, facts));

    const int styles = RowWritingOption(kOptNoVisualStyle), lists = RowWritingOption(kOptImageLists32Bit);
    EXPECT_FALSE(IsOtherRowUsable(t, styles, OtherRowFacts{false, true}));
    EXPECT_TRUE(IsOtherRowUsable(t, lists, OtherRowFacts{false, true}));
    EXPECT_FALSE(IsOtherRowUsable(t, lists, OtherRowFacts{true, false}));
    EXPECT_FALSE(IsOtherRowUsable(t, kOtherRowCount, facts));
}

}  // namespace
