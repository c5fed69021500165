#pragma once
// Synthetic input and message pumping shared by the Win32 and end-to-end tests.
#include <windows.h>

#include <vector>

// Presses the keys in order, then releases them in reverse order, as one
// SendInput call (a combination such as Ctrl+Alt+Q).
void PressCombination(const std::vector<WORD>& keys);

// Dispatches this thread's messages for about ms milliseconds.
void PumpMessages(DWORD ms = 50);
