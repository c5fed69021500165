// Folders in the panel: kOptFoldersInPanel and kOptScanFoldersAtStart, opening and closing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings_store.h"
#include "item_fixture.h"
#include "items/core/item_list.h"
#include "items/item_model.h"

namespace {

using V = std::vector<std::string>;

class FolderTest : public ItemModelTest {
protected:
    // top: a.lnk, Docs\ (x.lnk, y.lnk, Inner\ (deep.lnk)), z.lnk
    void SetUp() override {
        ItemModelTest::SetUp();
        docs = dir.MakeFolder("Docs");
        LinkIn(docs, "x.lnk");
        LinkIn(docs, "y.lnk");
        inner = docs + "\\Inner";
        CreateDirectoryA(inner.c_str(), nullptr);
        LinkIn(inner, "deep.lnk");
        dir.Write("Docs\\shortcut.ini", "y.lnk\r\nInner\r\nx.lnk\r\n");
        Link("a.lnk");
        Link("z.lnk");
        dir.Write("shortcut.ini", "a.lnk\r\nDocs\r\nz.lnk\r\n");
    }
    std::string docs, inner;
};

TEST_F(FolderTest, WithoutFlag21FoldersArePlainItems) {
    ASSERT_TRUE(ScanTop());
    ASSERT_EQ(TopNames(), (V{"a.lnk", "Docs", "z.lnk"}));
    const PanelItem* folder = Item(1);
    EXPECT_EQ(folder->flags, 0u);
    EXPECT_EQ(folder->children, nullptr);
    EXPECT_EQ(folder->openIconIndex, 0);
    EXPECT_EQ(folder->lastWriteTime.lowDateTime | folder->lastWriteTime.highDateTime, 0u);
    EXPECT_FALSE(OpenFolderItems(Item(1)));
    EXPECT_EQ(ItemCount(gItems.head), 3);
}

TEST_F(FolderTest, Flag21MakesTopLevelDirectoriesFoldersWithAnOpenIcon) {
    Options({kOptFoldersInPanel});
    ASSERT_TRUE(ScanTop());
    PanelItem* folder = Item(1);
    EXPECT_EQ(folder->flags, kItemFolder);
    EXPECT_STREQ(folder->name, "Docs");
    EXPECT_EQ(folder->children, nullptr);  // loaded on first opening
    EXPECT_GE(folder->openIconIndex, 0);
    EXPECT_NE(folder->openIconIndex, folder->iconIndex);
    EXPECT_EQ(Item(0)->iconIndex, Item(2)->iconIndex);  // both shortcuts to the same program
}

TEST_F(FolderTest, OpeningSplicesCopiesAndClosingRemovesThem) {
    Options({kOptFoldersInPanel});
    ASSERT_TRUE(ScanTop());
    PanelItem* folder = Item(1);
    ASSERT_TRUE(OpenFolderItems(folder));
    EXPECT_EQ(TopNames(), (V{"a.lnk", "Docs", "y.lnk", "Inner", "x.lnk", "z.lnk"}));
    EXPECT_TRUE(folder->flags & kItemOpen);
    EXPECT_EQ(FindOpenFolder(gItems.head), folder);
    EXPECT_STREQ(gSettings.openFolder, "Docs");

    // The child list under the folder and the copies are separate records.
    EXPECT_EQ(FileNames(folder->children), (V{"y.lnk", "Inner", "x.lnk"}));
    for (PanelItem* c = folder->children; c; c = c->next) {
        EXPECT_EQ(c->parent, folder);
        EXPECT_EQ(c->depth, 1u);
    }
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(Item(i)->depth, 1u);
        EXPECT_EQ(Item(i)->children, nullptr);
        EXPECT_EQ(Item(i)->parent, folder);
        EXPECT_NE(Item(i), ItemAt(folder->children, i - 2));
    }

    // A folder inside the opened folder is a plain item whose content is never loaded.
    PanelItem* innerCopy = Item(3);
    EXPECT_EQ(innerCopy->flags, 0u);
    EXPECT_EQ(ItemAt(folder->children, 1)->children, nullptr);
    EXPECT_FALSE(OpenFolderItems(innerCopy));
    EXPECT_EQ(ItemCount(gItems.head), 6);

