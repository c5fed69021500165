#pragma once
// File and path routines over the file system (the pure text ones are in
// base/core/text.h).
#include <windows.h>

#include <cstddef>

// The file read whole into a zero-filled buffer one byte longer than the file,
// so it is NUL-terminated; *size gets the file size + 1. Null on any failure.
char* ReadWholeFile(const char* path, DWORD* size);

// The full path without its last component and the backslash before it; for
// a path ending in a backslash, the path without that backslash. Empty when
// the path cannot be completed.
void DirectoryOf(const char* path, char* out, size_t outSize);
// The last component of the full path.
void FileNameOf(const char* path, char* out, size_t outSize);

bool PathExists(const char* path);   // a directory search finds anything (wildcards match)
bool IsDirectory(const char* path);  // the first match has the directory attribute
// Opens the path as a file; false when it cannot (every directory).
bool GetFileTimes(const char* path, FILETIME* creation, FILETIME* lastWrite);

// Puts size bytes in place of the file at path so that it holds either its
// old contents or all of the new ones, never a part: they are written to a
// temporary file in the same folder, which then replaces path. The new file
// gets attributes (FILE_ATTRIBUTE_HIDDEN, say). On any failure path keeps
// what it had, no temporary file is left, and the result is false. write is
// WriteFile; a caller may hand in another to see the failures through.
using FileWriteFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
bool ReplaceFileContents(const char* path, const void* bytes, size_t size, DWORD attributes,
                         FileWriteFunction write = WriteFile);
