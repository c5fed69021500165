#pragma once
// The options sheet's first page, "フォルダ": the shortcut folder, whether
// every file is listed, and the skin folder.
#include <windows.h>

INT_PTR CALLBACK FolderPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
