#pragma once
// The entries of one folder in the order the file system returns them, with
// names in the ANSI code page that really open the file. A name the code page
// cannot represent comes back as the volume's short 8.3 name; without one the
// entry is left out, since a '?' standing for the lost characters would name
// nothing (or, as a wildcard, something else).
#include <windows.h>

#include "base/core/types.h"
#include "base/handles.h"

struct ListedEntry {
    char name[kPathSize];  // fits "%s\%s" with the folder
    DWORD attributes;
    FILETIME lastWrite;
};

class FolderListing {
public:
    // Lists "folder\*.*"; an unreadable or missing folder lists nothing.
    explicit FolderListing(const char* folder);
    // The next entry, "." and ".." included; false at the end.
    bool Next(ListedEntry& entry);

private:
    bool Take(const WIN32_FIND_DATAW& data, ListedEntry& entry) const;

    OwnedFind find_;
    WIN32_FIND_DATAW data_{};
    bool pending_ = false;  // data_ holds an entry not yet returned
    size_t folderLength_ = 0;
};

// The wide name in the ANSI code page; false when it does not convert exactly
// or does not fit outSize.
bool ToExactAnsi(const wchar_t* name, char* out, int outSize);

// The short (8.3) name of the file entry of folder, for a name too long to
// make a path of at most 259 characters with the folder. False when the file
// does not exist, the volume keeps no short name, or even that does not fit
// outSize.
bool ShortNameInFolder(const char* folder, const char* entry, char* out, int outSize);
