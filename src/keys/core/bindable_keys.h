#pragma once
// The keys the user may bind to the panel's navigation actions, in the order
// the key dialog lists them.
#include <cstdint>

struct BindableKey {
    int16_t code;      // virtual-key code; -1 ends the table
    const char* name;  // display name; empty: the system's name of the key
};

constexpr int kBindableKeyCount = 93;

// kBindableKeyCount entries followed by the {-1, ""} end entry.
extern const BindableKey kBindableKeys[kBindableKeyCount + 1];

// Index of the first entry whose code equals the low 16 bits of code; -1 when
// the key is not in the table.
int FindBindableKey(uint32_t code);
