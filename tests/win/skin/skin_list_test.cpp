// The skin list built from real skin folders.
#include "skin/skin_list.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace {

using V = std::vector<std::string>;

class SkinListTest : public testing::Test {
protected:
    void TearDown() override { FreeSkins(); }
    void Skin(const std::string& name) const {
        dir.MakeFolder(name);
        dir.Write(name + "\\skin.ini", "[Info]\r\nVersion=2.0\r\n");
    }
    static V Names() {
        V out;
        for (int i = 0; i < SkinCount(); ++i) out.push_back(SkinAt(i)->name);
        return out;
    }
    TempFolder dir;
};

TEST_F(SkinListTest, SubFoldersWithSkinIniOnly) {
    Skin("Blue");
    dir.MakeFolder("NoIni");
    dir.Write("skin.ini", "[Info]\r\nVersion=2.0\r\n");  // directly in the skin folder: not a skin
    dir.Write("File", "x");
    Skin("Hidden");
    SetFileAttributesA(dir.File("Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    EnumerateSkins(dir.Path().c_str());
    EXPECT_EQ(Names(), (V{"Blue", "Hidden"}));
    EXPECT_EQ(std::string(SkinAt(0)->folder), dir.File("Blue"));
    EXPECT_EQ(SkinAt(0)->kind, 0);
    EXPECT_EQ(SkinAt(2), nullptr);
    EXPECT_EQ(SkinAt(-1), nullptr);
}

TEST_F(SkinListTest, SortedInTheSystemStringOrder) {
    // Byte order would put "Ab" first; the locale order compares letters first.
    for (const char* n : {"b", "Ab", "aa"}) Skin(n);
    EnumerateSkins(dir.Path().c_str());
    V expected{"b", "Ab", "aa"};
    std::stable_sort(expected.begin(), expected.end(),
                     [](const std::string& x, const std::string& y) { return lstrcmpA(x.c_str(), y.c_str()) < 0; });
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(Names(), (V{"aa", "Ab", "b"}));
}

TEST_F(SkinListTest, SixtyFoldersGiveFiftyEntriesAndAMenuRecordEach) {
    for (int i = 0; i < 60; ++i) Skin("skin" + std::to_string(100 + i));
    EnumerateSkins(dir.Path().c_str());
    ASSERT_EQ(SkinCount(), 50);
    for (int i = 0; i < 50; ++i) {
        const SkinEntry* entry = SkinAt(i);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(FindSkin(entry->name), entry);
        if (i > 0) {
            EXPECT_LT(lstrcmpA(SkinAt(i - 1)->name, entry->name), 0);
        }
    }
    EXPECT_EQ(SkinAt(50), nullptr);
    ASSERT_NE(gSkins.menuItems, nullptr);
    EXPECT_EQ(gSkins.menuItemCount, 64u);
    const unsigned char* records = gSkins.menuItems;
    for (size_t i = 0; i < gSkins.menuItemCount * kMenuItemRecordSize; ++i) ASSERT_EQ(records[i], 0) << i;
    EXPECT_FALSE(AddSkin("extra", "C:\\extra"));
}

TEST_F(SkinListTest, FindSkinIgnoresCase) {
    Skin("Aqua");
    Skin("\x83\x41qua");  // a Japanese name whose trail byte reads as 'A'
    EnumerateSkins(dir.Path().c_str());
    ASSERT_EQ(SkinCount(), 2);
    const SkinEntry* aqua = FindSkin("aQUA");
    ASSERT_NE(aqua, nullptr);
    EXPECT_STREQ(aqua->name, "Aqua");
    const SkinEntry* japanese = FindSkin("\x83\x41QUA");
    ASSERT_NE(japanese, nullptr);
    EXPECT_STREQ(japanese->name, "\x83\x41qua");
    EXPECT_EQ(FindSkin("\x83\x61qua"), nullptr);
    EXPECT_EQ(FindSkin("Other"), nullptr);
    EXPECT_EQ(FindSkin(""), nullptr);
    EXPECT_EQ(FindSkin(nullptr), nullptr);
}

TEST_F(SkinListTest, MissingFolderGivesAnEmptyListAndTheFixedMenuRecords) {
    EnumerateSkins((dir.Path() + "\\nowhere").c_str());
    EXPECT_EQ(SkinCount(), 0);
    EXPECT_EQ(FindSkin("a"), nullptr);
    EXPECT_EQ(gSkins.menuItemCount, 14u);
    EnumerateSkins("");
    EXPECT_EQ(SkinCount(), 0);
    EnumerateSkins(nullptr);
    EXPECT_EQ(SkinCount(), 0);
}

TEST_F(SkinListTest, ARebuildListsANewSkinAndFreeEmpties) {
    Skin("one");
    EnumerateSkins(dir.Path().c_str());
    EXPECT_EQ(Names(), (V{"one"}));
    Skin("two");
    EnumerateSkins(dir.Path().c_str());
    EXPECT_EQ(Names(), (V{"one", "two"}));
    FreeSkins();
    EXPECT_EQ(SkinCount(), 0);
    EXPECT_EQ(gSkins.menuItems, nullptr);
    EXPECT_EQ(gSkins.menuItemCount, 0u);
}

}  // namespace
