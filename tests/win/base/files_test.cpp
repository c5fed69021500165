// File and path routines against real files and windows.
#include "base/files.h"
#include "base/window_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/handles.h"
#include "temp_folder.h"

namespace {

std::string Dir(const char* path) {
    char out[MAX_PATH];
    DirectoryOf(path, out, sizeof out);
    return out;
}
std::string Name(const char* path) {
    char out[MAX_PATH];
    FileNameOf(path, out, sizeof out);
    return out;
}

TEST(Paths, DirectoryAndFileName) {
    EXPECT_EQ(Dir("C:\\tools\\a.lnk"), "C:\\tools");
    EXPECT_EQ(Dir("C:\\tools\\"), "C:\\tools");
    EXPECT_EQ(Dir("C:\\tools\\sub\\..\\b.url"), "C:\\tools");
    EXPECT_EQ(Name("C:\\tools\\a.lnk"), "a.lnk");
    // A path the system cannot complete gives an empty result, not garbage.
    const std::string tooLong = "C:\\" + std::string(400, 'x');
    EXPECT_EQ(Dir(tooLong.c_str()), "");
    EXPECT_EQ(Name(tooLong.c_str()), "");
    char small[6];
    DirectoryOf("C:\\tools\\a.lnk", small, sizeof small);
    EXPECT_STREQ(small, "C:\\to");
}

TEST(Files, ReadWholeFileIsTerminatedAndSized) {
    TempFolder folder;
    folder.Write("a.txt", std::string("ab\0c", 4));
    DWORD size = 0;
    OwnedText text(ReadWholeFile(folder.File("a.txt").c_str(), &size));
    ASSERT_TRUE(text);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(std::string(text.Get(), 5), std::string("ab\0c\0", 5));

    folder.Write("empty.txt", "");
    OwnedText empty(ReadWholeFile(folder.File("empty.txt").c_str(), &size));
    ASSERT_TRUE(empty);
    EXPECT_EQ(size, 1u);
    EXPECT_STREQ(empty.Get(), "");

    EXPECT_EQ(ReadWholeFile(folder.File("missing.txt").c_str(), &size), nullptr);
    EXPECT_EQ(ReadWholeFile(folder.Path().c_str(), nullptr), nullptr);  // a folder is not a file
}

TEST(Files, ExistenceDirectoriesAndTimes) {
    TempFolder folder;
    folder.Write("a.lnk", "x");
    folder.MakeFolder("sub");
    EXPECT_TRUE(PathExists(folder.File("a.lnk").c_str()));
    EXPECT_TRUE(PathExists(folder.File("*.lnk").c_str()));  // wildcards match
    EXPECT_FALSE(PathExists(folder.File("b.lnk").c_str()));
    EXPECT_TRUE(IsDirectory(folder.File("sub").c_str()));
    EXPECT_FALSE(IsDirectory(folder.File("a.lnk").c_str()));
    EXPECT_FALSE(IsDirectory(folder.File("none").c_str()));

    FILETIME created{}, written{};
    ASSERT_TRUE(GetFileTimes(folder.File("a.lnk").c_str(), &created, &written));
    EXPECT_NE(written.dwHighDateTime | written.dwLowDateTime, 0u);
    EXPECT_FALSE(GetFileTimes(folder.File("sub").c_str(), &created, &written));
    EXPECT_FALSE(GetFileTimes(folder.File("none").c_str(), &created, &written));
}

// A disk that fills up once the first chunk is on it.
int gWrites = 0;
BOOL WINAPI FailAfterFirstChunk(HANDLE file, LPCVOID bytes, DWORD size, LPDWORD done, LPOVERLAPPED overlapped) {
    if (gWrites++ == 0) return WriteFile(file, bytes, size, done, overlapped);
    WriteFile(file, bytes, size / 2, done, overlapped);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> out;
    WIN32_FIND_DATAA found;
    OwnedFind find(FindFirstFileA((folder + "\\*").c_str(), &found));
    if (find) do {
            if (found.cFileName[0] != '.') out.push_back(found.cFileName);
        } while (FindNextFileA(find.Get(), &found));
    return out;
}

TEST(Files, ReplaceFileContentsIsAllOrNothing) {
    TempFolder folder;
    const std::string path = folder.File("shortcut.ini");
    folder.Write("shortcut.ini", "old.lnk\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const DWORD oldAttributes = GetFileAttributesA(path.c_str());
    const std::string big(300000, 'n');  // several chunks

    gWrites = 0;
    EXPECT_FALSE(ReplaceFileContents(path.c_str(), big.data(), big.size(), FILE_ATTRIBUTE_HIDDEN, FailAfterFirstChunk));
    EXPECT_EQ(gWrites, 2);
    EXPECT_EQ(folder.Read("shortcut.ini"), "old.lnk\r\n");
    EXPECT_EQ(GetFileAttributesA(path.c_str()), oldAttributes);
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"shortcut.ini"});  // no temporary file left

    ASSERT_TRUE(ReplaceFileContents(path.c_str(), big.data(), big.size(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(folder.Read("shortcut.ini"), big);
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(ReplaceFileContents(path.c_str(), "", 0, FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(folder.Read("shortcut.ini"), "");
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"shortcut.ini"});

    // A folder that cannot be written in keeps nothing new.
    EXPECT_FALSE(ReplaceFileContents(folder.File("missing\\shortcut.ini").c_str(), "x", 1, 0));
}

TEST(Windows, CenterWindowOnTheWorkAreaAndOverAWindow) {
    HWND w =
        CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "c", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CenterWindow(nullptr, w);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, work.left + (work.right - work.left - 200) / 2);
    EXPECT_EQ(r.top, work.top + (work.bottom - work.top - 100) / 2);
    EXPECT_EQ(r.right - r.left, 200);

    HWND over = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "o", WS_POPUP, -300, 100, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(over, nullptr);
    CenterWindow(over, w);
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 0);  // would be -250: raised to 0
    EXPECT_EQ(r.top, 150);
    DestroyWindow(over);
    DestroyWindow(w);
}

}  // namespace
