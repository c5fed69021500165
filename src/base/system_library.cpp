#include "base/system_library.h"

HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH];
    const UINT n = GetSystemDirectoryA(path, sizeof path);
    if (n == 0 || n >= sizeof path) return nullptr;
    // Kernel32's string functions only: the hook libraries compile this in
    // without a C runtime.
    if (static_cast<size_t>(n) + 1 + static_cast<size_t>(lstrlenA(name)) >= sizeof path) return nullptr;
    lstrcatA(path, "\\");
    lstrcatA(path, name);
    return LoadLibraryA(path);
}
