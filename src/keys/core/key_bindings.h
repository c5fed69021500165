#pragma once
// The hotkey value: which modifiers a stored hotkey registers with, and how
// its modifiers read.
#include <cstddef>
#include <cstdint>

// Modifier bits of a stored hotkey (its high byte, as the hotkey control
// reports it). The control's extended-key bit 0x0800 means nothing here.
constexpr uint16_t kHotkeyShift = 0x0100;
constexpr uint16_t kHotkeyControl = 0x0200;
constexpr uint16_t kHotkeyAlt = 0x0400;

// RegisterHotKey's modifier values.
constexpr unsigned kModAlt = 0x1;
constexpr unsigned kModControl = 0x2;
constexpr unsigned kModShift = 0x4;

unsigned HotkeyModifiers(uint16_t value);
inline unsigned HotkeyKey(uint16_t value) { return value & 0xFFu; }

// "Ctrl+", "Shift+" and "Alt+", in that order, for the bits the value has;
// empty without modifiers. Cut to the buffer.
void HotkeyModifierText(uint16_t value, char* out, size_t outSize);
