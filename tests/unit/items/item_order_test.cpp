#include "items/core/item_order.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "base/core/option_flags.h"

namespace {

int ByteOrder(const char* a, const char* b) { return std::strcmp(a, b); }

uint8_t* Flags(std::initializer_list<OptionFlag> set) {
    static OptionFlags flags;
    std::memset(flags, 0, sizeof flags);
    for (OptionFlag n : set) SetOption(flags, n);
    return flags;
}

TEST(SortKeyFromOptions, FollowsTheFlagPrecedence) {
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSortByName, kOptSortByType, kOptSortByDate, kOptSortReverse})),
              kSortNone);  // 16 clear: no sorting
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort})), kSortNone);
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort, kOptSortByName})), 1);
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort, kOptSortByName, kOptSortReverse})), 2);
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort, kOptSortByName, kOptSortByType, kOptSortByDate})), 1);  // name wins
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort, kOptSortByType})), 3);
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort, kOptSortByType, kOptSortByDate, kOptSortReverse})),
              4);  // type before date
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort, kOptSortByDate})), 5);
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort, kOptSortByDate, kOptSortReverse})), 6);
    EXPECT_EQ(SortKeyFromOptions(Flags({kOptSort, kOptSortReverse})), kSortNone);
}

TEST(Precedes, EachKey) {
    const SortFacts a{"a", "Shortcut", 10}, b{"b", "Folder", 10}, c{"c", "Shortcut", 5};
    EXPECT_TRUE(Precedes(a, b, 1, ByteOrder));
    EXPECT_FALSE(Precedes(b, a, 1, ByteOrder));
    EXPECT_FALSE(Precedes(a, a, 1, ByteOrder));
    EXPECT_TRUE(Precedes(b, a, 2, ByteOrder));
    EXPECT_FALSE(Precedes(a, a, 2, ByteOrder));
    // Type ascending: Folder before Shortcut; equal types by name ascending.
    EXPECT_TRUE(Precedes(b, a, 3, ByteOrder));
    EXPECT_TRUE(Precedes(a, c, 3, ByteOrder));
    // Type descending: Shortcut before Folder, equal types still by name ascending.
    EXPECT_TRUE(Precedes(a, b, 4, ByteOrder));
    EXPECT_TRUE(Precedes(a, c, 4, ByteOrder));
    EXPECT_FALSE(Precedes(c, a, 4, ByteOrder));
    // Times: older first; equal times by name.
    EXPECT_TRUE(Precedes(c, a, 5, ByteOrder));
    EXPECT_TRUE(Precedes(a, b, 5, ByteOrder));
    EXPECT_TRUE(Precedes(a, c, 6, ByteOrder));
    EXPECT_TRUE(Precedes(a, b, 6, ByteOrder));  // equal times: name ascending even reversed
    for (int key : {0, 7, -1}) EXPECT_FALSE(Precedes(a, b, key, ByteOrder));
}

TEST(Precedes, HighWordOfTheTimeCounts) {
    const SortFacts early{"z", nullptr, 0x00000001FFFFFFFFull}, late{"a", nullptr, 0x0000000200000000ull};
    EXPECT_TRUE(Precedes(early, late, 5, ByteOrder));
    EXPECT_TRUE(Precedes(late, early, 6, ByteOrder));
}

struct ItemShape {
    std::string name;
    std::string type;
    uint64_t time;
    int childCount;
};

// A list built from shapes, each item carrying its origin in iconIndex and a
// child list for childCount > 0.
PanelItem* Build(const std::vector<ItemShape>& shapes, PanelItem** headSlotOwner) {
    PanelItem* head = nullptr;
    int k = 0;
    for (const ItemShape& s : shapes) {
        PanelItem item{};
        std::strncpy(item.name, s.name.c_str(), sizeof item.name - 1);
        item.iconIndex = k++;
        item.lastWriteTime = {static_cast<uint32_t>(s.time), static_cast<uint32_t>(s.time >> 32)};
        PanelItem* added = AppendItem(&head, item);
        for (int c = 0; c < s.childCount; ++c) {
            PanelItem child{};
            child.parent = added;
            child.depth = 1;
            AppendItem(&added->children, child);
        }
    }
    if (head) head->headSlot = headSlotOwner;
    return head;
}

// The bubble sort by positions with SwapItems: the order the sort must leave.
void ReferenceSort(PanelItem* head, int key, std::vector<std::string> types) {
    const int n = ItemCount(head);
    auto facts = [&](int pos) {
        PanelItem* item = ItemAt(head, pos);
        return SortFacts{item->name, types[pos].c_str(), FileTimeValue(item->lastWriteTime)};
    };
    for (int i = 0; i <= n - 2; ++i)
        for (int j = n - 1; j >= i + 1; --j)
            if (Precedes(facts(j), facts(j - 1), key, ByteOrder)) {
                SwapItemsAt(head, j, j - 1);
                std::swap(types[j], types[j - 1]);
            }
}

