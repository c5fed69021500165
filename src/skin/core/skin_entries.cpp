#include "skin/core/skin_entries.h"

#include <cstring>
#include <new>

namespace {

bool FitsPath(const char* text) { return text && std::strlen(text) < static_cast<size_t>(kPathSize); }

}  // namespace

bool AppendSkinEntry(SkinEntries& list, const char* name, const char* folder) {
    if (list.count >= kMaxSkins || !FitsPath(name) || !FitsPath(folder)) return false;
    SkinEntry* entry = new (std::nothrow) SkinEntry();
    if (!entry) return false;
    std::strcpy(entry->name, name);
    std::strcpy(entry->folder, folder);
    SkinEntry* last = list.head;
    while (last && last->next) last = last->next;
    if (last) {
        last->next = entry;
        entry->prev = last;
    } else {
        list.head = entry;
    }
    ++list.count;
    return true;
}

void FreeSkinEntries(SkinEntries& list) {
    SkinEntry* entry = list.head;
    while (entry) {
        SkinEntry* next = entry->next;
        delete entry;
        entry = next;
    }
    list.head = nullptr;
    list.count = 0;
}

SkinEntry* SkinEntryAt(const SkinEntries& list, int index) {
    if (index < 0) return nullptr;
    for (SkinEntry* entry = list.head; entry; entry = entry->next)
        if (index-- == 0) return entry;
    return nullptr;
}

void SortSkinEntries(SkinEntries& list, SkinNameOrder order) {
    SkinEntry* at[kMaxSkins];
    int n = 0;
    for (SkinEntry* entry = list.head; entry && n < kMaxSkins; entry = entry->next) at[n++] = entry;
    if (n < 2) return;
    for (int i = 0; i <= n - 2; ++i)
        for (int j = n - 2; j >= i; --j)
            if (order(at[j + 1]->name, at[j]->name) < 0) {
                SkinEntry* t = at[j];
                at[j] = at[j + 1];
                at[j + 1] = t;
            }
    // Rewire the links in the new order.
    for (int k = 0; k < n; ++k) {
        at[k]->prev = k > 0 ? at[k - 1] : nullptr;
        at[k]->next = k + 1 < n ? at[k + 1] : nullptr;
    }
    list.head = at[0];
}
