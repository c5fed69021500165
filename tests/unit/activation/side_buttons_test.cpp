#include "activation/core/side_buttons.h"

#include <gtest/gtest.h>

#include "activation/core/mouse_gesture.h"

namespace {

using namespace mouse_message;

TEST(SideButtonModes, TakeEveryPressOfTheirOwnButtonInBothLibrariesAndNoRelease) {
    for (HookVariant v : {HookVariant::kCompatibility, HookVariant::kStandard}) {
        for (uint32_t m : {kSideDown, kSideDoubleClick, kNcSideDown, kNcSideDoubleClick}) {
            EXPECT_EQ(ClassifyMouseEvent(kMouseModeSideButton1, m, v, 1), GestureTest::kMatch) << m;
            EXPECT_EQ(ClassifyMouseEvent(kMouseModeSideButton2, m, v, 2), GestureTest::kMatch) << m;
            for (unsigned other : {0u, 2u})
                EXPECT_EQ(ClassifyMouseEvent(kMouseModeSideButton1, m, v, other), GestureTest::kNone);
            for (int mode = 0; mode <= 10; ++mode) EXPECT_EQ(ClassifyMouseEvent(mode, m, v, 1), GestureTest::kNone);
        }
        for (uint32_t m : {kSideUp, kNcSideUp, kMiddleDown})
            EXPECT_EQ(ClassifyMouseEvent(kMouseModeSideButton1, m, v, 1), GestureTest::kNone) << m;
    }
    EXPECT_EQ(SideButtonPhaseOf(kNcSideUp), SideButtonPhase::kRelease);
    EXPECT_EQ(SideButtonPhaseOf(0xAA), SideButtonPhase::kNone);
}

TEST(PackedPaths, WholeEntriesMatchAndAFullListTakesNothingMore) {
    char list[24] = {};
    size_t used = 0;
    EXPECT_FALSE(PackedPathsHold(list, used, ""));
    ASSERT_TRUE(AppendPackedPath(list, sizeof list, used, "c:\\a.exe"));
    ASSERT_TRUE(AppendPackedPath(list, sizeof list, used, "c:\\bb\\b.exe"));
    EXPECT_TRUE(PackedPathsHold(list, used, "c:\\a.exe"));
    EXPECT_TRUE(PackedPathsHold(list, used, "c:\\bb\\b.exe"));
    for (const char* other : {"c:\\a.ex", "c:\\a.exe2", "", "c:\\bb", "C:\\A.EXE"})
        EXPECT_FALSE(PackedPathsHold(list, used, other)) << other;
    EXPECT_FALSE(AppendPackedPath(list, sizeof list, used, "xyz")) << "three bytes left";
    ASSERT_TRUE(AppendPackedPath(list, sizeof list, used, "xy"));
    EXPECT_EQ(used, sizeof list);
    // Read short, as a list rewritten under its reader: a cut entry matches nothing.
    EXPECT_FALSE(PackedPathsHold(list, 14, "c:\\bb\\b.exe"));
    EXPECT_FALSE(PackedPathsHold(list, 14, "c:\\bb"));
    EXPECT_TRUE(PackedPathsHold(list, 14, "c:\\a.exe"));
}

}  // namespace
