#include "activation/core/click_tracker.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kDoubleClickTime = 500;

// Press and release at one point, as a single click.
void Click(ClickTracker& t, int32_t x, int32_t y, uint32_t now) {
    EXPECT_FALSE(TrackPress(t, x, y, now, kDoubleClickTime));
    TrackRelease(t, x, y);
}

TEST(ClickTracker, SecondPressAtTheSamePixelWithinTheTimeFires) {
    ClickTracker t{};
    Click(t, 10, 20, 1000);
    EXPECT_TRUE(TrackPress(t, 10, 20, 1499, kDoubleClickTime));
    EXPECT_EQ(t.state, 0u);
}

TEST(ClickTracker, AOnePixelMoveBetweenTheClicksDoesNotFire) {
    ClickTracker t{};
    Click(t, 10, 20, 1000);
    EXPECT_FALSE(TrackPress(t, 11, 20, 1100, kDoubleClickTime));
    ClickTracker u{};
    Click(u, 10, 20, 1000);
    EXPECT_FALSE(TrackPress(u, 10, 19, 1100, kDoubleClickTime));
    // The moved press starts a new sequence of its own.
    EXPECT_EQ(u.state, 1u);
    TrackRelease(u, 10, 19);
    EXPECT_TRUE(TrackPress(u, 10, 19, 1200, kDoubleClickTime));
}

TEST(ClickTracker, AReleaseElsewhereForgetsThePress) {
    ClickTracker t{};
    EXPECT_FALSE(TrackPress(t, 10, 20, 1000, kDoubleClickTime));
    TrackRelease(t, 12, 20);  // dragged away before letting go
    EXPECT_EQ(t.state, 0u);
    EXPECT_EQ(t.time, 0u);
    EXPECT_FALSE(TrackPress(t, 10, 20, 1100, kDoubleClickTime));
}

TEST(ClickTracker, ASecondPressAfterTheTimeDoesNotFireButStartsOver) {
    ClickTracker t{};
    Click(t, 10, 20, 1000);
    EXPECT_FALSE(TrackPress(t, 10, 20, 1500, kDoubleClickTime));  // exactly the limit is too late
    EXPECT_EQ(t.state, 1u);
    TrackRelease(t, 10, 20);
    EXPECT_TRUE(TrackPress(t, 10, 20, 1600, kDoubleClickTime));
}

TEST(ClickTracker, TwoPressesWithoutAReleaseDoNotFire) {
    ClickTracker t{};
    EXPECT_FALSE(TrackPress(t, 10, 20, 1000, kDoubleClickTime));
    EXPECT_FALSE(TrackPress(t, 10, 20, 1100, kDoubleClickTime));
}

TEST(ClickTracker, AThirdPressAfterAFireStartsANewSequence) {
    ClickTracker t{};
    Click(t, 5, 5, 1000);
    EXPECT_TRUE(TrackPress(t, 5, 5, 1100, kDoubleClickTime));
    TrackRelease(t, 5, 5);  // the release of the fired press: nothing pending
    EXPECT_EQ(t.state, 0u);
    EXPECT_FALSE(TrackPress(t, 5, 5, 1200, kDoubleClickTime));
    EXPECT_EQ(t.state, 1u);
    TrackRelease(t, 5, 5);
    EXPECT_TRUE(TrackPress(t, 5, 5, 1300, kDoubleClickTime));
}

TEST(ClickTracker, TheTickCountWrappingBetweenTheClicksStillMeasuresTheGap) {
    ClickTracker t{};
    Click(t, 0, 0, 0xFFFFFF00u);
    EXPECT_TRUE(TrackPress(t, 0, 0, 0x00000010u, kDoubleClickTime));  // 0x110 ms later
}

TEST(ClickTracker, NegativeCoordinatesOfASecondMonitorWork) {
    ClickTracker t{};
    Click(t, -300, -20, 50);
    EXPECT_TRUE(TrackPress(t, -300, -20, 90, kDoubleClickTime));
}

}  // namespace
