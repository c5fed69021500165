#pragma once
// Automatic sorting of one item list. The system-dependent facts (the locale's
// string order and the shell's type names) are handed in, so the ordering
// itself is plain logic.
#include <cstdint>

#include "items/core/item_list.h"

// 0 for no sorting; 1/2 name ascending/descending; 3/4 type name
// ascending/descending; 5/6 last-write time oldest/newest first. Equal types and
// equal times fall back to the name, ascending.
enum SortKey : int {
    kSortNone = 0,
    kSortNameAscending = 1,
    kSortNameDescending = 2,
    kSortTypeAscending = 3,
    kSortTypeDescending = 4,
    kSortTimeOldestFirst = 5,
    kSortTimeNewestFirst = 6,
};

// The key the option flags select: kOptSort sorts at all; then by name, else by
// type, else by date (the first of those flags set); kOptSortReverse reverses.
int SortKeyFromOptions(const uint8_t* optionFlags);
inline bool SortNeedsTypeNames(int key) { return key == kSortTypeAscending || key == kSortTypeDescending; }

// A three-way string comparison in the order the names are sorted in (the
// system's locale order); negative when a sorts first.
using NameOrder = int (*)(const char* a, const char* b);

// What one comparison looks at.
struct SortFacts {
    const char* name;
    const char* typeName;  // only read for the type keys
    uint64_t time;
};

// True when a must stand before b under key; false for equal items and for
// unknown keys, so equal items keep their order.
bool Precedes(const SortFacts& a, const SortFacts& b, int key, NameOrder order);

// Sorts the list starting at head in place, leaving exactly what a bubble sort
// over positions with SwapItems leaves: equal items keep their order, every
// record stays at its position (links and headSlot untouched) and the contents
// move, with the children following their folder. typeNames[k] is the type
// name of the item at position k before the sort (may be null unless key
// needs type names). Costs O(n log n) comparisons.
// False, with the list unchanged, when memory runs out.
bool SortListContents(PanelItem* head, int key, NameOrder order, const char* const* typeNames);
