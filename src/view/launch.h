#pragma once
// Starting items through the shell, and opening and closing folders inside
// the panel in their place.
#include <windows.h>

struct PanelItem;

// Starts the item at index (a folder that opens in the panel is toggled
// instead). 1 when something was done, 0 for no item or a separator.
int LaunchItem(HWND window, int index);
// Opens or closes a folder item inside the panel with its sound and puts the
// current index on it; anything else is left alone.
void ToggleFolderItem(PanelItem* item);
