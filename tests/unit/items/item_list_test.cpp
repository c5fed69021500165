#include "items/core/item_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

PanelItem Named(const char* name, uint32_t flags = 0) {
    PanelItem item{};
    std::strncpy(item.name, name, sizeof item.name - 1);
    std::string path = std::string("C:\\f\\") + name;
    std::strncpy(item.path, path.c_str(), sizeof item.path - 1);
    item.flags = flags;
    return item;
}

std::vector<std::string> Names(const PanelItem* head) {
    std::vector<std::string> out;
    for (const PanelItem* p = head; p; p = p->next) out.push_back(p->name);
    return out;
}

// Every list is doubly linked both ways; children carry their parent.
void ExpectConsistent(const PanelItem* head, const PanelItem* parent) {
    const PanelItem* prev = nullptr;
    for (const PanelItem* p = head; p; prev = p, p = p->next) {
        EXPECT_EQ(p->prev, prev);
        EXPECT_EQ(p->parent, parent);
        if (p != head) {
            EXPECT_EQ(p->headSlot, nullptr);
        }
    }
}

using V = std::vector<std::string>;

// The item list as the program keeps it: the head's slot on the first item.
struct ItemList {
    PanelItem* head = nullptr;
    ~ItemList() { FreeItemList(&head); }
    void Add(const char* name, uint32_t flags = 0) {
        AppendItem(&head, Named(name, flags));
        head->headSlot = &head;
    }
};

TEST(AppendItem, CopiesContentsButNotLinksOrEditState) {
    ItemList list;
    PanelItem source = Named("a&b");
    source.iconIndex = 3;
    source.openIconIndex = 4;
    source.systemIconIndex = 5;
    source.systemOpenIconIndex = 6;
    source.depth = 1;
    source.accelerator = 'b';
    source.lastWriteTime = {7, 8};
    source.editFlags = kEditOrderChanged;
    PanelItem bogus{};
    source.next = source.prev = &bogus;
    source.headSlot = &list.head;
    PanelItem* item = AppendItem(&list.head, source);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(list.head, item);
    EXPECT_EQ(item->iconIndex, 3);
    EXPECT_EQ(item->openIconIndex, 4);
    EXPECT_EQ(item->systemIconIndex, 5);
    EXPECT_EQ(item->systemOpenIconIndex, 6);
    EXPECT_EQ(item->depth, 1u);
    EXPECT_EQ(item->accelerator, 'b');
    EXPECT_EQ(item->lastWriteTime.highDateTime, 8u);
    EXPECT_STREQ(item->path, "C:\\f\\a&b");
    EXPECT_EQ(item->editFlags, 0u);
    EXPECT_EQ(item->headSlot, nullptr);
    EXPECT_EQ(item->next, nullptr);
    EXPECT_EQ(item->prev, nullptr);
}

