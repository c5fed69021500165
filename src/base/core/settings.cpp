#include "base/core/settings.h"

const char* const kSoundKeyNames[kSoundEventCount] = {"Open", "Close",   "Execute", "Scroll",
                                                      "Over", "Extract", "Collapse"};
