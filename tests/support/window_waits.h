#pragma once
// Waiting for the windows a program under test opens, from a second thread or
// another process, and answering its message boxes.
#include <windows.h>

#include <string>

// The visible top-level window of class and title (either may be null), once
// it is there; null when none comes within ms.
HWND WaitForWindow(const char* className, const char* title, DWORD ms = 5000);

// Waits for a message box captioned "Tovel panel", presses button (IDOK,
// IDRETRY, IDCANCEL ...) and gives its text; empty when none came.
std::string AnswerMessageBox(int button, DWORD ms = 5000);
