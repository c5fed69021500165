#pragma once
// The hotkey value and the panel's key bindings: which modifiers a stored
// hotkey registers with, how its modifiers read, and which action a key
// pressed on the panel asks for.
#include <cstddef>
#include <cstdint>

#include "base/core/settings.h"

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

enum class KeyAction {
    kNone,
    kExecute,
    kClose,
    kUp,
    kDown,
    kPageUp,
    kPageDown,
    kCollapse,
    kExpand,
    kAccelerator,  // try the accelerators of the items in the panel's rows
};

// The bindings are tried in the order Execute, Close, Up, Down, Page Up, Page
// Down, Collapse, Expand; the first that equals key acts, so a key bound
// twice does the earlier action. Collapse and Expand act only with folders
// opening in the panel (kOptFoldersInPanel); without it their keys do nothing at
// all. Any other key is an accelerator with kOptAccelerators.
KeyAction DecideKeyAction(const Settings& s, uint32_t key);

// The first row whose accelerator key equals key, or -1. rowKeys holds, per
// row, the virtual key of the accelerator of the item shown there (the low
// byte of its key-scan code), 0 for none.
int MatchAcceleratorRow(uint32_t key, const uint8_t* rowKeys, int rows);

// The bindings a fresh installation has and the key dialog's reset restores:
// Up, Down, Page Up, Page Down, Right, Left, Escape, Enter.
struct KeyBindings {
    uint16_t up, down, pageUp, pageDown, expand, collapse, close, execute;
};
constexpr KeyBindings kDefaultKeyBindings{38, 40, 33, 34, 39, 37, 27, 13};
