#include "activation/blocked_apps.h"

#include <cstdio>
#include <cstring>

#include "activation/desktop_windows.h"
#include "activation/hook_binding.h"
#include "base/core/types.h"
#include "base/settings_store.h"
#include "base/text_file.h"

BlockedList gBlocked;

namespace {

bool NamesFile(const char* line, const void*) { return GetFileAttributesA(line) != INVALID_FILE_ATTRIBUTES; }

// The lower-cased long form of path, or empty when it has none of its own.
std::string LongForm(const char* path) {
    char full[MAX_PATH];
    const DWORD n = GetLongPathNameA(path, full, sizeof full);
    if (n == 0 || n >= sizeof full) return std::string();
    CharLowerA(full);
    return std::strcmp(full, path) == 0 ? std::string() : std::string(full);
}

// Splits the text into its lines in place and keeps the ones that can name a
// program; an empty line must not match a process whose path is unknown. An
// entry with a short (8.3) part is kept in its long form as well.
bool SplitEntries(char* text) {
    try {
        for (char* line = text; *line;) {
            char* end = std::strchr(line, '\n');
            const bool last = end == nullptr;
            if (!last) *end = '\0';
            const size_t length = std::strlen(line);
            if (length > 0 && length < static_cast<size_t>(kPathSize)) {
                CharLowerA(line);
                gBlocked.entries.push_back(line);
                if (std::strchr(line, '~')) {
                    std::string longForm = LongForm(line);
                    if (!longForm.empty()) gBlocked.longForms.push_back(std::move(longForm));
                }
            }
            if (last) break;
            line = end + 1;
        }
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

void LoadBlockedList() { LoadBlockedListFrom(gSettings.programFolder); }

void LoadBlockedListFrom(const char* folder) {
    FreeBlockedList();
    char path[MAX_PATH];
    if (std::snprintf(path, sizeof path, "%s\\%s", folder, kBlockedFileName) >= static_cast<int>(sizeof path)) return;
    gBlocked.text = ReadUserTextFile(path, NamesFile, nullptr);
    if (gBlocked.text && !SplitEntries(gBlocked.text)) gBlocked.entries.clear();
    // The hook keeps a side button from its program only outside the list.
    PassSideButtons();
}

void FreeBlockedList() {
    delete[] gBlocked.text;
    gBlocked = BlockedList{};
}

bool IsBlockedApplication(HWND window) {
    if (!Option(gSettings, kOptBlockedApps) || !gBlocked.text || window == reinterpret_cast<HWND>(-1)) return false;
    if (!window) window = GetForegroundWindow();
    char exe[MAX_PATH];
    GetWindowProcessPath(window, exe, sizeof exe);
    if (!exe[0]) return false;
    CharLowerA(exe);
    // The system may report the program by its short (8.3) path and the list
    // may hold either form: the program's path as reported, long and short is
    // compared with every entry, so a show asks the file system twice however
    // long the list.
    try {
        std::string forms[3] = {exe, LongForm(exe), std::string()};
        char shortPath[MAX_PATH];
        const DWORD n = GetShortPathNameA(exe, shortPath, sizeof shortPath);
        if (n > 0 && n < sizeof shortPath) {
            CharLowerA(shortPath);
            if (std::strcmp(shortPath, exe) != 0) forms[2] = shortPath;
        }
        auto isProgram = [&](const char* entry) {
            for (const std::string& form : forms)
                if (!form.empty() && form == entry) return true;
            return false;
        };
        for (const char* entry : gBlocked.entries)
            if (isProgram(entry)) return true;
        for (const std::string& entry : gBlocked.longForms)
            if (isProgram(entry.c_str())) return true;
    } catch (...) {
        // Out of memory: nothing is blocked rather than the panel never shown.
    }
    return false;
}