    CloseOpenFolder();
    EXPECT_EQ(TopNames(), (V{"a.lnk", "Docs", "z.lnk"}));
    EXPECT_FALSE(folder->flags & kItemOpen);
    EXPECT_STREQ(gSettings.openFolder, "");
    EXPECT_EQ(ItemCount(folder->children), 3);  // the content stays loaded
    CloseOpenFolder();                          // nothing open: nothing happens
    EXPECT_EQ(ItemCount(gItems.head), 3);
}

TEST_F(FolderTest, OpeningAnotherFolderClosesTheFirst) {
    const std::string second = dir.MakeFolder("More");
    LinkIn(second, "m.lnk");
    Options({kOptFoldersInPanel});
    ASSERT_TRUE(ScanTop());
    ASSERT_EQ(TopNames(), (V{"a.lnk", "Docs", "z.lnk", "More"}));
    ASSERT_TRUE(OpenFolderItems(Item(1)));
    ASSERT_TRUE(OpenFolderItems(Item(6)));
    EXPECT_EQ(TopNames(), (V{"a.lnk", "Docs", "z.lnk", "More", "m.lnk"}));
    EXPECT_FALSE(Item(1)->flags & kItemOpen);
    EXPECT_STREQ(gSettings.openFolder, "More");
}

TEST_F(FolderTest, AnEmptyFolderOpensWithNothingSpliced) {
    dir.MakeFolder("Empty");
    Options({kOptFoldersInPanel});
    ASSERT_TRUE(ScanTop());
    PanelItem* empty = Item(3);
    ASSERT_STREQ(empty->name, "Empty");
    ASSERT_TRUE(OpenFolderItems(empty));
    EXPECT_EQ(ItemCount(gItems.head), 4);
    EXPECT_EQ(FindOpenFolder(gItems.head), empty);
    CloseOpenFolder();
    EXPECT_EQ(ItemCount(gItems.head), 4);
}

TEST_F(FolderTest, Flag22LoadsTopLevelFoldersAtScanTimeOnly) {
    Options({kOptFoldersInPanel, kOptScanFoldersAtStart});
    ASSERT_TRUE(ScanTop());
    PanelItem* folder = Item(1);
    ASSERT_NE(folder->children, nullptr);
    EXPECT_EQ(FileNames(folder->children), (V{"y.lnk", "Inner", "x.lnk"}));
    PanelItem* innerItem = ItemAt(folder->children, 1);
    EXPECT_EQ(innerItem->children, nullptr);
    EXPECT_EQ(innerItem->flags, 0u);
    EXPECT_EQ(innerItem->parent, folder);
    EXPECT_GE(innerItem->openIconIndex, 0);  // directories still get their open icon
    EXPECT_EQ(ItemCount(gItems.head), 3);    // loaded, not opened
}

TEST_F(FolderTest, SortingMovesFolderContentsWithTheirFolder) {
    Options({kOptSort, kOptSortByName, kOptFoldersInPanel, kOptScanFoldersAtStart});
    ASSERT_TRUE(ScanTop());
    ASSERT_EQ(TopNames(), (V{"a.lnk", "Docs", "z.lnk"}));
    PanelItem* folder = Item(1);
    EXPECT_EQ(folder->flags, kItemFolder);
    ASSERT_EQ(FileNames(folder->children), (V{"Inner", "x.lnk", "y.lnk"}));
    for (PanelItem* c = folder->children; c; c = c->next) EXPECT_EQ(c->parent, folder);
    ASSERT_TRUE(OpenFolderItems(folder));
    EXPECT_EQ(TopNames(), (V{"a.lnk", "Docs", "Inner", "x.lnk", "y.lnk", "z.lnk"}));
}

TEST_F(FolderTest, OrderFilesOfOpenedFoldersAreRead) {
    Options({kOptFoldersInPanel});
    dir.Write("Docs\\shortcut.ini", "x.lnk\n/separator/\ny.lnk");
    ASSERT_TRUE(ScanTop());
    ASSERT_TRUE(OpenFolderItems(Item(1)));
    EXPECT_EQ(TopNames(), (V{"a.lnk", "Docs", "x.lnk", "--", "y.lnk", "Inner", "z.lnk"}));
    const PanelItem* separator = Item(3);
    EXPECT_EQ(std::string(separator->path), docs + "\\");
    EXPECT_EQ(separator->depth, 1u);
}

}  // namespace
