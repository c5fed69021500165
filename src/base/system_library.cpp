#include "base/system_library.h"

#include <cstdio>

HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH];
    const UINT n = GetSystemDirectoryA(path, sizeof path);
    if (n == 0 || n >= sizeof path) return nullptr;
    char full[MAX_PATH];
    if (std::snprintf(full, sizeof full, "%s\\%s", path, name) >= static_cast<int>(sizeof full)) return nullptr;
    return LoadLibraryA(full);
}
