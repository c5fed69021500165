#pragma once
// The options page "その他": most option flags as one check list, and the
// switch and editor of the blocked-applications list.
#include <windows.h>

INT_PTR CALLBACK OtherPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
