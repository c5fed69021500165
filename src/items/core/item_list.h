#pragma once
// The panel's items: one record per shortcut, sub-folder or separator, kept in
// doubly linked lists. The item list is the one flat list the panel view walks;
// a folder's scanned content hangs under it as a child list, and while the
// folder is open, copies of its children stand right after it in the item list.
//
// Every operation takes the address of a list head so it can update it.
// Indexes are 0-based.
#include <cstdint>

#include "base/core/types.h"

// Layout of a Win32 FILETIME: low 32 bits, then high 32 bits.
struct ItemFileTime {
    uint32_t lowDateTime;
    uint32_t highDateTime;
};

inline uint64_t FileTimeValue(const ItemFileTime& t) {
    return (static_cast<uint64_t>(t.highDateTime) << 32) | t.lowDateTime;
}

// PanelItem::flags
constexpr uint32_t kItemSeparator = 0x1;
constexpr uint32_t kItemFolder = 0x4;  // a top-level folder that opens in the panel
constexpr uint32_t kItemOpen = 0x10;   // open: its children are spliced in after it

// PanelItem::editFlags, used by the reorder dialog only
constexpr uint32_t kEditExpanded = 0x10;        // shown expanded in the dialog
constexpr uint32_t kEditOrderChanged = 0x1000;  // carried by a changed list's first item

// The order-file line that stands for a separator.
constexpr char kSeparatorEntry[] = "/separator/";

struct PanelItem {
    uint32_t flags;
    int32_t iconIndex;            // in the panel image list; -1 when there is no icon
    int32_t openIconIndex;        // open-state icon of a directory (panel image list)
    int32_t systemIconIndex;      // in the system image list
    int32_t systemOpenIconIndex;  // open-state icon in the system image list
    char name[kPathSize];         // the shell's display name; empty for a separator
    char path[kPathSize];         // folder\file; folder\ for a separator
    ItemFileTime lastWriteTime;   // zero for separators, directories and unreadable files
    uint32_t depth;               // 0 at top level, 1 inside a folder
    char accelerator;             // from name by AcceleratorOf; 0 for none
    uint32_t editFlags;
    PanelItem** headSlot;  // on the item list's first record only: the list head itself
    PanelItem* parent;     // the folder this item belongs to; null at top level
    PanelItem* children;   // first item of the folder's scanned content; null until loaded
    PanelItem* next;
    PanelItem* prev;
};

inline bool IsSeparator(const PanelItem* item) { return (item->flags & kItemSeparator) != 0; }
inline bool IsFolder(const PanelItem* item) { return (item->flags & kItemFolder) != 0; }
inline bool IsOpenFolder(const PanelItem* item) {
    return (item->flags & (kItemFolder | kItemOpen)) == (kItemFolder | kItemOpen);
}

// A zero-filled copy of source's contents (not editFlags, headSlot or the
// links) linked after the last item, or as the head of an empty list. Null
// when the record cannot be allocated.
PanelItem* AppendItem(PanelItem** head, const PanelItem& source);

// AppendItem for building a long list: remembers the list's last item, so each
// append costs the same however long the list has grown (AppendItem walks
// from the head). Nothing else may change the list while it appends.
class ItemAppender {
public:
    explicit ItemAppender(PanelItem** head);
    PanelItem* Append(const PanelItem& source);

private:
    PanelItem** head_;
    PanelItem* last_;
};

// As AppendItem when index is not below the count; otherwise the copy is
// linked before the item at index. Inserting before the first item moves its
// headSlot (and the slot's contents) to the new item and updates the head and
// the parent's children.
PanelItem* InsertItemAt(PanelItem** head, int index, const PanelItem& source);

// A copy of source linked directly after at (which must be in a list).
PanelItem* InsertItemAfter(PanelItem* at, const PanelItem& source);

// Unlinks and frees the item at index (not its child list). Removing the first
// item hands headSlot, the head and the parent's children to the next item, or
// empties them all when it was the only one. False when there is no item at index.
bool RemoveItemAt(PanelItem** head, int index);

// RemoveItemAt for an item known to be in the list at head.
void RemoveItem(PanelItem** head, PanelItem* item);

// Frees every item of the list, each item's child list first; the head becomes null.
void FreeItemList(PanelItem** head);

PanelItem* FirstOfList(PanelItem* item);
PanelItem* LastItem(PanelItem* head);
PanelItem* ItemAt(PanelItem* head, int index);  // null when there is no such item
int ItemCount(const PanelItem* head);
int IndexOfItem(const PanelItem* head, const PanelItem* item);  // -1 when absent or either is null
PanelItem* FindOpenFolder(PanelItem* head);                     // first item with the folder and open bits

// Moves index by |steps| positions, forward for positive and backward for
// negative steps, wrapping from the last item to 0 and from 0 to the last.
// 0 for an empty list.
int StepIndex(const PanelItem* head, int index, int steps);

// Scanning from the last character towards the first, the first '&' not
// immediately followed by another '&' gives the character after it; 0 for none.
char AcceleratorOf(const char* name);

// The two records exchange every field except next, prev and headSlot, which
// belong to the positions; the children of both then point at their new parent.
void SwapItems(PanelItem* a, PanelItem* b);
// SwapItems on the items at positions i and j; false when the list is empty or
// either position has no item.
bool SwapItemsAt(PanelItem* head, int i, int j);
