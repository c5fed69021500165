#pragma once
// Automatic sorting of scanned lists by name, type or date.
#include "items/core/item_order.h"

// The sort key the current option flags select (0: no sorting).
int CurrentSortKey();

// True when a must stand before b under key. Type keys ask the shell for both
// type names.
bool ItemPrecedes(const PanelItem* a, const PanelItem* b, int key);

// Sorts the list at head in place: equal items keep their order, the records
// stay at their positions and their contents move. Type keys ask the shell
// for each item's type name once.
void SortItems(PanelItem** head, int key);
