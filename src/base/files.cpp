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

bool ReplaceFileContents(const char* path, const void* bytes, size_t size, DWORD attributes, FileWriteFunction write) {
    if (!path || (size && !bytes) || !write) return false;
    char folder[MAX_PATH], temporary[MAX_PATH];
    DirectoryOf(path, folder, sizeof folder);
    if (!folder[0] || !GetTempFileNameA(folder, "kv", 0, temporary)) return false;
    bool written = false;
    {
        // The name is taken now; opening it again gives it the attributes.
        OwnedFile file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
        if (file) {
            const char* next = static_cast<const char*>(bytes);
            size_t left = size;
            written = true;
            while (written && left) {
                const DWORD chunk = left > 0x10000 ? 0x10000 : static_cast<DWORD>(left);
                DWORD done = 0;
                written = write(file.Get(), next, chunk, &done, nullptr) && done == chunk;
                next += chunk;
                left -= chunk;
            }
            // On the disk before it takes the old file's place.
            written = written && FlushFileBuffers(file.Get());
        }
    }
    // Opening the taken name again should have given it the attributes; not
    // every system does that for an existing file, so they are set once more.
    written = written && (!attributes || SetFileAttributesA(temporary, attributes));
    // The system refuses to replace a read-only file, but not every one does:
    // such a file is the user's wish to keep it as it is.
    const DWORD old = GetFileAttributesA(path);
    const bool readOnly = old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY);
    if (written && !readOnly && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary);
    return false;
}

