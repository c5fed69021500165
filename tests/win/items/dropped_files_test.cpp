// Files dropped on the panel where the order file must stay as it is: what
// cannot be added is named, what could be made stays, and the order file
// holds either its old lines or all the new ones.
#include "items/dropped_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/core/text.h"
#include "item_fixture.h"

namespace {

class DroppedFiles : public ItemModelTest {
protected:
    void SetUp() override {
        ItemModelTest::SetUp();
        CopyText(gSettings.shortcutFolder, dir.Path().c_str());
        Link("a.lnk");
        Link("b.lnk");
        dir.Write("shortcut.ini", "b.lnk\r\na.lnk\r\n");
        MakeUrl(elsewhere.File("News.url"), "http://localhost/");
    }
    DroppedFilesResult DropOnRow(std::initializer_list<std::string> paths, int row) {
        EXPECT_TRUE(ScanTop());
        return AddDroppedFiles(paths, DropSpotAtRow(gItems.head, 0, 0, row, false));
    }
    TempFolder elsewhere;
};

TEST_F(DroppedFiles, AnOrderFileThatCannotBeReplacedKeepsItsLinesAndMissingFilesAreNamed) {
    SetFileAttributesA(dir.File("shortcut.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    const DroppedFilesResult r = DropOnRow({target, elsewhere.File("gone.txt"), elsewhere.File("News.url")}, 1);
    SetFileAttributesA(dir.File("shortcut.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.refused, "gone.txt\n");
    EXPECT_TRUE(r.orderFailed);
    EXPECT_EQ(dir.Read("shortcut.ini"), "b.lnk\r\na.lnk\r\n");
    EXPECT_EQ(std::string(r.firstPath), dir.File("notepad.lnk"));
    // The dropped shortcut is the same file under its own name.
    EXPECT_EQ(dir.Read("News.url"), elsewhere.Read("News.url"));
    // The rebuild finds the new files after the order file's, in the listing's order.
    EXPECT_TRUE(ScanTop());
    std::vector<std::string> names = TopNames();
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0] + names[1], "b.lnka.lnk");
    std::sort(names.begin() + 2, names.end());
    EXPECT_EQ(names[2] + names[3], "News.urlnotepad.lnk");

    // Many refused files: the first ten are named.
    std::vector<std::string> gone;
    for (char c = 'a'; c <= 'l'; ++c) gone.push_back(elsewhere.File(std::string(1, c) + ".txt"));
    const std::string listed = AddDroppedFiles(gone, DropSpot{nullptr, -1, -1}).refused;
    EXPECT_EQ(listed, "a.txt\nb.txt\nc.txt\nd.txt\ne.txt\nf.txt\ng.txt\nh.txt\ni.txt\nj.txt\n...\n");
}

TEST_F(DroppedFiles, FilesDroppedTogetherStandTogetherOnTheRowAndASortedListKeepsItsOrderFile) {
    DroppedFilesResult r = DropOnRow({target, elsewhere.File("News.url")}, 1);
    EXPECT_EQ(r.added, 2);
    EXPECT_FALSE(r.orderFailed);
    EXPECT_EQ(dir.Read("shortcut.ini"), "b.lnk\r\nnotepad.lnk\r\nNews.url\r\na.lnk\r\n");

    Options({kOptSort, kOptSortByName});
    r = DropOnRow({target}, 0);
    EXPECT_EQ(r.added, 1);
    EXPECT_TRUE(dir.Exists("notepad (2).lnk"));
    EXPECT_EQ(dir.Read("shortcut.ini"), "b.lnk\r\nnotepad.lnk\r\nNews.url\r\na.lnk\r\n");
}

}  // namespace
