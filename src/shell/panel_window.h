#pragma once
#include <windows.h>

// Registers the window class "Tovel panel" and creates the hidden panel window.
// Null when the class or the window cannot be created.
HWND CreatePanelWindow(HINSTANCE instance);

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
