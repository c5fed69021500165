#pragma once
// The options page "パネル": how the panel is called up (hotkey, mouse gesture
// with modifier keys, second start, the navigation keys) and its transparency.
#include <windows.h>

INT_PTR CALLBACK PanelPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
