#include "view/event_sounds.h"

#include <windows.h>
#include <mmsystem.h>

#include "base/settings_store.h"

void PlayEventSound(SoundEvent event) {
    if (event < 0 || event >= kSoundEventCount) return;
    if (!Option(gSettings, kOptSounds) || !gSettings.soundFiles[event][0]) return;
    sndPlaySoundA(nullptr, SND_ASYNC);
    sndPlaySoundA(gSettings.soundFiles[event], SND_ASYNC | SND_NODEFAULT);
}
