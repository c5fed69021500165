#include "items/core/reorder_list.h"

#include <cstring>

namespace {

void MarkChanged(PanelItem* anyOfList) {
    if (PanelItem* first = FirstOfList(anyOfList)) first->editFlags |= kEditOrderChanged;
}

// The head of the list item belongs to: its folder's children, or the item list.
PanelItem** HeadOf(PanelItem* item, PanelItem** topHead) { return item->parent ? &item->parent->children : topHead; }

}  // namespace

int EntryOf(const DialogEntries& entries, const PanelItem* item) {
    if (!item) return -1;
    for (int i = 0, n = entries.Count(); i < n; ++i)
        if (entries.At(i) == item) return i;
    return -1;
}

void LoadDialogEntries(DialogEntries& entries, PanelItem* head) {
    for (PanelItem* item = head; item; item = item->next) {
        item->editFlags = 0;
        entries.Insert(entries.Count(), item);
    }
}

void CollapseDialogEntries(DialogEntries& entries, int index) {
    const PanelItem* at = entries.At(index);
    if (!at) return;
    const uint32_t depth = at->depth;
    for (int i = 0; i < entries.Count();) {
        PanelItem* item = entries.At(i);
        if (item->depth >= depth) item->editFlags &= ~kEditExpanded;
        if (item->depth > depth)
            entries.Erase(i);
        else
            ++i;
    }
}

ReorderButtons ButtonsFor(const PanelItem* selected) {
    if (!selected) return ReorderButtons{false, false, false, false};
    const bool separatorAllowed = !IsSeparator(selected) && !(selected->prev && IsSeparator(selected->prev));
    return ReorderButtons{selected->prev != nullptr, selected->next != nullptr, separatorAllowed, true};
}

int MoveEntry(DialogEntries& entries, int selected, int step) {
    PanelItem* item = entries.At(selected);
    if (!item || step == 0) return -1;
    CollapseDialogEntries(entries, selected);
    const int s = EntryOf(entries, item);
    PanelItem* neighbour = step < 0 ? item->prev : item->next;
    const int t = s + (step < 0 ? -1 : 1);
    // A list's entries stand together, so the neighbour in the list is the
    // neighbouring entry; anything else would exchange items of two lists.
    if (!neighbour || entries.At(t) != neighbour) return -1;
    SwapItems(item, neighbour);
    MarkChanged(neighbour);
    return t;
}

int InsertSeparatorEntry(DialogEntries& entries, int selected, PanelItem** topHead, const char* separatorPath) {
    PanelItem* item = entries.At(selected);
    if (!ButtonsFor(item).separator || !separatorPath) return -1;
    PanelItem separator{};
    separator.flags = kItemSeparator;
    separator.iconIndex = -1;
    separator.systemIconIndex = -1;
    separator.parent = item->parent;
    separator.depth = item->depth;
    const size_t length = std::strlen(separatorPath);
    if (length >= sizeof separator.path) return -1;
    std::memcpy(separator.path, separatorPath, length + 1);

    PanelItem** head = HeadOf(item, topHead);
    PanelItem* inserted = InsertItemAt(head, IndexOfItem(*head, item), separator);
    if (!inserted) return -1;
    entries.Insert(selected, inserted);
    MarkChanged(inserted);
    return selected + 1;
}

bool RemoveEntry(DialogEntries& entries, int selected, PanelItem** topHead) {
    PanelItem* item = entries.At(selected);
    if (!item) return false;
    CollapseDialogEntries(entries, selected);
    entries.Erase(EntryOf(entries, item));
    FreeItemList(&item->children);
    PanelItem** head = HeadOf(item, topHead);
    const bool othersRemain = item->prev || item->next;
    RemoveItem(head, item);
    if (othersRemain) MarkChanged(*head);
    return true;
}

bool ToggleFolderEntry(DialogEntries& entries, int index, LoadFolderContent load) {
    PanelItem* folder = entries.At(index);
    if (!folder || !IsFolder(folder)) return false;
    if (folder->editFlags & kEditExpanded) {
        while (PanelItem* next = entries.At(index + 1)) {
            if (next->depth <= folder->depth) break;
            next->editFlags &= ~kEditExpanded;
            entries.Erase(index + 1);
        }
        folder->editFlags &= ~kEditExpanded;
        return true;
    }
    CollapseDialogEntries(entries, index);
    const int at = EntryOf(entries, folder);
    if (!folder->children && load) load(folder);
    int k = at + 1;
    for (PanelItem* child = folder->children; child; child = child->next) entries.Insert(k++, child);
    if (folder->children) folder->editFlags |= kEditExpanded;
    return true;
}
