#pragma once
// The options page "エフェクト": scroll animation and fade-in with their speeds.
#include <windows.h>

INT_PTR CALLBACK EffectsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
