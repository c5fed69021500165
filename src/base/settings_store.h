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

// Writes every stored key, then flushes the file.
void SaveSettings(const Settings& s, int32_t iconIndex);