void ExpectSameState(PanelItem* sorted, PanelItem* reference) {
    for (PanelItem *s = sorted, *r = reference; s || r; s = s->next, r = r->next) {
        ASSERT_TRUE(s && r);
        EXPECT_EQ(s->iconIndex, r->iconIndex);
        EXPECT_STREQ(s->name, r->name);
        EXPECT_EQ(ItemCount(s->children), ItemCount(r->children));
        for (PanelItem* c = s->children; c; c = c->next) EXPECT_EQ(c->parent, s);
        EXPECT_EQ(s->headSlot != nullptr, s == sorted);
    }
}

TEST(SortListContents, LeavesWhatTheBubbleSortLeaves) {
    std::mt19937 random(42);
    const char* names[] = {"a", "b", "B", "c", "a"};
    const char* types[] = {"Shortcut", "Folder", "Internet Shortcut"};
    for (int round = 0; round < 300; ++round) {
        std::vector<ItemShape> shapes;
        const int n = static_cast<int>(random() % 12);
        for (int i = 0; i < n; ++i)
            shapes.push_back({names[random() % 5], types[random() % 3], random() % 3, static_cast<int>(random() % 3)});
        std::vector<std::string> typeNames;
        for (const ItemShape& s : shapes) typeNames.push_back(s.type);
        std::vector<const char*> typePointers;
        for (const std::string& t : typeNames) typePointers.push_back(t.c_str());

        for (int key = 1; key <= 6; ++key) {
            PanelItem* slotA = nullptr;
            PanelItem* slotB = nullptr;
            PanelItem* sorted = Build(shapes, &slotA);
            PanelItem* reference = Build(shapes, &slotB);
            std::vector<PanelItem*> records;
            for (PanelItem* p = sorted; p; p = p->next) records.push_back(p);

            ASSERT_TRUE(SortListContents(sorted, key, ByteOrder, typePointers.data()));
            ReferenceSort(reference, key, typeNames);
            ExpectSameState(sorted, reference);
            // The records keep their positions: only contents moved.
            int k = 0;
            for (PanelItem* p = sorted; p; p = p->next) EXPECT_EQ(p, records[k++]);
            FreeItemList(&sorted);
            FreeItemList(&reference);
        }
    }
}

TEST(SortListContents, TwoItemsInTheWrongOrder) {
    PanelItem* slot = nullptr;
    PanelItem* head = Build({{"b", "", 0, 0}, {"a", "", 0, 0}}, &slot);
    slot = head;
    ASSERT_TRUE(SortListContents(head, 1, ByteOrder, nullptr));
    EXPECT_STREQ(head->name, "a");
    EXPECT_STREQ(head->next->name, "b");
    EXPECT_EQ(head->headSlot, &slot);
    FreeItemList(&head);
}

TEST(SortListContents, UnknownKeyOrShortListChangesNothing) {
    PanelItem* slot = nullptr;
    PanelItem* head = Build({{"b", "", 0, 0}, {"a", "", 0, 0}}, &slot);
    EXPECT_TRUE(SortListContents(head, 0, ByteOrder, nullptr));
    EXPECT_TRUE(SortListContents(head, 9, ByteOrder, nullptr));
    EXPECT_STREQ(head->name, "b");
    EXPECT_TRUE(SortListContents(nullptr, 1, ByteOrder, nullptr));
    FreeItemList(&head);
}

TEST(SortListContents, FolderWithTimeZeroSortsFirstOldestAndLastNewest) {
    PanelItem* slot = nullptr;
    PanelItem* head = Build({{"m", "", 50, 0}, {"dir", "", 0, 2}, {"k", "", 50, 0}, {"z", "", 10, 0}}, &slot);
    ASSERT_TRUE(SortListContents(head, 5, ByteOrder, nullptr));
    std::vector<std::string> order;
    for (PanelItem* p = head; p; p = p->next) order.push_back(p->name);
    EXPECT_EQ(order, (std::vector<std::string>{"dir", "z", "k", "m"}));
    EXPECT_EQ(head->children->parent, head);
    ASSERT_TRUE(SortListContents(head, 6, ByteOrder, nullptr));
    order.clear();
    for (PanelItem* p = head; p; p = p->next) order.push_back(p->name);
    EXPECT_EQ(order, (std::vector<std::string>{"k", "m", "z", "dir"}));
    EXPECT_EQ(LastItem(head)->children->parent, LastItem(head));
    FreeItemList(&head);
}

}  // namespace
