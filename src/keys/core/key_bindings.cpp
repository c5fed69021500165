#include "keys/core/key_bindings.h"

#include "base/core/text.h"

unsigned HotkeyModifiers(uint16_t value) {
    unsigned mods = 0;
    if (value & kHotkeyAlt) mods |= kModAlt;
    if (value & kHotkeyShift) mods |= kModShift;
    if (value & kHotkeyControl) mods |= kModControl;
    return mods;
}

void HotkeyModifierText(uint16_t value, char* out, size_t outSize) {
    char text[32] = "";
    size_t used = 0;
    auto append = [&](const char* part) {
        for (const char* p = part; *p && used + 1 < sizeof text; ++p) text[used++] = *p;
        text[used] = '\0';
    };
    if (value & kHotkeyControl) append("Ctrl+");
    if (value & kHotkeyShift) append("Shift+");
    if (value & kHotkeyAlt) append("Alt+");
    CopyText(out, outSize, text);
}
