#pragma once
// The options sheet's page "デザイン": fonts, sizes, styles and colours of the
// panel's rows, the cursor and the background on top of the skin, with a live
// preview of the panel.
#include <windows.h>

INT_PTR CALLBACK DesignPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
