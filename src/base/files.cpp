#include "base/files.h"

#include <new>

#include "base/core/text.h"
#include "base/handles.h"

char* ReadWholeFile(const char* path, DWORD* size) {
    OwnedFile file(
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    LARGE_INTEGER length;
    if (!GetFileSizeEx(file.Get(), &length) || length.QuadPart >= 0x7FFFFFFF) return nullptr;
    const DWORD bytes = static_cast<DWORD>(length.QuadPart);
    OwnedText buffer(new (std::nothrow) char[bytes + 1]());
    if (!buffer) return nullptr;
    DWORD read = 0;
    if (bytes && (!ReadFile(file.Get(), buffer.Get(), bytes, &read, nullptr) || read != bytes)) return nullptr;
    if (size) *size = bytes + 1;
    return buffer.Release();
}

bool PathExists(const char* path) {
    WIN32_FIND_DATAA data;
    OwnedFind find(FindFirstFileA(path, &data));
    return static_cast<bool>(find);
}

bool IsDirectory(const char* path) {
    WIN32_FIND_DATAA data;
    OwnedFind find(FindFirstFileA(path, &data));
    return find && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool GetFileTimes(const char* path, FILETIME* creation, FILETIME* lastWrite) {
    OwnedFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    return GetFileTime(file.Get(), creation, nullptr, lastWrite) != 0;
}
