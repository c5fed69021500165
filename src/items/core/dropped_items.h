#pragma once
// Files dropped on the panel: the name each one's shortcut takes in its
// folder, and the list and position a drop on one of the panel's rows puts
// them at. Pure: the callers ask the file system and carry the result out.
#include <cstddef>
#include <cstdint>

#include "items/core/item_list.h"

// Whether a file of this name exists in the target folder already.
using NameTaken = bool (*)(const char* name, const void* context);

// The file name a dropped file's item takes in a folder whose path is
// folderLength characters long. A dropped shortcut (".lnk", ".url", any
// letter case) is copied and keeps its name; anything else gets a shell link
// "<name>.lnk", a file's name taken without its extension, a directory's
// whole. A taken name gets the first free number from 2 on: "name (2).lnk".
// False when droppedName is empty or no free name keeps the path below the
// system's limit.
bool DroppedItemName(const char* droppedName, bool directory, size_t folderLength, NameTaken taken, const void* context,
                     char* out, size_t outSize);

// Whether the dropped file is itself a shortcut, copied as it is.
bool IsShortcutFileName(const char* name);

// Where a drop on a row of the panel goes.
struct DropSpot {
    // The open folder the row belongs to; null for the top level (the
    // shortcut folder).
    const PanelItem* folder;
    // Position in that folder's own list (the top level counts only its own
    // items, not an open folder's rows) that the first dropped item takes;
    // -1 appends to the top level.
    int32_t index;
    // Index in the item list of the item on the row, -1 for none.
    int32_t itemIndex;
};

// The spot of a drop on row of a panel showing the item list head with the
// item current on cursorRow. A row below 0, a row past either end of a list
// that does not loop, and an empty list append to the top level. The rows of
// an open folder's content insert into that folder, before the row's item.
DropSpot DropSpotAtRow(const PanelItem* head, int32_t current, int32_t cursorRow, int32_t row, bool noLoop);

// The current index that shows the item at index on row, over a list of
// count items; without looping, an item that cannot stand on that row goes
// on the cursor row instead.
int32_t CurrentShowingOnRow(int32_t index, int32_t row, int32_t cursorRow, int32_t count, bool noLoop);
