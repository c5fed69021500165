#pragma once
#include <windows.h>

// Shows the panel at the position stored for the kind of activation (by mouse
// or not) and brings it to the foreground. target is the window that was in the
// foreground when the request was made.
void ShowPanel(HWND window, HWND target, bool byMouse);

// Hides the panel. mode 0: the ordinary hide; other values are the special
// hides of the activation key and the deactivation path.
void HidePanel(HWND window, LPARAM mode);