TEST(InsertItemAt, AtTheHeadTakesOverTheSlotAndTheHead) {
    ItemList list;
    list.Add("b");
    list.Add("c");
    PanelItem* oldFirst = list.head;
    PanelItem* item = InsertItemAt(&list.head, 0, Named("a"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(list.head, item);
    EXPECT_EQ(item->headSlot, &list.head);
    EXPECT_EQ(oldFirst->headSlot, nullptr);
    EXPECT_EQ(Names(list.head), (V{"a", "b", "c"}));
    ExpectConsistent(list.head, nullptr);
}

TEST(InsertItemAt, InTheMiddleAndPastTheEnd) {
    ItemList list;
    list.Add("a");
    list.Add("c");
    InsertItemAt(&list.head, 1, Named("b"));
    InsertItemAt(&list.head, 99, Named("z"));
    InsertItemAt(&list.head, 4, Named("zz"));
    EXPECT_EQ(Names(list.head), (V{"a", "b", "c", "z", "zz"}));
    EXPECT_EQ(InsertItemAt(&list.head, -1, Named("neg")), nullptr);
    ExpectConsistent(list.head, nullptr);
    EXPECT_EQ(list.head->headSlot, &list.head);
}

// A folder and its child list, as the scan leaves them.
struct Folder {
    ItemList top;
    PanelItem* folder;
    Folder(std::initializer_list<const char*> children) {
        top.Add("folder", kItemFolder);
        folder = top.head;
        for (const char* c : children) {
            PanelItem child = Named(c);
            child.parent = folder;
            child.depth = 1;
            AppendItem(&folder->children, child);
        }
    }
};

TEST(InsertItemAt, AtTheHeadOfAChildListUpdatesTheParent) {
    Folder f{"b"};
    PanelItem* local = f.folder->children;  // a list head held elsewhere
    PanelItem source = Named("a");
    source.parent = f.folder;
    source.depth = 1;
    PanelItem* item = InsertItemAt(&local, 0, source);
    EXPECT_EQ(local, item);
    EXPECT_EQ(f.folder->children, item);
    EXPECT_EQ(item->headSlot, nullptr);
    EXPECT_EQ(Names(f.folder->children), (V{"a", "b"}));
    ExpectConsistent(f.folder->children, f.folder);
}

TEST(RemoveItemAt, TheFirstHandsSlotHeadAndParentToTheNext) {
    ItemList list;
    list.Add("a");
    list.Add("b");
    list.Add("c");
    ASSERT_TRUE(RemoveItemAt(&list.head, 0));
    EXPECT_EQ(Names(list.head), (V{"b", "c"}));
    EXPECT_EQ(list.head->headSlot, &list.head);
    EXPECT_EQ(list.head->prev, nullptr);

    Folder f{"x", "y"};
    PanelItem* local = f.folder->children;
    ASSERT_TRUE(RemoveItemAt(&local, 0));
    EXPECT_EQ(f.folder->children, local);
    EXPECT_EQ(Names(f.folder->children), (V{"y"}));
    ExpectConsistent(f.folder->children, f.folder);
}

TEST(RemoveItemAt, TheOnlyItemLeavesEverythingEmpty) {
    ItemList list;
    list.Add("a");
    ASSERT_TRUE(RemoveItemAt(&list.head, 0));
    EXPECT_EQ(list.head, nullptr);

    Folder f{"x"};
    PanelItem* local = f.folder->children;
    ASSERT_TRUE(RemoveItemAt(&local, 0));
    EXPECT_EQ(local, nullptr);
    EXPECT_EQ(f.folder->children, nullptr);
}

TEST(RemoveItemAt, MiddleLastAndMissing) {
    ItemList list;
    for (const char* n : {"a", "b", "c", "d"}) list.Add(n);
    EXPECT_TRUE(RemoveItemAt(&list.head, 1));
    EXPECT_TRUE(RemoveItemAt(&list.head, 2));
    EXPECT_FALSE(RemoveItemAt(&list.head, 2));
    EXPECT_FALSE(RemoveItemAt(&list.head, -1));
    PanelItem* empty = nullptr;
    EXPECT_FALSE(RemoveItemAt(&empty, 0));
    EXPECT_EQ(Names(list.head), (V{"a", "c"}));
    ExpectConsistent(list.head, nullptr);
}

TEST(FreeItemList, FreesChildListsFirstAndEmptiesTheHead) {
    // Two levels of children under two items: ASan reports any leak or any
    // access to a freed parent while its children are freed.
    PanelItem* head = nullptr;
    for (const char* n : {"a", "b"}) {
        PanelItem* item = AppendItem(&head, Named(n));
        for (const char* c : {"1", "2", "3"}) {
            PanelItem child = Named(c);
            child.parent = item;
            PanelItem* added = AppendItem(&item->children, child);
            PanelItem grandchild = Named("g");
            grandchild.parent = added;
            AppendItem(&added->children, grandchild);
        }
    }
    FreeItemList(&head);
    EXPECT_EQ(head, nullptr);
    FreeItemList(&head);  // an empty list is fine
}

TEST(ListWalks, CountIndexLastFirstAndOpenFolder) {
    ItemList list;
    for (const char* n : {"a", "b", "c"}) list.Add(n);
    list.Add("f", kItemFolder);
    list.Add("g", kItemFolder | kItemOpen);
    EXPECT_EQ(ItemCount(list.head), 5);
    EXPECT_EQ(ItemCount(nullptr), 0);
    PanelItem* c = ItemAt(list.head, 2);
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->name, "c");
    EXPECT_EQ(ItemAt(list.head, 5), nullptr);
    EXPECT_EQ(ItemAt(list.head, -1), nullptr);
    EXPECT_EQ(IndexOfItem(list.head, c), 2);
    EXPECT_EQ(IndexOfItem(list.head, nullptr), -1);
    EXPECT_EQ(IndexOfItem(nullptr, c), -1);
    PanelItem stranger{};
    EXPECT_EQ(IndexOfItem(list.head, &stranger), -1);
    EXPECT_STREQ(LastItem(list.head)->name, "g");
    EXPECT_EQ(FirstOfList(c), list.head);
    EXPECT_EQ(FirstOfList(nullptr), nullptr);
    EXPECT_STREQ(FindOpenFolder(list.head)->name, "g");
    ItemAt(list.head, 4)->flags = kItemOpen;  // open bit without the folder bit
    EXPECT_EQ(FindOpenFolder(list.head), nullptr);
}

TEST(InsertAfterAndRemove, SpliceAndUnspliceCopies) {
    Folder f{"x", "y"};
    f.top.Add("next");
    PanelItem* at = f.folder;
    for (PanelItem* c = f.folder->children; c; c = c->next) at = InsertItemAfter(at, *c);
    EXPECT_EQ(Names(f.top.head), (V{"folder", "x", "y", "next"}));
    EXPECT_EQ(ItemAt(f.top.head, 1)->parent, f.folder);
    while (f.folder->next && f.folder->next->depth > 0) RemoveItem(&f.top.head, f.folder->next);
    EXPECT_EQ(Names(f.top.head), (V{"folder", "next"}));
    EXPECT_EQ(Names(f.folder->children), (V{"x", "y"}));
    EXPECT_EQ(InsertItemAfter(nullptr, Named("q")), nullptr);
}

TEST(StepIndex, WrapsAtBothEnds) {
    ItemList list;
    for (const char* n : {"a", "b", "c", "d"}) list.Add(n);
    EXPECT_EQ(StepIndex(list.head, 0, 1), 1);
    EXPECT_EQ(StepIndex(list.head, 3, 1), 0);
    EXPECT_EQ(StepIndex(list.head, 0, -1), 3);
    EXPECT_EQ(StepIndex(list.head, 2, 5), 3);
    EXPECT_EQ(StepIndex(list.head, 1, -6), 3);
    EXPECT_EQ(StepIndex(list.head, 1, 0), 1);
    EXPECT_EQ(StepIndex(nullptr, 5, 3), 0);
}

// One step at a time, as the panel moves the selection.
int SlowStep(int count, int index, int steps) {
    for (int s = steps < 0 ? -steps : steps; s > 0; --s) {
        if (steps > 0)
            index = index >= count - 1 ? 0 : index + 1;
        else
            index = index <= 0 ? count - 1 : index - 1;
    }
    return index;
}

TEST(StepIndex, AgreesWithSingleStepsFromAnyIndex) {
    ItemList list;
    for (const char* n : {"a", "b", "c", "d", "e"}) list.Add(n);
    for (int index = -7; index <= 12; ++index)
        for (int steps = -13; steps <= 13; ++steps)
            EXPECT_EQ(StepIndex(list.head, index, steps), SlowStep(5, index, steps))
                << "index " << index << " steps " << steps;
    EXPECT_EQ(StepIndex(list.head, 2, INT32_MIN), SlowStep(5, 2, INT32_MIN % 5));
    EXPECT_EQ(StepIndex(list.head, 2, INT32_MAX), (2 + INT32_MAX % 5) % 5);
}

TEST(AcceleratorOf, TakesTheLastSingleAmpersand) {
    EXPECT_EQ(AcceleratorOf("&File"), 'F');
    EXPECT_EQ(AcceleratorOf("a&b&c"), 'c');
    EXPECT_EQ(AcceleratorOf("Tom&&Jerry"), 'J');  // the later '&' is followed by J
    EXPECT_EQ(AcceleratorOf("x&&"), 0);           // the last '&' gives NUL
    EXPECT_EQ(AcceleratorOf("end&"), 0);
    EXPECT_EQ(AcceleratorOf("plain"), 0);
    EXPECT_EQ(AcceleratorOf(""), 0);
    EXPECT_EQ(AcceleratorOf(nullptr), 0);
    EXPECT_EQ(AcceleratorOf("\x83\x81&\x83\x6A"), '\x83');  // a double-byte character after the '&'
}

TEST(SwapItems, ExchangesContentsAndKeepsPositions) {
    ItemList list;
    list.Add("a");
    list.Add("folder", kItemFolder);
    PanelItem* first = list.head;
    PanelItem* second = first->next;
    PanelItem child = Named("child");
    child.parent = second;
    AppendItem(&second->children, child);
    second->editFlags = kEditExpanded;

    EXPECT_TRUE(SwapItemsAt(list.head, 0, 1));
    EXPECT_EQ(list.head, first);  // the records stay where they are
    EXPECT_EQ(first->headSlot, &list.head);
    EXPECT_EQ(second->headSlot, nullptr);
    EXPECT_STREQ(first->name, "folder");
    EXPECT_EQ(first->editFlags, kEditExpanded);
    EXPECT_STREQ(second->name, "a");
    ASSERT_NE(first->children, nullptr);
    EXPECT_EQ(first->children->parent, first);
    EXPECT_EQ(second->children, nullptr);
    ExpectConsistent(list.head, nullptr);

    EXPECT_FALSE(SwapItemsAt(list.head, 0, 2));
    EXPECT_FALSE(SwapItemsAt(nullptr, 0, 0));
    EXPECT_TRUE(SwapItemsAt(list.head, 1, 1));
    EXPECT_STREQ(second->name, "a");
}

}  // namespace
