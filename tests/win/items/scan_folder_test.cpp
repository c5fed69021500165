// The folder scan against real folders, shortcut files and order files.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "item_fixture.h"
#include "items/core/item_list.h"
#include "items/item_model.h"
#include "base/files.h"
#include "shell_link.h"

namespace {

using V = std::vector<std::string>;

// The listing's order is the file system's: compare the unordered tail as a set.
V Sorted(V v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST_F(ItemModelTest, OrderFileFirstThenTheListing) {
    for (const char* n : {"a.lnk", "b.lnk", "c.lnk", "d.lnk"}) Link(n);
    dir.Write("shortcut.ini", "b.lnk\r\n/separator/\r\na.lnk\r\n");
    ASSERT_TRUE(ScanTop());
    const V names = TopNames();
    ASSERT_EQ(names.size(), 5u);
    EXPECT_EQ(V(names.begin(), names.begin() + 3), (V{"b.lnk", "--", "a.lnk"}));
    EXPECT_EQ(Sorted(V(names.begin() + 3, names.end())), (V{"c.lnk", "d.lnk"}));

    const PanelItem* separator = Item(1);
    EXPECT_EQ(std::string(separator->path), dir.Path() + "\\");
    EXPECT_STREQ(separator->name, "");
    EXPECT_EQ(separator->accelerator, 0);
    EXPECT_EQ(separator->lastWriteTime.lowDateTime | separator->lastWriteTime.highDateTime, 0u);
    EXPECT_EQ(gItems.head->headSlot, &gItems.head);
    for (const PanelItem* p = gItems.head; p; p = p->next) {
        EXPECT_EQ(p->depth, 0u);
        EXPECT_EQ(p->parent, nullptr);
    }
}

TEST_F(ItemModelTest, SortingDropsSeparatorsAndSorts) {
    for (const char* n : {"a.lnk", "b.lnk", "c.lnk", "d.lnk"}) Link(n);
    dir.Write("shortcut.ini", "b.lnk\r\n/separator/\r\na.lnk\r\n");
    Options({kOptSort, kOptSortByName});
    ASSERT_TRUE(ScanTop());
    EXPECT_EQ(TopNames(), (V{"a.lnk", "b.lnk", "c.lnk", "d.lnk"}));
    EXPECT_EQ(gItems.head->headSlot, &gItems.head);
    Options({kOptSort});  // sorting on without a key: separators still go, order stays
    ASSERT_TRUE(ScanTop());
    const V names = TopNames();
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(V(names.begin(), names.begin() + 2), (V{"b.lnk", "a.lnk"}));
}

TEST_F(ItemModelTest, LineEndsEmptyLinesAndTheLastLineReadTheSame) {
    for (const char* n : {"x.lnk", "y.lnk", "z.lnk"}) Link(n);
    for (const char* text : {"z.lnk\r\ny.lnk\r\nx.lnk\r\n", "z.lnk\ny.lnk\nx.lnk\n", "z.lnk\r\n\r\ny.lnk\n\nx.lnk",
                             "z.lnk\ny.lnk\r\nx.lnk"}) {
        dir.Write("shortcut.ini", text);
        ASSERT_TRUE(ScanTop());
        EXPECT_EQ(TopNames(), (V{"z.lnk", "y.lnk", "x.lnk"})) << text;
    }
}

TEST_F(ItemModelTest, AnUpperCaseLineTakesTheFileOnce) {
    Link("b.lnk");
    Link("a.lnk");
    dir.Write("shortcut.ini", "B.LNK\r\n");
    ASSERT_TRUE(ScanTop());
    EXPECT_EQ(TopNames(), (V{"B.LNK", "a.lnk"}));
    EXPECT_STREQ(gItems.head->name, "b");  // the shell's display name drops the extension
}

TEST_F(ItemModelTest, MissingWildcardAndOverlongLinesAreSkippedAndTwiceGivesTwo) {
    Link("a.lnk");
    Link("b.lnk");
    const std::string longLine(300, 'q');
    dir.Write("shortcut.ini", "gone.lnk\r\n*.lnk\r\na?lnk\r\n" + longLine + "\r\nb.lnk\r\nb.lnk\r\n");
    ASSERT_TRUE(ScanTop());
    EXPECT_EQ(TopNames(), (V{"b.lnk", "b.lnk", "a.lnk"}));
}

TEST_F(ItemModelTest, HiddenFilesOnlyWhenNamed) {
    Link("named.lnk");
    Link("unnamed.lnk");
    Link("plain.lnk");
    SetFileAttributesA(dir.File("named.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(dir.File("unnamed.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN);
    dir.Write("shortcut.ini", "named.lnk\r\n");
    SetFileAttributesA(dir.File("shortcut.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(ScanTop());
    EXPECT_EQ(TopNames(), (V{"named.lnk", "plain.lnk"}));
}

TEST_F(ItemModelTest, UrlAlwaysTextOnlyWithAllFiles) {
    MakeUrl(dir.File("site.url"), "http://example.invalid/");
    MakeUrl(dir.File("UPPER.URL"), "http://example.invalid/");
    dir.Write("notes.txt", "text");
    dir.Write("named.txt", "text");
    dir.Write("shortcut.ini", "named.txt\r\n");
    ASSERT_TRUE(ScanTop());
    EXPECT_EQ(TopNames()[0], "named.txt");  // the filter applies to the listing only
    EXPECT_EQ(Sorted(TopNames()), (V{"UPPER.URL", "named.txt", "site.url"}));
    Options({kOptAllFiles});
    ASSERT_TRUE(ScanTop());
    EXPECT_EQ(Sorted(TopNames()), (V{"UPPER.URL", "named.txt", "notes.txt", "shortcut.ini", "site.url"}));
}

TEST_F(ItemModelTest, MissingOrEmptyFolderGivesNothing) {
    PanelItem* head = nullptr;
    EXPECT_FALSE(ScanFolder(&head, nullptr, ""));
    EXPECT_FALSE(ScanFolder(&head, nullptr, (dir.Path() + "\\nowhere").c_str()));
    EXPECT_EQ(head, nullptr);
    EXPECT_TRUE(ScanFolder(&head, nullptr, dir.Path().c_str()));  // exists but empty
    EXPECT_EQ(head, nullptr);
    dir.Write("shortcut.ini", "");
    EXPECT_TRUE(ScanFolder(&head, nullptr, dir.Path().c_str()));
    EXPECT_EQ(head, nullptr);
}

TEST_F(ItemModelTest, NamesIconsTimesAndAccelerators) {
    Link("&Tools.lnk");
    MakeUrl(dir.File("web.url"), "http://example.invalid/");
    SetWriteTime(dir.File("web.url"), 0x01D0000012345678ull);
    dir.Write("shortcut.ini", "&Tools.lnk\r\nweb.url\r\n");
    const int before = ImageList_GetImageCount(gItems.panelImages.Get());
    ASSERT_TRUE(ScanTop());
    ASSERT_EQ(ItemCount(gItems.head), 2);
    const PanelItem* tools = Item(0);
    const PanelItem* web = Item(1);
    EXPECT_STREQ(tools->name, "&Tools");
    EXPECT_EQ(tools->accelerator, 'T');
    EXPECT_EQ(std::string(tools->path), dir.File("&Tools.lnk"));
    EXPECT_STREQ(web->name, "web");
    EXPECT_EQ(web->accelerator, 0);
    EXPECT_EQ(web->lastWriteTime.highDateTime, 0x01D00000u);
    EXPECT_EQ(web->lastWriteTime.lowDateTime, 0x12345678u);
    // Icons are appended to the panel image list in scan order, once per system icon.
    EXPECT_GE(tools->systemIconIndex, 0);
    EXPECT_GE(web->systemIconIndex, 0);
    EXPECT_EQ(tools->iconIndex, before);
    const bool shared = tools->systemIconIndex == web->systemIconIndex;
    EXPECT_EQ(web->iconIndex, shared ? before : before + 1);
    EXPECT_EQ(ImageList_GetImageCount(gItems.panelImages.Get()), before + (shared ? 1 : 2));
    EXPECT_EQ(tools->openIconIndex, 0);  // files have no open-state icon
    ClearItems();
    EXPECT_EQ(gItems.head, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(gItems.panelImages.Get()), 0);
}

TEST_F(ItemModelTest, ItemsWithTheSameSystemIconShareOneImage) {
    for (const char* n : {"a.lnk", "b.lnk", "c.lnk"}) Link(n);
    MakeUrl(dir.File("d.url"), "http://example.invalid/");
    ASSERT_TRUE(ScanTop());
    std::vector<int> systemIcons;
    for (const PanelItem* p = gItems.head; p; p = p->next) {
        for (const PanelItem* q = gItems.head; q != p; q = q->next)
            EXPECT_EQ(p->systemIconIndex == q->systemIconIndex, p->iconIndex == q->iconIndex) << p->name << q->name;
        if (std::find(systemIcons.begin(), systemIcons.end(), p->systemIconIndex) == systemIcons.end())
            systemIcons.push_back(p->systemIconIndex);
    }
    EXPECT_EQ(ImageList_GetImageCount(gItems.panelImages.Get()), static_cast<int>(systemIcons.size()));
    // After the list is cleared the images are copied afresh.
    ASSERT_TRUE(ScanTop());
    EXPECT_EQ(ImageList_GetImageCount(gItems.panelImages.Get()), static_cast<int>(systemIcons.size()));
    EXPECT_EQ(gItems.head->iconIndex, 0);
}

TEST_F(ItemModelTest, LargeIconsAboveTwentyFour) {
    Link("a.lnk");
    ASSERT_TRUE(CreatePanelImageList(32));
    ASSERT_TRUE(ScanTop());
    int cx = 0, cy = 0;
    ImageList_GetIconSize(gItems.panelImages.Get(), &cx, &cy);
    EXPECT_EQ(cx, 32);
    EXPECT_EQ(Item(0)->iconIndex, 0);
    EXPECT_EQ(ImageList_GetImageCount(gItems.panelImages.Get()), 1);
}

TEST_F(ItemModelTest, FindByFileNameAndIndexOfFileNameIgnoreCase) {
    Link("Alpha.lnk");
    Link("beta.lnk");
    dir.Write("shortcut.ini", "/separator/\r\nAlpha.lnk\r\nbeta.lnk\r\n");
    ASSERT_TRUE(ScanTop());
    EXPECT_EQ(FindByFileName(gItems.head, "ALPHA.LNK"), Item(1));
    EXPECT_EQ(FindByFileName(gItems.head, "Beta.Lnk"), Item(2));
    EXPECT_EQ(FindByFileName(gItems.head, "gamma.lnk"), nullptr);
    EXPECT_EQ(FindByFileName(gItems.head, ""), nullptr);  // the separator's empty name does not count
    EXPECT_EQ(IndexOfFileName(gItems.head, "alpha.lnk"), 1);
    EXPECT_EQ(IndexOfFileName(gItems.head, "BETA.LNK"), 2);
    EXPECT_EQ(IndexOfFileName(gItems.head, ""), -1);
    EXPECT_EQ(IndexOfFileName(gItems.head, "gamma.lnk"), -1);
    EXPECT_EQ(IndexOfFileName(nullptr, "alpha.lnk"), -1);
}

TEST_F(ItemModelTest, JapaneseNamesAreMatchedWithoutFoldingTheirBytes) {
    // "ア" (0x83 0x41): its trail byte is an upper-case A to a byte-wise lower-casing.
    const std::string name = "\x83\x41.lnk";
    Link(name);
    Link("\x83\x61.lnk");  // "ャ"
    dir.Write("shortcut.ini", name + "\r\n");
    ASSERT_TRUE(ScanTop());
    ASSERT_EQ(ItemCount(gItems.head), 2);
    EXPECT_EQ(TopNames()[0], name);
    EXPECT_EQ(TopNames()[1], "\x83\x61.lnk");
    EXPECT_STREQ(gItems.head->name, "\x83\x41");
}

TEST_F(ItemModelTest, OrderLinesReachingOutsideTheFolderAreSkipped) {
    const std::string folder = dir.MakeFolder("shortcuts");
    dir.MakeFolder("shortcuts\\sub");
    Link("outside.lnk");
    LinkIn(folder, "a.lnk");
    LinkIn(folder + "\\sub", "deep.lnk");
    dir.Write("shortcuts\\shortcut.ini", "..\\outside.lnk\r\n.\r\n..\r\nsub\\deep.lnk\r\nsub/deep.lnk\r\n" + folder +
                                             "\\a.lnk\r\n/separator/\r\na.lnk\r\n");
    ASSERT_TRUE(ScanFolder(&gItems.head, nullptr, folder.c_str()));
    EXPECT_EQ(TopNames(), (V{"--", "a.lnk", "sub"}));
}

// Notepad saves UTF-8 today; the names are matched as the user typed them.
TEST_F(ItemModelTest, OrderFilesSavedAsUtf8OrUtf16ReadAsMeant) {
    const std::string memo = "\x83\x81\x83\x82.lnk";  // "メモ.lnk" in the code page
    for (const std::string& n : {memo, std::string("b.lnk"), std::string("c.lnk")}) Link(n);
    const std::string utf8 = "\xE3\x83\xA1\xE3\x83\xA2.lnk\r\n/separator/\r\nb.lnk\r\n";
    std::string utf16 = "\xFF\xFE";
    for (wchar_t c : std::wstring(L"\x30E1\x30E2.lnk\r\n/separator/\r\nb.lnk\r\n")) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    for (const std::string& text : {utf8, "\xEF\xBB\xBF" + utf8, utf16}) {
        dir.Write("shortcut.ini", text);
        ASSERT_TRUE(ScanTop());
        EXPECT_EQ(TopNames(), (V{memo, "--", "b.lnk", "c.lnk"})) << text;
    }
}

// A full path longer than 259 characters cannot be kept, nor started, as it
// is: the file keeps its place under its short name, or is left out.
TEST_F(ItemModelTest, ANameTooLongForAPathKeepsItsPlaceUnderItsShortName) {
    Link("b.lnk");
    const std::string longName = std::string(246, 'n') + ".lnk";
    ASSERT_GT(dir.Path().size() + 1 + longName.size(), 259u);
    std::wstring wide(MAX_PATH, L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, dir.Path().c_str(), -1, &wide[0], MAX_PATH) - 1));
    const std::wstring longPath = L"\\\\?\\" + wide + L"\\" + std::wstring(longName.begin(), longName.end());
    ASSERT_TRUE(CopyFileW((wide + L"\\b.lnk").c_str(), longPath.c_str(), FALSE));
    dir.Write("shortcut.ini", longName + "\r\nb.lnk\r\n");
    ASSERT_TRUE(ScanTop());
    wchar_t shortPath[1024] = L"";
    GetShortPathNameW(longPath.c_str(), shortPath, 1024);
    const bool volumeHasShortNames = shortPath[0] && std::wcscmp(shortPath, longPath.c_str()) != 0;
    if (volumeHasShortNames) {
        ASSERT_EQ(ItemCount(gItems.head), 2);
        EXPECT_EQ(TopNames()[1], "b.lnk");
        EXPECT_STREQ(gItems.head->name, std::string(246, 'n').c_str()) << "the shell's name is the long one";
    } else {
        EXPECT_EQ(TopNames(), V{"b.lnk"});
    }
    for (const PanelItem* p = gItems.head; p; p = p->next)
        EXPECT_NE(GetFileAttributesA(p->path), INVALID_FILE_ATTRIBUTES) << p->path;
    DeleteFileW(longPath.c_str());
}

// A name the ANSI code page cannot hold is listed under its short name, so the
// item's path opens the file.
TEST_F(ItemModelTest, UnrepresentableNamesUseTheShortName) {
    const std::wstring folder = [&] {
        wchar_t w[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, dir.Path().c_str(), -1, w, MAX_PATH);
        return std::wstring(w);
    }();
    const std::wstring longName = folder + L"\\caf\x00e9 \x0100\x0101 menu.lnk";
    Link("plain.lnk");
    ASSERT_TRUE(CopyFileW((folder + L"\\plain.lnk").c_str(), longName.c_str(), FALSE));
    ASSERT_TRUE(ScanTop());
    const int count = ItemCount(gItems.head);
    wchar_t shortName[MAX_PATH] = L"";
    GetShortPathNameW(longName.c_str(), shortName, MAX_PATH);
    const bool volumeHasShortNames = std::wstring(shortName) != longName && shortName[0];
    ASSERT_EQ(count, volumeHasShortNames ? 2 : 1);
    if (volumeHasShortNames) {
        char ansiShort[MAX_PATH];
        WideCharToMultiByte(CP_ACP, 0, shortName, -1, ansiShort, MAX_PATH, nullptr, nullptr);
        EXPECT_NE(FindByFileName(gItems.head, std::strrchr(ansiShort, '\\') + 1), nullptr) << ansiShort;
    }
    for (const PanelItem* p = gItems.head; p; p = p->next) {
        EXPECT_EQ(std::string(p->path).find('?'), std::string::npos) << p->path;
        EXPECT_NE(GetFileAttributesA(p->path), INVALID_FILE_ATTRIBUTES) << p->path;
    }
    DeleteFileW(longName.c_str());
}

}  // namespace

namespace {

// The pixels of one image list entry drawn transparently on a plain background.
std::vector<uint32_t> Drawn(HIMAGELIST list, int index, int size, uint32_t background) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::vector<uint32_t> pixels(static_cast<size_t>(size * size), background);
    std::memcpy(bits, pixels.data(), pixels.size() * 4);
    ImageList_Draw(list, index, dc, 0, 0, ILD_TRANSPARENT);
    GdiFlush();
    std::memcpy(pixels.data(), bits, pixels.size() * 4);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

TEST_F(ItemModelTest, PanelIconsLookLikeTheSystemIcons) {
    // Shortcuts showing several icons of shell32.dll, some with soft edges.
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(MakeShellLink(dir.File(std::to_string(i) + ".lnk"), target, "shell32.dll", i * 3));
    ASSERT_TRUE(ScanTop());
    ASSERT_EQ(ItemCount(gItems.head), 12);
    int distinct = 0;
    for (const PanelItem* p = gItems.head; p; p = p->next) {
        ASSERT_GE(p->iconIndex, 0);
        if (p->iconIndex == distinct) ++distinct;
        for (uint32_t background : {0xFFFFFFu, 0x000000u, 0x3366CCu})
            EXPECT_EQ(Drawn(gItems.panelImages.Get(), p->iconIndex, 16, background),
                      Drawn(gItems.systemSmallImages, p->systemIconIndex, 16, background))
                << p->path << " on " << background;
    }
    EXPECT_GT(distinct, 1);
}

}  // namespace
