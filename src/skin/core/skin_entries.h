#pragma once
// The skin list: one entry per sub-folder of the skin folder that holds a
// "skin.ini", sorted by name. Pure list handling; the folder search is in
// skin/skin_list.h.
#include "base/core/types.h"

constexpr int kMaxSkins = 50;  // the skin menu has commands 550 to 599
constexpr char kSkinFileName[] = "skin.ini";

struct SkinEntry {
    int kind;  // 0 for skins found on disk
    char name[kPathSize];
    char folder[kPathSize];
    SkinEntry* next;
    SkinEntry* prev;
};

struct SkinEntries {
    SkinEntry* head = nullptr;
    int count = 0;
};

// Appends a zero-filled entry; false when the list is full or memory runs out.
// Names and folders longer than the path limit are refused rather than cut.
bool AppendSkinEntry(SkinEntries& list, const char* name, const char* folder);
void FreeSkinEntries(SkinEntries& list);
SkinEntry* SkinEntryAt(const SkinEntries& list, int index);

// Three-way comparison of names in the system's locale order.
using SkinNameOrder = int (*)(const char* a, const char* b);

// Bubble sort over positions: the entries trade places in the list (their
// records do not change) whenever the later name is less; equal names keep
// their order.
void SortSkinEntries(SkinEntries& list, SkinNameOrder order);
