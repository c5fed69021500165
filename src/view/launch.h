#pragma once
// Starting items through the shell, the event sounds, and closing open menus
// before the panel takes the foreground.
#include <windows.h>

// Starts the item at index (a folder that opens in the panel is toggled
// instead). 1 when something was done, 0 for no item or a separator.
int LaunchItem(HWND window, int index);
// Plays the sound file of event (SoundEvent) when sounds are on.
void PlayEventSound(int event);
// Closes a visible pop-up menu and the taskbar's start menu.
void CloseOpenMenus();
