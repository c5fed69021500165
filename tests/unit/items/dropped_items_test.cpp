#include "items/core/dropped_items.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

namespace {

// A folder's file names; matched ignoring ASCII letter case, as the file system does.
bool InFolder(const char* name, const void* context) {
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return static_cast<const std::set<std::string>*>(context)->count(lower) != 0;
}

std::string NameFor(const char* dropped, bool directory, const std::set<std::string>& folder,
                    size_t folderLength = 12) {
    char out[kPathSize];
    if (!DroppedItemName(dropped, directory, folderLength, InFolder, &folder, out, sizeof out)) return "(none)";
    return out;
}

TEST(DroppedItemName, LinksAreNamedAfterTheFileAndShortcutsKeepTheirOwnName) {
    const std::set<std::string> empty;
    EXPECT_EQ(NameFor("report.final.txt", false, empty), "report.final.lnk");
    EXPECT_EQ(NameFor(".profile", false, empty), ".profile.lnk");
    // A directory's dots are part of its name, even when it looks like a shortcut.
    EXPECT_EQ(NameFor("v1.2", true, empty), "v1.2.lnk");
    EXPECT_EQ(NameFor("odd.lnk", true, empty), "odd.lnk.lnk");
    // Dropped shortcuts are copied: their extension stays, in its own case.
    EXPECT_EQ(NameFor("Mail.LNK", false, empty), "Mail.LNK");
    // Double-byte names pass unchanged ("メモ帳.exe" in the program's code page).
    EXPECT_EQ(NameFor("\x83\x81\x83\x82\x92\xA0.exe", false, empty), "\x83\x81\x83\x82\x92\xA0.lnk");
    EXPECT_EQ(NameFor("", false, empty), "(none)");
}

TEST(DroppedItemName, TakenNamesGetTheFirstFreeNumberAndNothingIsOverwritten) {
    const std::set<std::string> folder{"notepad.lnk", "notepad (2).lnk", "notepad (4).lnk", "mail.lnk"};
    EXPECT_EQ(NameFor("NOTEPAD.EXE", false, folder), "NOTEPAD (3).lnk");
    EXPECT_EQ(NameFor("Mail.lnk", false, folder), "Mail (2).lnk");

    // Every number taken up to the last one tried: no name at all.
    std::set<std::string> full{"a.lnk"};
    for (int n = 2; n <= 9999; ++n) full.insert("a (" + std::to_string(n) + ").lnk");
    EXPECT_EQ(NameFor("a.txt", false, full), "(none)");
}

TEST(DroppedItemName, NamesStayWithinThePathLimitAndTheBuffer) {
    const std::set<std::string> empty;
    const std::string stem(40, 'x');
    const std::set<std::string> taken{stem + ".lnk"};
    EXPECT_EQ(NameFor((stem + ".txt").c_str(), false, taken, 200), stem + " (2).lnk");
    // 214 + 1 + 44 + 1 is exactly 260; one more does not fit.
    EXPECT_EQ(NameFor((stem + ".txt").c_str(), false, empty, 214), stem + ".lnk");
    EXPECT_EQ(NameFor((stem + ".txt").c_str(), false, empty, 215), "(none)");
    // The first name fits but the numbered one does not.
    EXPECT_EQ(NameFor((stem + ".txt").c_str(), false, taken, 211), "(none)");

    char small[8];
    EXPECT_TRUE(DroppedItemName("ab.exe", false, 3, InFolder, &empty, small, sizeof small));
    EXPECT_STREQ(small, "ab.lnk");
    EXPECT_FALSE(DroppedItemName("abcd.exe", false, 3, InFolder, &empty, small, sizeof small));
    EXPECT_STREQ(small, "");
}

// The panel's item list: top-level items by name, an open folder's rows
// written "Folder/child" (depth 1, right after the folder).
class DropSpotTest : public testing::Test {
protected:
    void Build(std::initializer_list<const char*> names) {
        PanelItem* folder = nullptr;
        for (const char* name : names) {
            PanelItem item{};
            const char* slash = std::strchr(name, '/');
            std::strncpy(item.name, slash ? slash + 1 : name, sizeof item.name - 1);
            if (slash) item.depth = 1;
            if (std::strcmp(name, "--") == 0) item.flags = kItemSeparator;
            PanelItem* added = AppendItem(&head, item);
            if (!slash && std::strchr(name, '+')) {
                added->flags = kItemFolder | kItemOpen;
                folder = added;
            }
            if (slash) added->parent = folder;
        }
    }
    void TearDown() override { FreeItemList(&head); }
    std::string Where(int32_t current, int32_t cursorRow, int32_t row, bool noLoop = false) const {
        const DropSpot s = DropSpotAtRow(head, current, cursorRow, row, noLoop);
        std::string in = s.folder ? s.folder->name : "top";
        return in + " " + std::to_string(s.index) + " " + std::to_string(s.itemIndex);
    }
    PanelItem* head = nullptr;
};

TEST_F(DropSpotTest, TopLevelRowsCountOnlyTopLevelItemsAndAnOpenFoldersRowsInsertIntoIt) {
    Build({"a", "Docs+", "Docs/x", "Docs/y", "b", "--", "c"});
    // Item 2 on the cursor row 2: rows 0..6 show items 0..6.
    EXPECT_EQ(Where(2, 2, 1), "top 1 1");  // on the open folder itself
    EXPECT_EQ(Where(2, 2, 2), "Docs+ 0 2");
    EXPECT_EQ(Where(2, 2, 3), "Docs+ 1 3");
    EXPECT_EQ(Where(2, 2, 4), "top 2 4");  // b: the folder's rows are not the top level's
    EXPECT_EQ(Where(2, 2, 6), "top 4 6");  // after a separator
    // Wrapping round the end onto the folder's rows.
    EXPECT_EQ(Where(6, 1, 5), "Docs+ 1 3");
}

TEST_F(DropSpotTest, RowsPastTheEndsWrapUnlessTheListDoesNotLoopAndNoRowAppends) {
    Build({"a", "b", "c"});
    // Item 0 on cursor row 4 of 9: rows 2 and 3 show c and b (wrapped), 7 shows a again.
    EXPECT_EQ(Where(0, 4, 3), "top 2 2");
    EXPECT_EQ(Where(0, 4, 2), "top 1 1");
    EXPECT_EQ(Where(0, 4, 7), "top 0 0");
    // Without looping those rows are empty: the files go to the end.
    EXPECT_EQ(Where(0, 4, 3, true), "top -1 -1");
    EXPECT_EQ(Where(0, 4, 7, true), "top -1 -1");
    EXPECT_EQ(Where(0, 4, 6, true), "top 2 2");
    // Outside the rows, and a current index past the end (shown as item 0).
    EXPECT_EQ(Where(0, 4, -1), "top -1 -1");
    EXPECT_EQ(Where(9, 1, 2), "top 1 1");
    FreeItemList(&head);
    EXPECT_EQ(Where(0, 4, 4), "top -1 -1");
}

TEST(CurrentShowingOnRow, PutsTheItemOnTheRowOrElseOnTheCursorRow) {
    // Item 5 of 10 on row 2 with the cursor on row 4: item 7 is current.
    EXPECT_EQ(CurrentShowingOnRow(5, 2, 4, 10, false), 7);
    EXPECT_EQ(CurrentShowingOnRow(1, 6, 4, 10, false), 9);  // wraps below 0
    EXPECT_EQ(CurrentShowingOnRow(9, 0, 4, 10, false), 3);  // wraps past the end
    EXPECT_EQ(CurrentShowingOnRow(9, 0, 4, 10, true), 9);   // cannot stand on row 0 without looping
    EXPECT_EQ(CurrentShowingOnRow(0, 0, 0, 0, false), 0);
}

}  // namespace
