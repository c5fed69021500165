#include "skin/skin_list.h"

#include <windows.h>

#include <cstring>
#include <new>

#include "items/core/order_file.h"
#include "items/folder_listing.h"
#include "base/core/text.h"
#include "base/files.h"

SkinList gSkins;

namespace {

int SystemOrder(const char* a, const char* b) { return lstrcmpA(a, b); }

// The system's ANSI lower-casing, which knows the code page's double-byte characters.
void LowerAnsi(char* text) { CharLowerBuffA(text, static_cast<DWORD>(std::strlen(text))); }

}  // namespace

bool AddSkin(const char* name, const char* folder) { return AppendSkinEntry(gSkins.entries, name, folder); }

void FreeSkins() {
    delete[] gSkins.menuItems;
    gSkins.menuItems = nullptr;
    gSkins.menuItemCount = 0;
    FreeSkinEntries(gSkins.entries);
}

int SkinCount() { return gSkins.entries.count; }

const SkinEntry* SkinAt(int index) { return SkinEntryAt(gSkins.entries, index); }

void SortSkins() { SortSkinEntries(gSkins.entries, SystemOrder); }

const SkinEntry* FindSkin(const char* name) {
    if (!name || !gSkins.entries.head) return nullptr;
    char wanted[kPathSize];
    CopyText(wanted, name);
    LowerAnsi(wanted);
    for (const SkinEntry* entry = gSkins.entries.head; entry; entry = entry->next) {
        char last[kPathSize];
        FileNameOf(entry->folder, last, sizeof last);
        LowerAnsi(last);
        if (std::strcmp(last, wanted) == 0) return entry;
    }
    return nullptr;
}

void EnumerateSkins(const char* skinFolder) {
    FreeSkins();
    if (skinFolder && *skinFolder) {
        // Names the code page cannot hold come as short names, so that the
        // name stored in the settings finds the folder again.
        FolderListing listing(skinFolder);
        ListedEntry entry;
        while (SkinCount() < kMaxSkins && listing.Next(entry)) {
            if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
            if (!std::strcmp(entry.name, ".") || !std::strcmp(entry.name, "..")) continue;
            char folder[kPathSize], file[kPathSize];
            if (!JoinPath(skinFolder, entry.name, folder, sizeof folder)) continue;
            if (!JoinPath(folder, kSkinFileName, file, sizeof file) || !PathExists(file)) continue;
            if (!AddSkin(entry.name, folder)) break;
        }
    }
    SortSkins();
    const size_t records = static_cast<size_t>(SkinCount()) + kFixedMenuItems;
    gSkins.menuItems = new (std::nothrow) unsigned char[records * kMenuItemRecordSize]();
    gSkins.menuItemCount = gSkins.menuItems ? records : 0;
}
