#pragma once
// Judging the mouse events that the standard hook library forwards, and
// pressing the activation key when one makes up the selected gesture.
#include <windows.h>

// A mouse event forwarded by the standard library: request is the mouse
// message (for the side buttons' messages with the button, 1 or 2, in its
// high word), target the window it was for.
void HandleMouseRequest(HWND panel, UINT request, HWND target);

// Presses the activation key (after releasing held modifiers), unless the
// application of window is blocked. 1 when pressed, 0 when blocked.
int PressActivationKey(HWND window);
