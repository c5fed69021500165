// The item list as the real program builds it from a shortcut folder: sorting
// overrides the order file and drops its separators, hidden files stay out,
// and a shortcut whose name the code page cannot hold still starts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver.h"

namespace {

// Previous-position placement, folders in the panel, no mouse hook, no fade,
// no scroll animation.
const std::initializer_list<OptionFlag> kBase = {kOptMousePlace,  kOptMousePlaceAtCursor, kOptFoldersInPanel,
                                                 kOptFolderArrow, kOptHandCursor,         kOptAccelerators,
                                                 kOptIndentMedium};

class Items : public testing::Test {
protected:
    void SetUp() override {
        shortcuts = run.Folder().MakeFolder("shortcuts");
        markers = run.Folder().MakeFolder("markers");
    }
    // A shortcut to cmd.exe that leaves markers\ran_<marker>.txt.
    void Shortcut(const std::string& file, const std::string& marker) const {
        ASSERT_TRUE(MakeShortcut(shortcuts + "\\" + file, "C:\\windows\\system32\\cmd.exe",
                                 "/c echo ran> " + markers + "\\ran_" + marker + ".txt"));
    }
    void Start(const std::string& flags) {
        run.WriteIni("[Window]\r\nLeft=200\r\nTop=100\r\nLeft2=200\r\nTop2=100\r\n[General]\r\nShortcut=" + shortcuts +
                     "\r\nIconIndex=0\r\nNFlags=" + flags + "\r\n");
        ASSERT_TRUE(run.Start());
        ASSERT_EQ(run.RunAgain("/h"), 1);
        ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
        Sleep(150);
    }
    bool WaitRan(const std::string& marker) const {
        return WaitFor([&] { return run.Folder().Exists("markers\\ran_" + marker + ".txt"); });
    }
    int RanCount() const {
        int n = 0;
        for (const char* m : {"a", "b", "c", "hidden", "wide"})
            n += run.Folder().Exists(std::string("markers\\ran_") + m + ".txt");
        return n;
    }
    void Key(WORD vk) const {
        PressKey(vk);
        Sleep(150);
    }

    KorvaneRun run;
    std::string shortcuts, markers;
};

TEST_F(Items, SortingByNameOverridesTheOrderFileAndDropsSeparators) {
    Shortcut("c.lnk", "c");
    Shortcut("b.lnk", "b");
    Shortcut("a.lnk", "a");
    run.Folder().Write("shortcuts\\shortcut.ini", "c.lnk\r\n/separator/\r\nb.lnk\r\na.lnk\r\n");
    std::initializer_list<OptionFlag> flags = {kOptMousePlace, kOptMousePlaceAtCursor, kOptSort,
                                               kOptSortByName, kOptFoldersInPanel,     kOptFolderArrow,
                                               kOptHandCursor, kOptAccelerators,       kOptIndentMedium};
    Start(FlagText(flags));
    Key(VK_DOWN);  // a, b: one step with no separator between
    Key(VK_RETURN);
    EXPECT_TRUE(WaitRan("b"));
    EXPECT_EQ(RanCount(), 1);
    EXPECT_EQ(run.Close(), 0);
    EXPECT_NE(run.ReadIni().find("IconIndex=1"), std::string::npos);
}

TEST_F(Items, AnUnnamedHiddenShortcutIsNotListed) {
    Shortcut("a.lnk", "a");
    Shortcut("b.lnk", "hidden");
    Shortcut("c.lnk", "c");
    SetFileAttributesA((shortcuts + "\\b.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN);
    run.Folder().Write("shortcuts\\shortcut.ini", "a.lnk\r\nc.lnk\r\n");
    Start(FlagText(kBase));
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_TRUE(WaitRan("c"));
    EXPECT_EQ(RanCount(), 1);
}

TEST_F(Items, AShortcutWhoseNameTheCodePageCannotHoldStarts) {
    wchar_t folder[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, shortcuts.c_str(), -1, folder, MAX_PATH);
    Shortcut("template.lnk", "wide");
    const std::wstring wide = std::wstring(folder) + L"\\caf\x00e9 \x0100.lnk";
    ASSERT_TRUE(MoveFileW((std::wstring(folder) + L"\\template.lnk").c_str(), wide.c_str()));
    Start(FlagText(kBase));
    Key(VK_RETURN);
    EXPECT_TRUE(WaitRan("wide"));
    EXPECT_EQ(run.Close(), 0);
    DeleteFileW(wide.c_str());
}

}  // namespace
