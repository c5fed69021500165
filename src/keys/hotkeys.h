#pragma once
// The user's global hotkey: registering it with the system and the text it
// is shown by.
#include <windows.h>

#include <cstddef>
#include <cstdint>

// The panel window's two hotkeys: the user's, and the activation key that the
// mouse activation presses synthetically (kActivationKeyCode).
constexpr int kHotkeyUser = 0;
constexpr int kHotkeyActivation = 1;

// RegisterHotKey(window, id, ...) with the modifiers and key of a stored
// hotkey value. The system may refuse a key another program holds; the panel
// then simply has no hotkey, so the result only matters to tests.
bool RegisterPanelHotkey(HWND window, int id, uint16_t value);

// "Ctrl+", "Shift+", "Alt+" for the value's modifiers, then the system's name
// of its key (up to 63 bytes). Cut to the buffer.
void GetHotkeyText(uint16_t value, char* out, size_t outSize);
