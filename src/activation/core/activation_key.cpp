#include "activation/core/activation_key.h"

#include "activation/core/mouse_gesture.h"

int BuildActivationKeys(unsigned held, KeyStroke (&out)[kMaxActivationKeys]) {
    static constexpr struct {
        unsigned bit;
        uint16_t key;
    } kModifierKeys[] = {{kModifierShift, 0x10}, {kModifierCtrl, 0x11}, {kModifierAlt, 0x12}};
    int n = 0;
    for (const auto& m : kModifierKeys)
        if (held & m.bit) out[n++] = KeyStroke{m.key, true};
    out[n++] = KeyStroke{kActivationKeyCode, false};
    out[n++] = KeyStroke{kActivationKeyCode, true};
    return n;
}

uint32_t PackFileVersion(uint32_t ms, uint32_t ls) {
    const uint32_t major = ms >> 16, minor = ms & 0xFFFF, third = ls >> 16;
    return (major << 16) | ((minor * 10 + third) & 0xFFFF);
}
