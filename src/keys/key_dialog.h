#pragma once
// The key-settings dialog: the eight navigation keys of the panel, chosen
// from the bindable-key table.
#include <windows.h>

#include "base/core/settings.h"

// Runs the dialog modally over owner and stores the chosen keys into
// settings (the options sheet's working copy) when it closes; there is no
// cancel. Returns 1, or -1 when the dialog cannot be created.
INT_PTR RunKeyDialog(HWND owner, Settings& settings);
