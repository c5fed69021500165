#include "activation/core/side_buttons.h"

#include "activation/core/mouse_gesture.h"

unsigned SideButtonOfMode(int mode) {
    if (mode == kMouseModeSideButton1) return 1;
    if (mode == kMouseModeSideButton2) return 2;
    return 0;
}

SideButtonPhase SideButtonPhaseOf(uint32_t message) {
    using namespace mouse_message;
    switch (message) {
        case kSideDown:
        case kSideDoubleClick:
        case kNcSideDown:
        case kNcSideDoubleClick:
            return SideButtonPhase::kPress;
        case kSideUp:
        case kNcSideUp:
            return SideButtonPhase::kRelease;
        default:
            return SideButtonPhase::kNone;
    }
}

// Plain loops: the hook libraries carry no C run-time to call on.
namespace {
size_t LengthWithEnd(const char* text) {
    size_t n = 0;
    while (text[n]) ++n;
    return n + 1;
}
}  // namespace

bool AppendPackedPath(char* list, size_t capacity, size_t& used, const char* path) {
    const size_t length = LengthWithEnd(path);
    if (used > capacity || length > capacity - used) return false;
    for (size_t i = 0; i < length; ++i) list[used + i] = path[i];
    used += length;
    return true;
}

bool PackedPathsHold(const char* list, size_t used, const char* path) {
    size_t at = 0;
    while (at < used) {
        // Compare the entry at `at` with path while finding its end.
        size_t i = 0;
        bool same = true;
        while (at + i < used && list[at + i]) {
            if (same && list[at + i] != path[i]) same = false;
            ++i;
        }
        if (at + i == used) return false;  // cut off: no end byte
        if (same && path[i] == '\0') return true;
        at += i + 1;
    }
    return false;
}
