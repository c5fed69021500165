#pragma once
// The rules of the reorder dialog's list, apart from the list box that shows
// it. The dialog shows the item records themselves, so every change made here
// is a change of the item lists: moves exchange record contents, separators
// are inserted and deleted items are unlinked and freed. A list whose order
// changed carries kEditOrderChanged on its first item; a folder unfolded in
// the dialog carries kEditExpanded.
#include "items/core/item_list.h"

// The entries the dialog shows, in order; each stands for one item record.
class DialogEntries {
public:
    virtual int Count() const = 0;
    virtual PanelItem* At(int index) const = 0;  // null when there is no such entry
    virtual void Insert(int index, PanelItem* item) = 0;
    virtual void Erase(int index) = 0;

protected:
    ~DialogEntries() = default;
};

// The entry that stands for item, or -1.
int EntryOf(const DialogEntries& entries, const PanelItem* item);

// One entry per top-level item, each with its edit marks cleared.
void LoadDialogEntries(DialogEntries& entries, PanelItem* head);

// With d the depth of the entry's item: items of depth d lose the expanded
// mark, and entries of deeper items are removed (their items lose it too).
// So a top-level item folds every unfolded folder before it moves.
void CollapseDialogEntries(DialogEntries& entries, int index);

// Which buttons act on the selected item (null: none). A separator goes in
// before the selected item, so it is refused where it would stand next to
// another one.
struct ReorderButtons {
    bool up, down, separator, remove;
};
ReorderButtons ButtonsFor(const PanelItem* selected);

// Moves the item of the selected entry one place within its own list, up for
// a negative step and down for a positive one, and marks the list changed.
// The entry to select afterwards, or -1 when nothing moved.
int MoveEntry(DialogEntries& entries, int selected, int step);

// Inserts a separator before the item of the selected entry, in its list
// (topHead is the item list's head, for top-level items), with separatorPath
// ("folder\") as its path; marks the list changed. The entry of the selected
// item afterwards, or -1 when nothing was inserted (no selection, a separator
// would stand next to another, or no memory).
int InsertSeparatorEntry(DialogEntries& entries, int selected, PanelItem** topHead, const char* separatorPath);

// Removes the selected entry and its item, after its file is gone: the item's
// child list is freed, the item is unlinked and freed, and its list is marked
// changed unless it was the list's only item (an emptied list keeps its order
// file). False when there is no such entry.
bool RemoveEntry(DialogEntries& entries, int selected, PanelItem** topHead);

// Loads a folder's content when the dialog first unfolds it.
using LoadFolderContent = void (*)(PanelItem* folder);

// Unfolds a folder's entry, showing its children after it (other folders
// fold first), or folds it again. False when the entry is not a folder.
bool ToggleFolderEntry(DialogEntries& entries, int index, LoadFolderContent load);

inline bool ListChanged(const PanelItem* first) { return first && (first->editFlags & kEditOrderChanged); }
