#pragma once
// The system's pickers the pages open: a folder and a sound file.
#include <windows.h>

// The folder picker, opened at initial when that parses as a path (else
// without a selection). 1 and the chosen file-system folder in path (260
// bytes), or 0 when cancelled or when the choice is no file-system folder.
int BrowseForFolder(HWND owner, char* path, const char* initial);

// The open-file dialog for a sound file: 1 and the file in path (260 bytes),
// or 0.
int ChooseSoundFile(HWND owner, char* path);
