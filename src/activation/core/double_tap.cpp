#include "activation/core/double_tap.h"

bool TrackTap(DoubleTapTracker& t, TapEvent event, uint32_t now, uint32_t doubleClickTime) {
    switch (event) {
        case TapEvent::kOther:
            // Ctrl+C and Ctrl+click are shortcuts, not taps.
            t.state = 0;
            return false;
        case TapEvent::kCtrlDown:
            if (t.state == 0) {
                t.state = 1;
                t.firstDown = now;
            } else if (t.state == 2) {
                if (now - t.firstDown <= doubleClickTime) {
                    t.state = 3;
                    t.secondDown = now;
                } else {  // too slow for the pair: this press may begin the next one
                    t.state = 1;
                    t.firstDown = now;
                }
            }
            // States 1 and 3: the keyboard repeating a held key.
            return false;
        case TapEvent::kCtrlUp:
            if (t.state == 1) {
                t.state = now - t.firstDown <= doubleClickTime ? 2 : 0;  // a held Ctrl is no tap
            } else if (t.state == 3) {
                t.state = 0;
                return now - t.secondDown <= doubleClickTime;
            }
            return false;
    }
    return false;
}
