#pragma once
// The mouse's side buttons (the first and second extra button, Back and
// Forward on most mice): which mode calls the panel with which of them, which
// messages press or release one, and the list of blocked programs in the form
// the hook libraries can search without allocating.
#include <cstddef>
#include <cstdint>

// Mode numbers of a click of the first and of the second side button. They
// follow the numbers older versions know, which read them as no gesture.
constexpr int kMouseModeSideButton1 = 11;
constexpr int kMouseModeSideButton2 = 12;

// The side button a mode takes (1 or 2, as the system numbers them in the
// high word of the event's mouse data); 0 for every other mode.
unsigned SideButtonOfMode(int mode);

// The mouse request the standard hook library sends for a side button's
// message names the button in its high word; other messages go as they are.
constexpr uint32_t MouseRequestCode(uint32_t message, unsigned sideButton) { return message | sideButton << 16; }

enum class SideButtonPhase { kNone, kPress, kRelease };

// A press is a down or a double-click message, in the client or non-client
// area: a window asking for double-clicks gets the second of two quick clicks
// as the double-click message, and it is a click all the same.
SideButtonPhase SideButtonPhaseOf(uint32_t message);

// Paths packed one after another, each ended by a zero byte. The panel
// program packs the blocked applications this way into the hook libraries'
// shared data; the hook searches it in place.
//
// The room the hook libraries keep for the packed list of blocked
// applications (each entry in up to three forms of at most 260 bytes).
constexpr size_t kPackedBlockedBytes = 16384;

// Appends path (with its zero byte) at used; false, and the list unchanged,
// when it does not fit in capacity.
bool AppendPackedPath(char* list, size_t capacity, size_t& used, const char* path);
// Whether path is one of the first used bytes' entries, compared exactly. An
// entry cut off at used (no zero byte) matches nothing.
bool PackedPathsHold(const char* list, size_t used, const char* path);
