#include "items/core/item_order.h"

#include <new>

#include "base/core/option_flags.h"

int SortKeyFromOptions(const uint8_t* optionFlags) {
    if (!IsOptionSet(optionFlags, kOptSort)) return kSortNone;
    const int reverse = IsOptionSet(optionFlags, kOptSortReverse);
    if (IsOptionSet(optionFlags, kOptSortByName)) return kSortNameAscending + reverse;
    if (IsOptionSet(optionFlags, kOptSortByType)) return kSortTypeAscending + reverse;
    if (IsOptionSet(optionFlags, kOptSortByDate)) return kSortTimeOldestFirst + reverse;
    return kSortNone;
}

bool Precedes(const SortFacts& a, const SortFacts& b, int key, NameOrder order) {
    switch (key) {
        case kSortNameAscending:
            return order(a.name, b.name) < 0;
        case kSortNameDescending:
            return order(a.name, b.name) > 0;
        case kSortTypeAscending:
        case kSortTypeDescending: {
            const int types = order(a.typeName ? a.typeName : "", b.typeName ? b.typeName : "");
            if (types != 0) return key == kSortTypeAscending ? types < 0 : types > 0;
            return order(a.name, b.name) < 0;
        }
        case kSortTimeOldestFirst:
        case kSortTimeNewestFirst:
            if (a.time != b.time) return key == kSortTimeOldestFirst ? a.time < b.time : a.time > b.time;
            return order(a.name, b.name) < 0;
        default:
            return false;
    }
}

namespace {

// Owns a plain array allocated without exceptions.
template <typename T>
struct Buffer {
    T* data;
    explicit Buffer(int n) : data(new (std::nothrow) T[n]) {}
    ~Buffer() { delete[] data; }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
};

// Stable bottom-up merge sort of the positions in order: an element from the
// right run goes first only when it strictly precedes the left one, which is
// the bubble sort's swap condition, so both leave the same order.
void MergeSort(int* order, int* scratch, int n, const SortFacts* facts, int key, NameOrder names) {
    for (int width = 1; width < n; width *= 2) {
        for (int left = 0; left < n; left += 2 * width) {
            const int mid = left + width < n ? left + width : n;
            const int right = left + 2 * width < n ? left + 2 * width : n;
            int i = left, j = mid, k = left;
            while (i < mid && j < right)
                scratch[k++] = Precedes(facts[order[j]], facts[order[i]], key, names) ? order[j++] : order[i++];
            while (i < mid) scratch[k++] = order[i++];
            while (j < right) scratch[k++] = order[j++];
        }
        for (int k = 0; k < n; ++k) order[k] = scratch[k];
    }
}

}  // namespace

bool SortListContents(PanelItem* head, int key, NameOrder order, const char* const* typeNames) {
    if (key < kSortNameAscending || key > kSortTimeNewestFirst) return true;
    const int n = ItemCount(head);
    if (n < 2) return true;

    Buffer<PanelItem*> records(n);
    Buffer<PanelItem> contents(n);
    Buffer<SortFacts> facts(n);
    Buffer<int> positions(n), scratch(n);
    if (!records.data || !contents.data || !facts.data || !positions.data || !scratch.data) return false;

    int k = 0;
    for (PanelItem* item = head; item; item = item->next, ++k) {
        records.data[k] = item;
        contents.data[k] = *item;
        facts.data[k] = SortFacts{item->name, typeNames ? typeNames[k] : nullptr, FileTimeValue(item->lastWriteTime)};
        positions.data[k] = k;
    }
    MergeSort(positions.data, scratch.data, n, facts.data, key, order);

    // The contents move; next, prev and headSlot belong to the positions.
    for (k = 0; k < n; ++k) {
        PanelItem* record = records.data[k];
        PanelItem* const next = record->next;
        PanelItem* const prev = record->prev;
        PanelItem** const headSlot = record->headSlot;
        *record = contents.data[positions.data[k]];
        record->next = next;
        record->prev = prev;
        record->headSlot = headSlot;
    }
    for (k = 0; k < n; ++k)
        for (PanelItem* child = records.data[k]->children; child; child = child->next) child->parent = records.data[k];
    return true;
}
