#pragma once
// Confirming the options sheet: the edited copy becomes the live settings and
// the running panel follows it.
#include <windows.h>

#include "base/core/settings.h"

// The options sheet over a copy of the live settings, owned by the panel when
// it is shown; the copy is applied when the sheet is confirmed. 0 when
// cancelled, else what ApplyConfirmedSettings returned.
int RunOptionsSheet(HWND panel);

// Registers the user's hotkey (or lets it go), copies working over the live
// settings, swaps the mouse-hook library when asked, applies transparency and
// the always-shown state, rebuilds the content when the list or its look
// changed, saves the settings file and redraws. 2 when the content was
// rebuilt, else 1.
int ApplyConfirmedSettings(HWND panel, const Settings& working);

// Hotkey id 0 for settings: unregistered, then registered again when the
// hotkey is switched on and has a key. A key the system refuses (another
// program holds it) is named to the user in a message when tell is set.
void ApplyUserHotkey(HWND panel, const Settings& settings, bool tell);
