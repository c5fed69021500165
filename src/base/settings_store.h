#pragma once
// The program's settings record, and korvane.ini through the Windows profile
// functions.
#include <cstdint>

#include "base/core/settings.h"

// The live settings; the options sheet edits a copy.
extern Settings gSettings;

// Fills every stored field of s (not settingsFile, programFolder or
// mmxAvailable, which the caller sets) and the saved current item index from
// s.settingsFile. A missing file or key gives the default; numbers outside
// the program's ranges are held at their ends (ClampStoredSettings).
void LoadSettings(Settings& s, int32_t& iconIndex);
// Only the option flags ("NFlags", or the older "Flags"), as LoadSettings
// reads them: all a second start needs before it hands over and ends, at a
// fraction of the cost of reading every key.
void LoadOptionFlags(Settings& s);

// Writes every stored key, then flushes the file.
void SaveSettings(const Settings& s, int32_t iconIndex);
