#pragma once
// Libraries bound by name are loaded from the system folder only, never from
// the current folder or the program's: a planted copy there would otherwise be
// loaded into the panel and, through the hook library, into every process.
#include <windows.h>

// Null when the path cannot be built or the library cannot be loaded.
HMODULE LoadSystemLibrary(const char* name);
