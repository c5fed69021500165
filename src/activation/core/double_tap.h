#pragma once
// Recognises Ctrl tapped twice: press and release, press and release, the
// second press within the double-click time of the first, each press let go
// within that time, and nothing else typed or clicked in between. Plain
// values, fed from a low-level hook procedure that must not allocate.
#include <cstdint>

// What one input event is to the judge.
enum class TapEvent : uint8_t {
    kCtrlDown,  // either Ctrl key; the keyboard's repeats of a held key too
    kCtrlUp,
    kOther,  // any other key, down or up, or a mouse button
};

struct DoubleTapTracker {
    uint32_t state;      // 0 nothing, 1 first press, 2 first released, 3 second press
    uint32_t firstDown;  // tick count of the first press
    uint32_t secondDown;
};

// One event at tick count now (wrapping). True when it completes a double
// tap; the tracker then starts over, so a third tap begins a new pair.
bool TrackTap(DoubleTapTracker& tracker, TapEvent event, uint32_t now, uint32_t doubleClickTime);
