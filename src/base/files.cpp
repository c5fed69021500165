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

namespace {

// The full path split at its last backslash; false when it cannot be completed.
bool FullPath(const char* path, char (&full)[MAX_PATH], char** lastSlash) {
    const DWORD n = GetFullPathNameA(path, MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH) return false;
    *lastSlash = nullptr;
    for (char* p = full; *p; ++p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1]) {
            ++p;
            continue;
        }
        if (*p == '\\') *lastSlash = p;
    }
    return true;
}

}  // namespace

void DirectoryOf(const char* path, char* out, size_t outSize) {
    char full[MAX_PATH];
    char* slash;
    if (!FullPath(path, full, &slash)) {
        CopyText(out, outSize, "");
        return;
    }
    if (slash) *slash = '\0';
    CopyText(out, outSize, full);
}

void FileNameOf(const char* path, char* out, size_t outSize) {
    char full[MAX_PATH];
    char* slash;
    if (!FullPath(path, full, &slash)) {
        CopyText(out, outSize, "");
        return;
    }
    CopyText(out, outSize, slash ? slash + 1 : full);
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
