// The path rules, apart from the rest of the file routines: the compatibility
// hook library compiles them in without a C runtime (kernel32 and the text
// routines only).
#include "base/core/text.h"
#include "base/files.h"

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
