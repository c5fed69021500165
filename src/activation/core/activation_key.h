#pragma once
// The synthetic key sequence that turns a recognised mouse gesture into the
// activation hot key, and the packing of file versions that decides whether
// the standard hook library belongs to this program.
#include <cstdint>

constexpr uint16_t kActivationKeyCode = 0x8F;  // a key code no physical key produces
constexpr int kMaxActivationKeys = 5;

struct KeyStroke {
    uint16_t key;
    bool up;
};

// Releases of the held modifiers (bits as in mouse_gesture.h: Shift, Ctrl,
// Alt, in that order) first, so that the hot key, registered without
// modifiers, is recognised while the user still holds the ones the gesture
// required; then the activation key down and up. Returns the number of
// strokes written (at most kMaxActivationKeys).
int BuildActivationKeys(unsigned heldModifiers, KeyStroke (&out)[kMaxActivationKeys]);

// Major in the high half, minor × 10 + third in the low half (cut to 16
// bits); the fourth component does not count. mostSignificant and
// leastSignificant are the two halves of a file version as the version
// resource stores them.
uint32_t PackFileVersion(uint32_t mostSignificant, uint32_t leastSignificant);
