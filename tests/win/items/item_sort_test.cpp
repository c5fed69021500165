// Sorting scanned lists by name, type and date with the shell's type names.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "item_fixture.h"
#include "items/item_model.h"
#include "items/item_sort.h"

namespace {

using V = std::vector<std::string>;

constexpr uint64_t kDay = 864000000000ull;
constexpr uint64_t kBase = 0x01D9000000000000ull;

class SortTest : public ItemModelTest {
protected:
    // Shortcuts of three types and a folder, with chosen times:
    // b.lnk (day 2), a.url (day 1), c.lnk (day 1), Sub\ (time 0), d.url (day 3).
    void SetUp() override {
        ItemModelTest::SetUp();
        Link("b.lnk");
        MakeUrl(dir.File("a.url"), "http://example.invalid/a");
        Link("c.lnk");
        dir.MakeFolder("Sub");
        MakeUrl(dir.File("d.url"), "http://example.invalid/d");
        SetWriteTime(dir.File("b.lnk"), kBase + 2 * kDay);
        SetWriteTime(dir.File("a.url"), kBase + kDay);
        SetWriteTime(dir.File("c.lnk"), kBase + kDay);
        SetWriteTime(dir.File("d.url"), kBase + 3 * kDay);
        dir.Write("shortcut.ini", "b.lnk\r\nd.url\r\nSub\r\nc.lnk\r\na.url\r\n");
    }
    V ScanSorted(std::initializer_list<OptionFlag> flags) {
        Options(flags);
        const unsigned long before = gItems.shellCalls;
        EXPECT_TRUE(ScanTop());
        callsMade = gItems.shellCalls - before;
        return TopNames();
    }
    unsigned long callsMade = 0;
};

TEST_F(SortTest, UnsortedKeepsTheOrderFile) {
    EXPECT_EQ(ScanSorted({}), (V{"b.lnk", "d.url", "Sub", "c.lnk", "a.url"}));
}

TEST_F(SortTest, ByName) {
    EXPECT_EQ(ScanSorted({kOptSort, kOptSortByName}), (V{"a.url", "b.lnk", "c.lnk", "d.url", "Sub"}));
    EXPECT_EQ(ScanSorted({kOptSort, kOptSortByName, kOptSortReverse}), (V{"Sub", "d.url", "c.lnk", "b.lnk", "a.url"}));
}

TEST_F(SortTest, ByTypeWithOneShellQueryPerItem) {
    // Type names by the shell; their order decides, equal types go by name.
    char folderType[80], linkType[80], urlType[80];
    SHFILEINFOA info{};
    SHGetFileInfoA(dir.File("Sub").c_str(), 0, &info, sizeof info, SHGFI_TYPENAME);
    lstrcpyA(folderType, info.szTypeName);
    SHGetFileInfoA(dir.File("b.lnk").c_str(), 0, &info, sizeof info, SHGFI_TYPENAME);
    lstrcpyA(linkType, info.szTypeName);
    SHGetFileInfoA(dir.File("a.url").c_str(), 0, &info, sizeof info, SHGFI_TYPENAME);
    lstrcpyA(urlType, info.szTypeName);
    ASSERT_NE(lstrcmpA(folderType, linkType), 0);
    ASSERT_NE(lstrcmpA(linkType, urlType), 0);
    ASSERT_NE(lstrcmpA(folderType, urlType), 0);

    struct Group {
        const char* type;
        V names;
    };
    std::vector<Group> groups{{folderType, {"Sub"}}, {linkType, {"b.lnk", "c.lnk"}}, {urlType, {"a.url", "d.url"}}};
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Group& x, const Group& y) { return lstrcmpA(x.type, y.type) < 0; });
    V ascending, descending;
    for (const Group& g : groups) ascending.insert(ascending.end(), g.names.begin(), g.names.end());
    for (auto g = groups.rbegin(); g != groups.rend(); ++g)
        descending.insert(descending.end(), g->names.begin(), g->names.end());

    EXPECT_EQ(ScanSorted({kOptSort, kOptSortByType}), ascending);
    // Five items: one display query each, one open-icon query for the folder
    // (kOptFoldersInPanel is off here, so none), and one type query each.
    EXPECT_EQ(callsMade, 5u + 5u);
    EXPECT_EQ(ScanSorted({kOptSort, kOptSortByType, kOptSortReverse}), descending);
}

TEST_F(SortTest, ByDateFolderFirstAndEqualTimesByName) {
    EXPECT_EQ(ScanSorted({kOptSort, kOptSortByDate}), (V{"Sub", "a.url", "c.lnk", "b.lnk", "d.url"}));
    EXPECT_EQ(callsMade, 5u);
    EXPECT_EQ(ScanSorted({kOptSort, kOptSortByDate, kOptSortReverse}), (V{"d.url", "b.lnk", "a.url", "c.lnk", "Sub"}));
}

TEST_F(SortTest, ItemPrecedesAsksTheShellForTypes) {
    ASSERT_TRUE(ScanTop());
    const PanelItem* b = FindByFileName(gItems.head, "b.lnk");
    const PanelItem* c = FindByFileName(gItems.head, "c.lnk");
    const PanelItem* sub = FindByFileName(gItems.head, "Sub");
    EXPECT_TRUE(ItemPrecedes(b, c, 1));
    EXPECT_FALSE(ItemPrecedes(c, b, 1));
    EXPECT_TRUE(ItemPrecedes(c, b, 2));
    EXPECT_TRUE(ItemPrecedes(b, c, 3));  // same type: by name
    EXPECT_TRUE(ItemPrecedes(b, c, 4));
    EXPECT_TRUE(ItemPrecedes(sub, c, 5));
    EXPECT_TRUE(ItemPrecedes(c, sub, 6));
    EXPECT_FALSE(ItemPrecedes(b, c, 0));
    EXPECT_FALSE(ItemPrecedes(b, nullptr, 1));
    const unsigned long before = gItems.shellCalls;
    ItemPrecedes(b, sub, 3);
    EXPECT_EQ(gItems.shellCalls - before, 2u);
}

TEST_F(SortTest, TwoItemsInTheWrongOrder) {
    TempFolder two;
    ASSERT_TRUE(MakeLink(two.File("z.lnk"), target));
    ASSERT_TRUE(MakeLink(two.File("y.lnk"), target));
    two.Write("shortcut.ini", "z.lnk\r\ny.lnk\r\n");
    Options({kOptSort, kOptSortByName});
    PanelItem* head = nullptr;
    ASSERT_TRUE(ScanFolder(&head, nullptr, two.Path().c_str()));
    EXPECT_EQ(FileNames(head), (V{"y.lnk", "z.lnk"}));
    SortItems(&head, kSortNameDescending);
    EXPECT_EQ(FileNames(head), (V{"z.lnk", "y.lnk"}));
    FreeItemList(&head);
}

}  // namespace
