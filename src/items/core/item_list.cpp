#include "items/core/item_list.h"

#include <cstring>
#include <new>

namespace {

PanelItem* NewCopy(const PanelItem& source) {
    PanelItem* item = new (std::nothrow) PanelItem();
    if (!item) return nullptr;
    item->flags = source.flags;
    item->iconIndex = source.iconIndex;
    item->openIconIndex = source.openIconIndex;
    item->systemIconIndex = source.systemIconIndex;
    item->systemOpenIconIndex = source.systemOpenIconIndex;
    std::memcpy(item->name, source.name, sizeof item->name);
    item->name[sizeof item->name - 1] = '\0';
    std::memcpy(item->path, source.path, sizeof item->path);
    item->path[sizeof item->path - 1] = '\0';
    item->parent = source.parent;
    item->children = source.children;
    item->depth = source.depth;
    item->accelerator = source.accelerator;
    item->lastWriteTime = source.lastWriteTime;
    return item;
}

// The new first item of a list takes over what belongs to the first position.
void HandOverFirst(PanelItem** head, PanelItem* oldFirst, PanelItem* newFirst) {
    if (oldFirst->headSlot) {
        PanelItem** slot = oldFirst->headSlot;
        oldFirst->headSlot = nullptr;
        if (newFirst) newFirst->headSlot = slot;
        *slot = newFirst;
    }
    *head = newFirst;
    if (oldFirst->parent) oldFirst->parent->children = newFirst;
}

}  // namespace

PanelItem* AppendItem(PanelItem** head, const PanelItem& source) {
    PanelItem* item = NewCopy(source);
    if (!item) return nullptr;
    if (PanelItem* last = LastItem(*head)) {
        last->next = item;
        item->prev = last;
    } else {
        *head = item;
    }
    return item;
}

ItemAppender::ItemAppender(PanelItem** head) : head_(head), last_(LastItem(*head)) {}

PanelItem* ItemAppender::Append(const PanelItem& source) {
    PanelItem* item = last_ ? InsertItemAfter(last_, source) : AppendItem(head_, source);
    if (item) last_ = item;
    return item;
}

PanelItem* InsertItemAt(PanelItem** head, int index, const PanelItem& source) {
    PanelItem* at = index >= 0 ? ItemAt(*head, index) : nullptr;
    if (!at) return index < 0 ? nullptr : AppendItem(head, source);
    PanelItem* item = NewCopy(source);
    if (!item) return nullptr;
    item->next = at;
    item->prev = at->prev;
    if (at->prev)
        at->prev->next = item;
    else
        HandOverFirst(head, at, item);
    at->prev = item;
    return item;
}

PanelItem* InsertItemAfter(PanelItem* at, const PanelItem& source) {
    if (!at) return nullptr;
    PanelItem* item = NewCopy(source);
    if (!item) return nullptr;
    item->prev = at;
    item->next = at->next;
    if (at->next) at->next->prev = item;
    at->next = item;
    return item;
}

void RemoveItem(PanelItem** head, PanelItem* item) {
    if (!item) return;
    if (item->next) item->next->prev = item->prev;
    if (item->prev)
        item->prev->next = item->next;
    else
        HandOverFirst(head, item, item->next);
    delete item;
}

bool RemoveItemAt(PanelItem** head, int index) {
    PanelItem* item = ItemAt(*head, index);
    if (!item) return false;
    RemoveItem(head, item);
    return true;
}

void FreeItemList(PanelItem** head) {
    PanelItem* item = *head;
    *head = nullptr;
    while (item) {
        PanelItem* next = item->next;
        FreeItemList(&item->children);
        delete item;
        item = next;
    }
}

PanelItem* FirstOfList(PanelItem* item) {
    if (!item) return nullptr;
    while (item->prev) item = item->prev;
    return item;
}

PanelItem* LastItem(PanelItem* head) {
    if (!head) return nullptr;
    while (head->next) head = head->next;
    return head;
}

PanelItem* ItemAt(PanelItem* head, int index) {
    if (index < 0) return nullptr;
    for (PanelItem* item = head; item; item = item->next)
        if (index-- == 0) return item;
    return nullptr;
}

int ItemCount(const PanelItem* head) {
    int count = 0;
    for (const PanelItem* item = head; item; item = item->next) ++count;
    return count;
}

int IndexOfItem(const PanelItem* head, const PanelItem* item) {
    if (!head || !item) return -1;
    int index = 0;
    for (const PanelItem* p = head; p; p = p->next, ++index)
        if (p == item) return index;
    return -1;
}

PanelItem* FindOpenFolder(PanelItem* head) {
    for (PanelItem* item = head; item; item = item->next)
        if (IsOpenFolder(item)) return item;
    return nullptr;
}

int StepIndex(const PanelItem* head, int index, int steps) {
    const int64_t count = ItemCount(head);
    if (count == 0) return 0;
    int64_t i = index;
    int64_t remaining = steps < 0 ? -static_cast<int64_t>(steps) : steps;
    const bool forward = steps > 0;
    // An index outside the list walks one position at a time until it wraps
    // or enters the list; from then on whole rounds change nothing.
    if (remaining > 0 && (i < 0 || i >= count)) {
        if (forward) {
            if (i >= count - 1) {
                i = 0;
                --remaining;
            } else {  // below 0: climb towards 0
                const int64_t toZero = -i;
                const int64_t take = remaining < toZero ? remaining : toZero;
                i += take;
                remaining -= take;
            }
        } else {
            if (i <= 0) {
                i = count - 1;
                --remaining;
            } else {  // past the end: descend towards the last item
                const int64_t toLast = i - (count - 1);
                const int64_t take = remaining < toLast ? remaining : toLast;
                i -= take;
                remaining -= take;
            }
        }
    }
    if (remaining > 0) {
        const int64_t delta = (forward ? remaining : -remaining) % count;
        i = ((i + delta) % count + count) % count;
    }
    return static_cast<int>(i);
}

char AcceleratorOf(const char* name) {
    if (!name) return 0;
    for (size_t i = std::strlen(name); i-- > 0;)
        if (name[i] == '&' && name[i + 1] != '&') return name[i + 1];
    return 0;
}

void SwapItems(PanelItem* a, PanelItem* b) {
    if (!a || !b || a == b) return;
    PanelItem keepA = *a, keepB = *b;
    *a = keepB;
    *b = keepA;
    a->next = keepA.next;
    a->prev = keepA.prev;
    a->headSlot = keepA.headSlot;
    b->next = keepB.next;
    b->prev = keepB.prev;
    b->headSlot = keepB.headSlot;
    for (PanelItem* child = a->children; child; child = child->next) child->parent = a;
    for (PanelItem* child = b->children; child; child = child->next) child->parent = b;
}

bool SwapItemsAt(PanelItem* head, int i, int j) {
    PanelItem* a = ItemAt(head, i);
    PanelItem* b = ItemAt(head, j);
    if (!a || !b) return false;
    SwapItems(a, b);
    return true;
}
