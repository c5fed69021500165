#include "shell/core/delayed_import.h"

#include <cstring>

bool SplitImportName(const char* importName, char* name, std::size_t size, int* argumentBytes) {
    *argumentBytes = 0;
    std::size_t length = std::strlen(importName);
    if (const char* at = std::strrchr(importName, '@')) {
        // Only an '@' followed by decimal digits to the end is a decoration.
        const char* digits = at + 1;
        int bytes = 0;
        bool decorated = *digits != '\0';
        for (const char* p = digits; *p && decorated; ++p) {
            if (*p < '0' || *p > '9' || bytes > 100000)
                decorated = false;
            else
                bytes = bytes * 10 + (*p - '0');
        }
        if (decorated) {
            *argumentBytes = bytes;
            length = static_cast<std::size_t>(at - importName);
        }
    }
    if (length + 1 > size) return false;
    std::memcpy(name, importName, length);
    name[length] = '\0';
    return true;
}

MissingResult MissingResultOf(const char* name) {
    // The delay-loaded functions whose failure value is not 0. Everything the
    // program calls from those libraries and does not appear here reports
    // failure with 0.
    static const struct {
        const char* name;
        MissingResult result;
    } kExceptions[] = {
        {"CoInitialize", MissingResult::ComError},
        {"CoInitializeEx", MissingResult::ComError},
        {"CoCreateInstance", MissingResult::ComError},
        {"OleInitialize", MissingResult::ComError},
        {"RegisterDragDrop", MissingResult::ComError},
        {"RevokeDragDrop", MissingResult::ComError},
        {"SHGetDesktopFolder", MissingResult::ComError},
        {"SHGetMalloc", MissingResult::ComError},
        {"SHGetFolderPathA", MissingResult::ComError},
        {"SHParseDisplayName", MissingResult::ComError},
        {"SHGetSpecialFolderLocation", MissingResult::ComError},
        {"DllGetVersion", MissingResult::ComError},
        {"ImageList_Add", MissingResult::MinusOne},
        {"ImageList_AddMasked", MissingResult::MinusOne},
        {"ImageList_ReplaceIcon", MissingResult::MinusOne},
        {"PropertySheetA", MissingResult::MinusOne},
        {"SHFileOperationA", MissingResult::MinusOne},
    };
    for (const auto& e : kExceptions)
        if (std::strcmp(e.name, name) == 0) return e.result;
    return MissingResult::Zero;
}
