#pragma once
// The mouse modes in the order the activation page lists them: the text (CP932),
// the mode number stored in the settings, and the cell of the small mouse
// pictures (bitmap 163) shown beside it.
#include <cstdint>

struct MouseModeRow {
    const char* text;
    uint8_t mode;
    uint8_t icon;
};

constexpr int kMouseModeRows = 13;
extern const MouseModeRow kMouseModeTable[kMouseModeRows];
