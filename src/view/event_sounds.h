#pragma once
// The panel's event sounds: the wave file the user chose for an event,
// played asynchronously, and only while sounds are on.
#include "base/core/settings.h"

// A new sound stops the one still playing; an event without a file is silent.
void PlayEventSound(SoundEvent event);
