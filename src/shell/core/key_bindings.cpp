#include "shell/core/key_bindings.h"

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

KeyAction DecideKeyAction(const Settings& s, uint32_t key) {
    if (key == s.keyExecute) return KeyAction::kExecute;
    if (key == s.keyClose) return KeyAction::kClose;
    if (key == s.keyUp) return KeyAction::kUp;
    if (key == s.keyDown) return KeyAction::kDown;
    if (key == s.keyPageUp) return KeyAction::kPageUp;
    if (key == s.keyPageDown) return KeyAction::kPageDown;
    const bool folders = Option(s, kOptFoldersInPanel);
    if (key == s.keyCollapse) return folders ? KeyAction::kCollapse : KeyAction::kNone;
    if (key == s.keyExpand) return folders ? KeyAction::kExpand : KeyAction::kNone;
    return Option(s, kOptAccelerators) ? KeyAction::kAccelerator : KeyAction::kNone;
}

int MatchAcceleratorRow(uint32_t key, const uint8_t* rowKeys, int rows) {
    if (!rowKeys || key == 0) return -1;
    for (int r = 0; r < rows; ++r)
        if (rowKeys[r] != 0 && rowKeys[r] == key) return r;
    return -1;
}
