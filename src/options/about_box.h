#pragma once
// The About box: the program's name, version, maker and the address of its
// user guide.
#include <windows.h>

// Runs modally over owner (may be null); activation requests bring it
// forward while it is open. Returns 1.
INT_PTR RunAboutBox(HWND owner);
