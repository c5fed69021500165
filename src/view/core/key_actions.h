#pragma once
// Which action a key pressed on the panel asks for, by the user's key
// bindings and options.
#include <cstdint>

#include "base/core/settings.h"

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
