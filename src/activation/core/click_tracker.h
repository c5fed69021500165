#pragma once
// Recognises a double-click from two presses of the same button, for windows
// whose class does not ask the system for double-click messages. Four plain
// 32-bit values, so that the hook library can keep one per process without
// allocating.
#include <cstdint>

struct ClickTracker {
    uint32_t time;   // tick count of the last press
    uint32_t state;  // 0 nothing, 1 pressed once, 2 pressed and released
    int32_t x, y;    // screen point of the last press
};

// A press at (x, y) at tick count now. True when it completes a double-click:
// the first press was released, both presses hit the same pixel, and less than
// doubleClickTime milliseconds passed between them. The press is remembered
// either way (a completed double-click starts over from nothing).
bool TrackPress(ClickTracker& tracker, int32_t x, int32_t y, uint32_t now, uint32_t doubleClickTime);

// A release at (x, y): after a press at the same pixel the tracker waits for
// the second press; anything else forgets the sequence.
void TrackRelease(ClickTracker& tracker, int32_t x, int32_t y);
