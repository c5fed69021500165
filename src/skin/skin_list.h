#pragma once
// The skin list of the skin folder and the record buffer of the owner-drawn
// popup menu that lists them. Rebuilt by every content rebuild.
#include <cstddef>

#include "skin/core/skin_entries.h"

// The owner-drawn popup menu keeps one record of this size per menu item: its
// fixed items plus one per skin.
constexpr size_t kMenuItemRecordSize = 276;
constexpr int kFixedMenuItems = 14;

struct SkinList {
    SkinEntries entries;
    unsigned char* menuItems = nullptr;  // (SkinCount() + kFixedMenuItems) records, zero-filled
    size_t menuItemCount = 0;
};

extern SkinList gSkins;

// Lists every sub-folder of skinFolder (hidden ones too) that holds a
// "skin.ini", at most 50 in the order the file system returns them, sorts the
// list and allocates the menu buffer. Frees any previous list first. An empty
// or missing folder gives an empty list.
void EnumerateSkins(const char* skinFolder);
// Appends an entry; false when the list holds 50 entries or memory runs out.
bool AddSkin(const char* name, const char* folder);
// Frees the menu buffer and every entry.
void FreeSkins();
int SkinCount();
const SkinEntry* SkinAt(int index);  // null when there is no such entry
// The first entry whose folder's last component equals name, ignoring letter
// case; null for none.
const SkinEntry* FindSkin(const char* name);
// Sorts the list by name in the system's string order; equal names keep their order.
void SortSkins();
