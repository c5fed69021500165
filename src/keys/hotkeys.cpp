#include "keys/hotkeys.h"

#include <cstdio>

#include "keys/core/key_bindings.h"

bool RegisterPanelHotkey(HWND window, int id, uint16_t value) {
    return RegisterHotKey(window, id, HotkeyModifiers(value), HotkeyKey(value)) != 0;
}

void GetHotkeyText(uint16_t value, char* out, size_t outSize) {
    char modifiers[32];
    HotkeyModifierText(value, modifiers, sizeof modifiers);
    char key[64] = "";
    const UINT scanCode = MapVirtualKeyA(HotkeyKey(value), 0);
    if (GetKeyNameTextA(static_cast<LONG>(scanCode << 16), key, sizeof key) <= 0) key[0] = '\0';
    if (outSize > 0) std::snprintf(out, outSize, "%s%s", modifiers, key);
}
