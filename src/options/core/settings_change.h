#pragma once
// What confirming the options sheet changes: whether the panel content has to
// be rebuilt, and whether the mouse-hook library has to be swapped.
#include "base/core/settings.h"

struct SettingsChange {
    bool reload;              // the item list or its look differs
    bool hookLibraryChanged;  // the choice of hook library (option flag 50) differs
};

// True when live and copy differ in anything the content rebuild reads: the
// two folders, the sorting and listing flags, the look flags, and the
// customised design, the latter only while the copy has it switched on.
// Texts compare up to their terminator.
bool IsContentChanged(const Settings& live, const Settings& copy);

SettingsChange CompareSettings(const Settings& live, const Settings& copy);
