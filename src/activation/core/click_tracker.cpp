#include "activation/core/click_tracker.h"

bool TrackPress(ClickTracker& tracker, int32_t x, int32_t y, uint32_t now, uint32_t doubleClickTime) {
    // Unsigned difference: a tick count that wrapped around still measures the
    // time between the presses correctly.
    const bool fires = tracker.state == 2 && tracker.x == x && tracker.y == y && now - tracker.time < doubleClickTime;
    tracker.state = fires ? 0 : 1;
    tracker.time = now;
    tracker.x = x;
    tracker.y = y;
    return fires;
}

void TrackRelease(ClickTracker& tracker, int32_t x, int32_t y) {
    if (tracker.state == 1 && tracker.x == x && tracker.y == y) {
        tracker.state = 2;
        return;
    }
    tracker = ClickTracker{};
}
