#include "activation/core/double_tap.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

constexpr uint32_t kDoubleClick = 500;
constexpr TapEvent kDown = TapEvent::kCtrlDown, kUp = TapEvent::kCtrlUp, kOther = TapEvent::kOther;

// Feeds (event, tick) pairs and counts how many of them completed a double tap.
int Fires(std::initializer_list<std::pair<TapEvent, uint32_t>> events, DoubleTapTracker t = {}) {
    int fired = 0;
    for (const auto& e : events) fired += TrackTap(t, e.first, e.second, kDoubleClick);
    return fired;
}

TEST(DoubleTap, TwoQuickTapsFireOnTheSecondRelease) {
    DoubleTapTracker t{};
    EXPECT_FALSE(TrackTap(t, kDown, 1000, kDoubleClick));
    EXPECT_FALSE(TrackTap(t, kUp, 1080, kDoubleClick));
    EXPECT_FALSE(TrackTap(t, kDown, 1250, kDoubleClick));
    EXPECT_TRUE(TrackTap(t, kUp, 1330, kDoubleClick));
    // The second press exactly at the double-click time still counts; across
    // the tick counter's wrap as well.
    EXPECT_EQ(Fires({{kDown, 0}, {kUp, 100}, {kDown, 500}, {kUp, 560}}), 1);
    EXPECT_EQ(Fires({{kDown, 0xFFFFFF00u}, {kUp, 0xFFFFFF60u}, {kDown, 0x40}, {kUp, 0x90}}), 1);
}

TEST(DoubleTap, SlowHeldOrInterruptedTapsDoNotFire) {
    // The second press comes too late; it then starts a pair of its own.
    EXPECT_EQ(Fires({{kDown, 0}, {kUp, 100}, {kDown, 501}, {kUp, 560}}), 0);
    EXPECT_EQ(Fires({{kDown, 0}, {kUp, 100}, {kDown, 700}, {kUp, 760}, {kDown, 900}, {kUp, 950}}), 1);
    // A held Ctrl repeats its press; let go after the double-click time it is no tap.
    EXPECT_EQ(Fires({{kDown, 0}, {kDown, 300}, {kDown, 330}, {kUp, 600}, {kDown, 700}, {kUp, 760}}), 0);
    // The second press held too long.
    EXPECT_EQ(Fires({{kDown, 0}, {kUp, 80}, {kDown, 200}, {kDown, 500}, {kUp, 900}}), 0);
    // Ctrl+C, then a tap: a shortcut and one tap.
    EXPECT_EQ(Fires({{kDown, 0}, {kOther, 40}, {kOther, 90}, {kUp, 120}, {kDown, 250}, {kUp, 300}}), 0);
    // A click (or any key) between the taps.
    EXPECT_EQ(Fires({{kDown, 0}, {kUp, 60}, {kOther, 100}, {kDown, 200}, {kUp, 260}}), 0);
    // A key during the second press.
    EXPECT_EQ(Fires({{kDown, 0}, {kUp, 60}, {kDown, 200}, {kOther, 220}, {kUp, 260}}), 0);
}

TEST(DoubleTap, AThirdTapStartsANewPair) {
    EXPECT_EQ(Fires({{kDown, 0}, {kUp, 50}, {kDown, 150}, {kUp, 200}, {kDown, 300}, {kUp, 350}}), 1);
    EXPECT_EQ(
        Fires({{kDown, 0}, {kUp, 50}, {kDown, 150}, {kUp, 200}, {kDown, 300}, {kUp, 350}, {kDown, 450}, {kUp, 500}}),
        2);
    // A release with no press before it (Ctrl held before the tracking began) is nothing.
    EXPECT_EQ(Fires({{kUp, 0}, {kDown, 100}, {kUp, 150}, {kDown, 250}, {kUp, 300}}), 1);
}

}  // namespace
