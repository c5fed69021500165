#pragma once
// Synthetic input and message pumping shared by the Win32 and end-to-end tests.
#include <windows.h>

#include <vector>

// Presses the keys in order, then releases them in reverse order, as one
// SendInput call (a combination such as Ctrl+Alt+Q).
void PressCombination(const std::vector<WORD>& keys);

// Puts the pointer on the screen point (x, y) and waits until the system
// reports it there steadily. Under an X server the warp comes back as motion
// events that a busy desktop process can deliver late, moving the pointer back
// to an earlier place; so the move is repeated until it holds. False if it
// never does.
bool PlacePointer(int x, int y);

// Dispatches this thread's messages for about ms milliseconds.
void PumpMessages(DWORD ms = 50);
