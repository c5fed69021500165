#include "items/core/reorder_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using V = std::vector<std::string>;

// The dialog's list box, as a vector.
struct Entries final : DialogEntries {
    int Count() const override { return static_cast<int>(items.size()); }
    PanelItem* At(int i) const override { return i >= 0 && i < Count() ? items[static_cast<size_t>(i)] : nullptr; }
    void Insert(int i, PanelItem* item) override { items.insert(items.begin() + i, item); }
    void Erase(int i) override { items.erase(items.begin() + i); }
    std::vector<PanelItem*> items;
};

std::string NameOf(const PanelItem* p) { return IsSeparator(p) ? "--" : p->name; }
V Names(const PanelItem* head) {
    V out;
    for (; head; head = head->next) out.push_back(NameOf(head));
    return out;
}
V Names(const Entries& e) {
    V out;
    for (const PanelItem* p : e.items) out.push_back(NameOf(p));
    return out;
}

PanelItem Record(const char* name, PanelItem* parent = nullptr, uint32_t flags = 0) {
    PanelItem item{};
    std::strncpy(item.name, name, sizeof item.name - 1);
    item.flags = flags;
    item.parent = parent;
    item.depth = parent ? 1 : 0;
    return item;
}

int gLoads = 0;
void LoadXY(PanelItem* folder) {
    ++gLoads;
    for (const char* name : {"x", "y"}) AppendItem(&folder->children, Record(name, folder));
}

// The item list a, Docs (a folder whose content is not loaded yet), b, shown in the dialog.
class ReorderList : public testing::Test {
protected:
    void SetUp() override {
        gLoads = 0;
        for (const char* name : {"a", "Docs", "b"})
            AppendItem(&head, Record(name, nullptr, *name == 'D' ? kItemFolder : 0));
        head->headSlot = &head;
        head->editFlags = kEditOrderChanged;  // left over from an earlier dialog
        LoadDialogEntries(e, head);
    }
    void TearDown() override { FreeItemList(&head); }

    PanelItem* head = nullptr;
    Entries e;
};

TEST_F(ReorderList, MovesKeepTheHeadOnTheFirstRecordAndMarkOnlyTheirOwnList) {
    EXPECT_FALSE(ListChanged(head));
    PanelItem* first = head;
    EXPECT_EQ(MoveEntry(e, 0, -1), -1);
    EXPECT_EQ(MoveEntry(e, 0, +1), 1);
    EXPECT_EQ(head, first);
    EXPECT_EQ(head->headSlot, &head);
    EXPECT_EQ(Names(e), (V{"Docs", "a", "b"}));  // the entries show the records
    EXPECT_TRUE(ListChanged(head));

    head->editFlags = 0;
    ASSERT_TRUE(ToggleFolderEntry(e, 0, LoadXY));
    EXPECT_EQ(MoveEntry(e, 2, -1), 1);                     // y above x
    EXPECT_EQ(MoveEntry(e, 2, +1), -1);                    // the last child stays in its list
    EXPECT_EQ(Names(e), (V{"Docs", "y", "x", "a", "b"}));  // still unfolded
    EXPECT_TRUE(ListChanged(head->children));
    EXPECT_FALSE(ListChanged(head));
}

TEST_F(ReorderList, ATopLevelMoveFoldsTheFolderWhoseContentMovesAlong) {
    ASSERT_TRUE(ToggleFolderEntry(e, 1, LoadXY));
    ASSERT_TRUE(ToggleFolderEntry(e, 1, LoadXY));  // folds
    ASSERT_TRUE(ToggleFolderEntry(e, 1, LoadXY));
    EXPECT_EQ(gLoads, 1);
    EXPECT_FALSE(ToggleFolderEntry(e, 2, LoadXY));  // x is no folder
    EXPECT_EQ(MoveEntry(e, 4, -1), 1);              // b, below the unfolded folder, moves above it
    EXPECT_EQ(Names(e), (V{"a", "b", "Docs"}));
    PanelItem* docs = ItemAt(head, 2);
    EXPECT_EQ(Names(docs->children), (V{"x", "y"}));
    EXPECT_EQ(docs->children->parent, docs);
    EXPECT_EQ(head->next->children, nullptr);
    EXPECT_FALSE(docs->editFlags & kEditExpanded);
}

TEST_F(ReorderList, ASeparatorGoesBeforeTheItemButNeverNextToAnother) {
    ASSERT_TRUE(ToggleFolderEntry(e, 1, LoadXY));
    EXPECT_EQ(InsertSeparatorEntry(e, 2, &head, "C:\\f\\Docs\\"), 3);  // before x, the first child
    EXPECT_EQ(Names(e), (V{"a", "Docs", "--", "x", "y", "b"}));
    const PanelItem* separator = head->next->children;
    EXPECT_TRUE(IsSeparator(separator) && separator->parent == head->next && separator->depth == 1);
    EXPECT_STREQ(separator->path, "C:\\f\\Docs\\");
    EXPECT_TRUE(ListChanged(separator));
    EXPECT_FALSE(ButtonsFor(e.At(3)).separator);
    EXPECT_EQ(InsertSeparatorEntry(e, 3, &head, "C:\\f\\Docs\\"), -1);
    EXPECT_EQ(InsertSeparatorEntry(e, 2, &head, "C:\\f\\Docs\\"), -1);  // on the separator itself
    EXPECT_EQ(InsertSeparatorEntry(e, 0, &head, "C:\\f\\"), 1);         // at the top it becomes the head
    EXPECT_TRUE(IsSeparator(head) && head->headSlot == &head && ListChanged(head));
}

TEST_F(ReorderList, RemovingMarksTheListUnlessItLeavesItEmpty) {
    ASSERT_TRUE(ToggleFolderEntry(e, 1, [](PanelItem* f) { AppendItem(&f->children, Record("only", f)); }));
    EXPECT_TRUE(RemoveEntry(e, 2, &head));
    EXPECT_EQ(Names(e), (V{"a", "Docs", "b"}));
    EXPECT_EQ(head->next->children, nullptr);
    EXPECT_TRUE(head->next->editFlags & kEditExpanded);  // shown unfolded, and empty
    EXPECT_FALSE(ListChanged(head));

    ASSERT_EQ(MoveEntry(e, 1, -1), 0);
    head->editFlags = 0;
    LoadXY(head);
    EXPECT_TRUE(RemoveEntry(e, 0, &head));  // the folder and its content (the sanitizer sees leaks)
    EXPECT_EQ(Names(head), (V{"a", "b"}));
    EXPECT_TRUE(head->headSlot == &head && ListChanged(head));
    while (e.Count()) ASSERT_TRUE(RemoveEntry(e, 0, &head));
    EXPECT_EQ(head, nullptr);
    EXPECT_FALSE(RemoveEntry(e, 0, &head));
}

}  // namespace
