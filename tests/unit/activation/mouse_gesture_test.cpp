#include "activation/core/mouse_gesture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "activation/core/mouse_modes.h"
#include "base/core/option_flags.h"

namespace {

using namespace mouse_message;
using G = GestureTest;
constexpr HookVariant kCompat = HookVariant::kCompatibility;
constexpr HookVariant kStandard = HookVariant::kStandard;

const uint32_t kAllMessages[] = {kNcMouseMove,
                                 kNcLeftDoubleClick,
                                 kNcRightDown,
                                 kNcRightDoubleClick,
                                 kNcMiddleDown,
                                 kNcMiddleDoubleClick,
                                 kMouseMove,
                                 kLeftDoubleClick,
                                 kRightDown,
                                 kRightUp,
                                 kRightDoubleClick,
                                 kMiddleDown,
                                 kMiddleUp,
                                 kMiddleDoubleClick,
                                 kWheel,
                                 0x201 /* left down */,
                                 0x202 /* left up */};

// The messages a mode reacts to at all, with the test each needs.
std::vector<std::pair<uint32_t, G>> Reacting(int mode, HookVariant v) {
    std::vector<std::pair<uint32_t, G>> out;
    for (uint32_t m : kAllMessages)
        if (ClassifyMouseEvent(mode, m, v) != G::kNone) out.push_back({m, ClassifyMouseEvent(mode, m, v)});
    return out;
}

using R = std::vector<std::pair<uint32_t, G>>;

TEST(ClassifyMouseEvent, DoubleClickModesTakeTheSystemMessageOrTwoTrackedPresses) {
    EXPECT_EQ(Reacting(0, kCompat), (R{{kNcMiddleDoubleClick, G::kMatch},
                                       {kMiddleDown, G::kTrackPress},
                                       {kMiddleUp, G::kTrackRelease},
                                       {kMiddleDoubleClick, G::kMatch}}));
    // Non-client presses are not tracked.
    EXPECT_EQ(Reacting(9, kCompat), (R{{kNcRightDoubleClick, G::kMatch},
                                       {kRightDown, G::kTrackPress},
                                       {kRightUp, G::kTrackRelease},
                                       {kRightDoubleClick, G::kMatch}}));
}

TEST(ClassifyMouseEvent, ChordFiresOnTheRightPressOnlyWithTheLeftButtonHeld) {
    EXPECT_EQ(Reacting(1, kCompat), (R{{kNcRightDown, G::kLeftButtonHeld}, {kRightDown, G::kLeftButtonHeld}}));
}

TEST(ClassifyMouseEvent, DesktopAndTaskbarModesNameTheirWindowTest) {
    EXPECT_EQ(Reacting(2, kCompat), (R{{kNcMiddleDown, G::kDesktop}, {kMiddleDown, G::kDesktop}}));
    EXPECT_EQ(Reacting(3, kCompat), (R{{kNcMiddleDoubleClick, G::kDesktop}, {kMiddleDoubleClick, G::kDesktop}}));
    EXPECT_EQ(Reacting(4, kCompat),
              (R{{kNcLeftDoubleClick, G::kDesktopEmptySpace}, {kLeftDoubleClick, G::kDesktopEmptySpace}}));
    EXPECT_EQ(Reacting(5, kCompat), (R{{kNcMiddleDown, G::kTaskbar}, {kMiddleDown, G::kTaskbar}}));
    EXPECT_EQ(Reacting(6, kCompat), (R{{kNcMiddleDoubleClick, G::kTaskbar}, {kMiddleDoubleClick, G::kTaskbar}}));
    EXPECT_EQ(Reacting(7, kCompat), (R{{kWheel, G::kDesktopUnderPoint}}));
    EXPECT_EQ(Reacting(8, kCompat), (R{{kWheel, G::kTaskbarUnderPoint}}));
}

TEST(ClassifyMouseEvent, WheelPressAnywhereBelongsToTheStandardLibraryOnly) {
    EXPECT_TRUE(Reacting(10, kCompat).empty());
    EXPECT_EQ(Reacting(10, kStandard), (R{{kMiddleDown, G::kMatch}}));
    // Every other mode judges the same in both variants.
    for (int mode = 0; mode <= 9; ++mode) EXPECT_EQ(Reacting(mode, kCompat), Reacting(mode, kStandard)) << mode;
}

TEST(ClassifyMouseEvent, UnknownModesAndMovesNeverReact) {
    for (int mode : {-1, 11, 12, 255}) {
        EXPECT_TRUE(Reacting(mode, kCompat).empty()) << mode;
        EXPECT_TRUE(Reacting(mode, kStandard).empty()) << mode;
    }
    for (int mode = 0; mode <= 10; ++mode) {
        EXPECT_EQ(ClassifyMouseEvent(mode, kMouseMove, kStandard), G::kNone);
        EXPECT_EQ(ClassifyMouseEvent(mode, kNcMouseMove, kStandard), G::kNone);
    }
}

TEST(MouseModeTable, ListsEveryModeOnceWithAValidPicture) {
    bool seen[13] = {};
    for (const MouseModeRow& row : kMouseModeTable) {
        ASSERT_LE(row.mode, 12);
        EXPECT_FALSE(seen[row.mode]) << int(row.mode);
        seen[row.mode] = true;
        EXPECT_LE(row.icon, 10);
        EXPECT_GT(std::strlen(row.text), 0u);
        EXPECT_LT(std::strlen(row.text), 128u);
    }
    EXPECT_EQ(kMouseModeTable[0].mode, 0);
    EXPECT_EQ(kMouseModeTable[1].mode, 10);
    EXPECT_STREQ(kMouseModeTable[3].text,
                 "\x8d\xb6\x83{\x83^\x83\x93 + \x89"
                 "E\x83{\x83^\x83\x93 \x83N\x83\x8a\x83"
                 "b\x83N");
}

TEST(RequiredModifiers, FlagsSixtyFiveToSixtySevenAreShiftCtrlAlt) {
    uint8_t flags[kOptionBytes] = {};
    EXPECT_EQ(RequiredModifiers(flags), 0u);
    SetOption(flags, kOptMouseNeedsShift);
    EXPECT_EQ(RequiredModifiers(flags), kModifierShift);
    SetOption(flags, kOptMouseNeedsAlt);
    EXPECT_EQ(RequiredModifiers(flags), kModifierShift | kModifierAlt);
    SetOption(flags, kOptMouseNeedsCtrl);
    EXPECT_EQ(RequiredModifiers(flags), kModifierShift | kModifierCtrl | kModifierAlt);
}

TEST(ModifiersSatisfied, ExtraModifiersDoNotMatterMissingOnesDo) {
    EXPECT_TRUE(ModifiersSatisfied(kModifierShift, kModifierShift | kModifierCtrl));
    EXPECT_FALSE(ModifiersSatisfied(kModifierShift, kModifierCtrl));
    EXPECT_FALSE(ModifiersSatisfied(kModifierShift | kModifierAlt, kModifierShift));
    EXPECT_TRUE(ModifiersSatisfied(0, 0));
}

HoverFacts HoverReady() {
    HoverFacts f{};
    f.alwaysShown = true;
    f.hoverActivates = true;
    f.visible = true;
    f.pointOnPanel = true;
    return f;
}

TEST(JudgeHover, AMoveOverTheInactiveAlwaysShownPanelActivatesIt) {
    EXPECT_EQ(JudgeHover(kMouseMove, HoverReady()), HoverResult::kActivate);
    EXPECT_EQ(JudgeHover(kNcMouseMove, HoverReady()), HoverResult::kActivate);
}

TEST(JudgeHover, EachMissingConditionStopsTheActivation) {
    HoverFacts f = HoverReady();
    f.hoverActivates = false;  // kOptHoverActivates clear: still a hover event, but nothing happens
    EXPECT_EQ(JudgeHover(kMouseMove, f), HoverResult::kIgnore);
    f = HoverReady();
    f.visible = false;
    EXPECT_EQ(JudgeHover(kMouseMove, f), HoverResult::kIgnore);
    f = HoverReady();
    f.pointOnPanel = false;
    EXPECT_EQ(JudgeHover(kMouseMove, f), HoverResult::kIgnore);
    f = HoverReady();
    f.active = true;
    EXPECT_EQ(JudgeHover(kMouseMove, f), HoverResult::kIgnore);
    f = HoverReady();
    f.foreground = true;
    EXPECT_EQ(JudgeHover(kMouseMove, f), HoverResult::kIgnore);
}

TEST(JudgeHover, NotAHoverEventWithoutFlagEightWhileBusyOrForOtherMessages) {
    HoverFacts f = HoverReady();
    f.alwaysShown = false;
    EXPECT_EQ(JudgeHover(kMouseMove, f), HoverResult::kNotHover);
    f = HoverReady();
    f.busy = true;
    EXPECT_EQ(JudgeHover(kMouseMove, f), HoverResult::kNotHover);
    f = HoverReady();
    f.optionsOpen = true;
    EXPECT_EQ(JudgeHover(kMouseMove, f), HoverResult::kNotHover);
    EXPECT_EQ(JudgeHover(kMiddleDown, HoverReady()), HoverResult::kNotHover);
}

}  // namespace
