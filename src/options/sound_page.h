#pragma once
// The options page "サウンド": a sound file for each panel event, chosen in a
// tree of the events.
#include <windows.h>

INT_PTR CALLBACK SoundPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
