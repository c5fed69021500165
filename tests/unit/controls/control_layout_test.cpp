#include "controls/core/control_layout.h"

#include <gtest/gtest.h>

namespace {

bool Same(const KRect& a, const KRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(IconButton, ThemeStateDisabledBeforePressedBeforeFocused) {
    EXPECT_EQ(PushButtonThemeState({false, false, false}), 1);
    EXPECT_EQ(PushButtonThemeState({false, true, false}), 5);
    EXPECT_EQ(PushButtonThemeState({true, true, false}), 3);
    EXPECT_EQ(PushButtonThemeState({true, true, true}), 4);
    EXPECT_EQ(PushButtonThemeState({false, false, true}), 4);
}

TEST(IconButton, IconCentredVerticallyAndTextAt29) {
    const IconButtonPlan p = PlanIconButton(KRect{0, 0, 96, 26}, {false, false, false}, true);
    EXPECT_EQ(p.iconPos.x, 2 + 5);
    EXPECT_EQ(p.iconPos.y, 5);
    EXPECT_EQ(p.textX, 29);
    EXPECT_TRUE(Same(p.focusRect, KRect{3, 3, 93, 23}));
}

TEST(IconButton, ClassicPressedLookShiftsTheContentOnePixel) {
    const KRect button{10, 20, 106, 46};
    const IconButtonPlan pressed = PlanIconButton(button, {true, true, false}, true);
    EXPECT_TRUE(Same(pressed.content, KRect{11, 21, 107, 47}));
    EXPECT_EQ(pressed.iconPos.x, 11 + 2 + 5);
    EXPECT_EQ(pressed.iconPos.y, 21 + 5);
    EXPECT_EQ(pressed.textX, 11 + 29);
    // The visual style draws its own pressed look, and a disabled button never moves.
    EXPECT_TRUE(Same(PlanIconButton(button, {true, true, false}, false).content, button));
    EXPECT_TRUE(Same(PlanIconButton(button, {true, false, true}, true).content, button));
}

TEST(ColourButton, BlackFrameAndSwatchInside) {
    const ColourButtonPlan p = PlanColourButton(KRect{0, 0, 40, 20});
    EXPECT_TRUE(Same(p.frame, KRect{5, 3, 35, 17}));
    EXPECT_TRUE(Same(p.swatch, KRect{7, 5, 33, 15}));
}

TEST(ImageCombo, RowWithOrWithoutIconStartsItsTextAt21) {
    const ComboRowPlan p = PlanComboRow(KRect{4, 16, 200, 32}, 50);
    EXPECT_EQ(p.textX, 25);
    EXPECT_TRUE(Same(p.highlight, KRect{24, 16, 77, 32}));
    EXPECT_EQ(p.iconPos.x, 6);
    EXPECT_EQ(p.iconPos.y, 16);
}

TEST(CheckList, LargestIndentBitCounts) {
    EXPECT_EQ(RowIndent(0), 0);
    EXPECT_EQ(RowIndent(kRowIndent1), 18);
    EXPECT_EQ(RowIndent(kRowIndent2), 36);
    EXPECT_EQ(RowIndent(kRowIndent3), 54);
    EXPECT_EQ(RowIndent(kRowIndent1 | kRowIndent2), 36);
    EXPECT_EQ(RowIndent(kRowIndent1 | kRowIndent3 | kRowTicked), 54);
}

TEST(CheckList, BoxStates) {
    EXPECT_EQ(CheckBoxThemeState(0), 1);
    EXPECT_EQ(CheckBoxThemeState(kRowTicked), 5);
    EXPECT_EQ(CheckBoxThemeState(kRowDisabled), 4);
    EXPECT_EQ(CheckBoxThemeState(kRowTicked | kRowDisabled), 8);
    EXPECT_EQ(CheckBoxThemeState(kRowTicked | kRowRadio), 5);
}

TEST(CheckList, HeadingHasAnIconAndNoBox) {
    const CheckRowPlan p = PlanCheckRow(KRect{0, 36, 300, 54}, kRowHeader | kRowIndent1, 13);
    EXPECT_TRUE(p.header);
    EXPECT_EQ(p.iconPos.x, 18 + 4);
    EXPECT_EQ(p.iconPos.y, 37);
    EXPECT_EQ(p.textX, 18 + 24);
}

TEST(CheckList, BoxEndsAt18PastTheIndentAndTextFollows) {
    const CheckRowPlan p = PlanCheckRow(KRect{0, 0, 300, 18}, kRowIndent2, 13);
    EXPECT_FALSE(p.header);
    // Indent 36, plus 18 for the box column.
    EXPECT_TRUE(Same(p.box, KRect{59, 2, 72, 15}));
    EXPECT_EQ(p.textX, 54 + 24);
    const CheckRowPlan themed = PlanCheckRow(KRect{0, 0, 300, 18}, 0, 15);
    EXPECT_TRUE(Same(themed.box, KRect{21, 1, 36, 16}));
}

TEST(CheckList, TickingLeavesHeadingsAndDisabledRowsAlone) {
    EXPECT_EQ(WithTicked(0, true), kRowTicked);
    EXPECT_EQ(WithTicked(kRowTicked | kRowRadio, false), kRowRadio);
    EXPECT_EQ(WithTicked(kRowHeader, true), kRowHeader);
    EXPECT_EQ(WithTicked(kRowDisabled, true), kRowDisabled);
    EXPECT_EQ(WithTicked(kRowDisabled | kRowTicked, false), kRowDisabled | kRowTicked);
}

TEST(CheckList, ClicksSwallowedOnDisabledRowsAndRadiosNeverToggled) {
    RowClick c = ClickOnRow(kRowDisabled);
    EXPECT_TRUE(c.swallow);
    EXPECT_FALSE(c.notify);
    c = ClickOnRow(kRowDisabled | kRowHeader);
    EXPECT_TRUE(c.swallow);
    c = ClickOnRow(0);
    EXPECT_FALSE(c.swallow);
    EXPECT_TRUE(c.toggle);
    EXPECT_TRUE(c.notify);
    c = ClickOnRow(kRowRadio);
    EXPECT_FALSE(c.toggle);
    EXPECT_TRUE(c.notify);
    c = ClickOnRow(kRowHeader);
    EXPECT_FALSE(c.toggle);
    EXPECT_TRUE(c.notify);
}

TEST(CheckList, SpaceNotifiesAlwaysAndTogglesOnlyCheckRows) {
    EXPECT_TRUE(SpaceOnRow(0).toggle);
    EXPECT_FALSE(SpaceOnRow(kRowRadio).toggle);
    EXPECT_FALSE(SpaceOnRow(kRowHeader).toggle);
    EXPECT_FALSE(SpaceOnRow(kRowDisabled).toggle);
    EXPECT_TRUE(SpaceOnRow(kRowDisabled).notify);
    EXPECT_FALSE(SpaceOnRow(0).swallow);
}

}  // namespace
