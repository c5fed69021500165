#include "items/core/order_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "items/core/image_list_colors.h"
#include "items/core/item_list.h"
#include "base/core/text.h"

namespace {

using V = std::vector<std::string>;

V Entries(const char* text, size_t size = 260) {
    V out;
    OrderFileReader reader(text);
    std::vector<char> line(size);
    bool tooLong;
    while (reader.Next(line.data(), line.size(), &tooLong)) out.push_back(tooLong ? "<too long>" : line.data());
    return out;
}

V GetLines(const char* text) {
    V out;
    char line[260];
    for (int i = 0; GetLine(text, i, line, sizeof line); ++i) out.push_back(line);
    return out;
}

TEST(OrderFileReader, LineEndsEmptyLinesAndTheLastLine) {
    EXPECT_EQ(Entries("b.lnk\r\n/separator/\r\na.lnk\r\n"), (V{"b.lnk", "/separator/", "a.lnk"}));
    EXPECT_EQ(Entries("b.lnk\n/separator/\na.lnk\n"), (V{"b.lnk", "/separator/", "a.lnk"}));
    EXPECT_EQ(Entries("a.lnk\r\n\r\nb.lnk"), (V{"a.lnk", "", "b.lnk"}));
    EXPECT_EQ(Entries(" spaced .lnk \n"), (V{" spaced .lnk "}));  // verbatim, no trimming
    EXPECT_EQ(Entries(""), V{});
    EXPECT_EQ(Entries(nullptr), V{});
    EXPECT_EQ(Entries("\n\n"), (V{"", ""}));
    EXPECT_EQ(Entries("a\n\r"), (V{"a"}));  // a tail of carriage returns is no line
}

TEST(OrderFileReader, YieldsWhatGetLineYields) {
    const char* texts[] = {"a\r\nb",   "a\n\nb\n", "x\ry\n",        "", "\n", "\r", "\r\n\r", "a\rb\r\n\r\nc\r",
                           "\n\r\n\n", "one",      "a\n\n\n\nb\n\n"};
    for (const char* text : texts) EXPECT_EQ(Entries(text), GetLines(text)) << "text: " << text;
}

TEST(OrderFileReader, ALineTooLongForTheBufferIsFlaggedNotCut) {
    const std::string longName(300, 'n');
    const std::string text = "a.lnk\n" + longName + "\nb.lnk\n";
    EXPECT_EQ(Entries(text.c_str()), (V{"a.lnk", "<too long>", "b.lnk"}));
    EXPECT_EQ(Entries("abcd\nabc\n", 4), (V{"<too long>", "abc"}));
}

TEST(IsSeparatorLine, ExactMatchOnly) {
    EXPECT_TRUE(IsSeparatorLine("/separator/"));
    EXPECT_FALSE(IsSeparatorLine("/Separator/"));
    EXPECT_FALSE(IsSeparatorLine("/separator/ "));
    EXPECT_FALSE(IsSeparatorLine(""));
    EXPECT_FALSE(IsSeparatorLine(nullptr));
}

TEST(IsFolderEntryName, OnlyNamesInsideTheFolder) {
    EXPECT_TRUE(IsFolderEntryName("a.lnk"));
    EXPECT_TRUE(IsFolderEntryName(".hidden.lnk"));
    EXPECT_TRUE(IsFolderEntryName("\x95\x5C.lnk"));  // "表": its trail byte is a backslash
    for (const char* outside : {"", ".", "..", "...", ". .", ".. ", "..\\..\\windows\\system32\\cmd.exe", "sub\\a.lnk",
                                "C:\\a.lnk", "/a.lnk", "sub/a.lnk", "\x95\x5C\\a.lnk"})
        EXPECT_FALSE(IsFolderEntryName(outside)) << outside;
    EXPECT_FALSE(IsFolderEntryName(nullptr));
}

TEST(JoinPath, FitsOrRefuses) {
    char out[16];
    EXPECT_TRUE(JoinPath("C:\\f", "a.lnk", out, sizeof out));
    EXPECT_STREQ(out, "C:\\f\\a.lnk");
    EXPECT_TRUE(JoinPath("C:\\f", "", out, sizeof out));
    EXPECT_STREQ(out, "C:\\f\\");
    EXPECT_TRUE(JoinPath("C:\\folder1", "abcd", out, sizeof out));  // 15 characters exactly
    EXPECT_FALSE(JoinPath("C:\\folder1", "abcde", out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(JoinPath("a", "b", nullptr, 4));
}

TEST(FormatOrderFile, OneLineEndedByCrLfPerItemWithSeparatorsMarked) {
    PanelItem* head = nullptr;
    for (const char* path : {"C:\\f\\", "C:\\f\\b.lnk", "C:\\f\\Docs", "C:\\f\\a b.url"}) {
        PanelItem item{};
        std::strcpy(item.path, path);
        item.flags = path[5] ? 0 : kItemSeparator;
        AppendItem(&head, item);
    }
    const auto lastComponent = [](const char* path, char* out, size_t size) {
        CopyText(out, size, std::strrchr(path, '\\') + 1);
    };
    std::string text = "old";
    ASSERT_TRUE(FormatOrderFile(head, lastComponent, &text));
    EXPECT_EQ(text, "/separator/\r\nb.lnk\r\nDocs\r\na b.url\r\n");
    ASSERT_TRUE(FormatOrderFile(nullptr, lastComponent, &text));
    EXPECT_EQ(text, "");
    FreeItemList(&head);
}

TEST(ImageListColorFlags, ByDesktopDepthWithTheMask) {
    EXPECT_EQ(ImageListColorFlags(4, false), 0x05u);
    EXPECT_EQ(ImageListColorFlags(8, true), 0x09u);
    EXPECT_EQ(ImageListColorFlags(16, false), 0x11u);
    EXPECT_EQ(ImageListColorFlags(24, false), 0x19u);
    EXPECT_EQ(ImageListColorFlags(24, true), 0x21u);
    EXPECT_EQ(ImageListColorFlags(32, false), 0x21u);
    EXPECT_EQ(ImageListColorFlags(15, true), 0x01u);
    EXPECT_EQ(ImageListColorFlags(0, false), 0x01u);
}

}  // namespace
