#pragma once
// Screenshots for looking at what the menu and dialog tests put on the
// screen: set KORVANE_SHOTS to a folder and the tests keep BMP files there.
#include <windows.h>

#include <string>

// The folder's path + "\" + name, or empty when KORVANE_SHOTS is not set.
std::string ShotPath(const char* name);
// The screen rectangle as a 24-bit BMP file; false on any failure.
bool CaptureScreen(const std::string& path, const RECT& area);
