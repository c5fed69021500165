// The blocked-applications editor run modally from its real resource over a
// real "forbiden.ini", driven from a second thread as a user would: buttons,
// the open-file dialog, the close box and the message boxes.
#include "activation/blocked_apps_dialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "activation/blocked_apps.h"
#include "base/handles.h"
#include "resources/resource.h"
#include "support/temp_folder.h"
#include "support/window_waits.h"

namespace {

constexpr char kTitle[] = "禁止アプリケーションの設定";
constexpr char kOpenTitle[] = "プログラムファイルを指定してください";

int RowCount(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_BLOCKED_LIST, LVM_GETITEMCOUNT, 0, 0));
}

std::string RowText(HWND dialog, int row) {
    char text[MAX_PATH] = "";
    LVITEMA item{};
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendDlgItemMessageA(dialog, IDC_BLOCKED_LIST, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<std::string> Rows(HWND dialog) {
    std::vector<std::string> rows;
    for (int i = 0; i < RowCount(dialog); ++i) rows.push_back(RowText(dialog, i));
    return rows;
}

void SelectRow(HWND dialog, int row) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(dialog, IDC_BLOCKED_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
}

void WaitGone(HWND window) {
    for (int i = 0; i < 250 && IsWindow(window); ++i) Sleep(20);
}

bool DeleteEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDC_BLOCKED_DELETE)) != FALSE; }

// "追加(&A)..." and a file name typed into the open-file dialog.
void AddThroughOpenDialog(HWND dialog, const std::wstring& path) {
    PostMessageA(dialog, WM_COMMAND, IDC_BLOCKED_ADD, 0);
    HWND open = WaitForWindow("#32770", kOpenTitle);
    ASSERT_TRUE(open);
    SetDlgItemTextW(open, 0x47C, path.c_str());  // the file name box
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    WaitGone(open);
    ASSERT_FALSE(IsWindow(open));
}

std::wstring Wide(const std::string& s) {
    std::wstring out(s.size(), L'\0');
    out.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), &out[0], static_cast<int>(out.size()))));
    return out;
}

// Holds a file open the way another program may: no sharing at all.
OwnedFile HoldWithoutSharing(const std::string& path) {
    return OwnedFile(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

class BlockedAppsDialogTest : public testing::Test {
protected:
    void SetUp() override {
        owner_.Reset(CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 200, 150, 400, 300, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr));
    }
    // Runs the dialog while drive works it from a second thread; whatever the
    // steps did, the dialog is closed with its close box at the end.
    INT_PTR Run(const std::function<void(HWND)>& drive) {
        bool driven = false;
        std::thread driver([&] {
            HWND dialog = WaitForWindow("#32770", kTitle);
            if (!dialog) return;
            driven = true;
            drive(dialog);
            if (IsWindow(dialog)) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        const INT_PTR result = RunBlockedAppsDialog(owner_.Get(), folder_.Path().c_str());
        driver.join();
        EXPECT_TRUE(driven);
        return result;
    }
    std::string File() const { return folder_.Read(kBlockedFileName); }
    int FilesInFolder() const {
        WIN32_FIND_DATAA data;
        OwnedFind find(FindFirstFileA(folder_.File("*").c_str(), &data));
        int n = 0;
        if (find) do {
                n += !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
            } while (FindNextFileA(find.Get(), &data));
        return n;
    }

    TempFolder folder_;
    OwnedWindow owner_;
};

// NUL bytes, a line of 100,000 characters, 10,000 lines, bare line feeds and
// no final line end: every line is listed, and saving writes them all back
// whole, each ended by CR LF.
TEST_F(BlockedAppsDialogTest, AnUnusualFileOpensAndSavesWhole) {
    const std::string longLine(100000, 'x');
    std::string lines;
    for (int i = 0; i < 10000; ++i) lines += "C:\\Programs\\p" + std::to_string(i) + ".exe\r\n";
    folder_.Write(kBlockedFileName, std::string("a\0b\r\n", 5) + longLine + "\n" + lines + "C:\\last.exe");

    int count = 0;
    std::vector<std::string> rows;
    EXPECT_EQ(Run([&](HWND dialog) {
                  count = RowCount(dialog);
                  for (int row : {0, 1, 2, 10002}) rows.push_back(RowText(dialog, row));
              }),
              1);
    EXPECT_EQ(count, 10003);
    EXPECT_EQ(rows[0], "a");
    EXPECT_EQ(rows[1], longLine.substr(0, rows[1].size()));
    EXPECT_EQ(rows[2], "C:\\Programs\\p0.exe");
    EXPECT_EQ(rows[3], "C:\\last.exe");
    EXPECT_EQ(File(), std::string("a\0b\r\n", 5) + longLine + "\r\n" + lines + "C:\\last.exe\r\n");
    EXPECT_EQ(FilesInFolder(), 1);  // no temporary file left behind
}

// Adding the same program twice keeps both; "削除(&D)" follows the
// selection; Esc does nothing; the close box saves.
TEST_F(BlockedAppsDialogTest, AddDeleteEscapeAndCloseBox) {
    char own[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, own, sizeof own);
    std::vector<std::string> added;
    bool enabledAtStart = true, enabledWhenSelected = false, enabledAfterDelete = true, openAfterEscape = false;
    EXPECT_EQ(Run([&](HWND dialog) {
                  enabledAtStart = DeleteEnabled(dialog);
                  AddThroughOpenDialog(dialog, Wide(own));
                  AddThroughOpenDialog(dialog, Wide(own));
                  added = Rows(dialog);
                  SelectRow(dialog, 0);
                  enabledWhenSelected = DeleteEnabled(dialog);
                  SendMessageA(dialog, WM_COMMAND, IDC_BLOCKED_DELETE, 0);
                  enabledAfterDelete = DeleteEnabled(dialog);
                  SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                  openAfterEscape = IsWindowVisible(dialog) != FALSE;
              }),
              1);
    EXPECT_FALSE(enabledAtStart);
    EXPECT_EQ(added, (std::vector<std::string>{own, own}));
    EXPECT_TRUE(enabledWhenSelected);
    EXPECT_FALSE(enabledAfterDelete);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(File(), std::string(own) + "\r\n");
}

// A name the code page cannot hold, of a file without a short name (it does
// not exist): refused with a message, never stored with "?" in it.
TEST_F(BlockedAppsDialogTest, ANameThatCannotBeStoredIsRefused) {
    std::string refusal;
    int rows = -1;
    Run([&](HWND dialog) {
        std::thread answer([&] { refusal = AnswerMessageBox(IDOK); });
        AddThroughOpenDialog(dialog, Wide(folder_.Path()) + L"\\\xD55C\xAE00 gone.exe");
        answer.join();
        rows = RowCount(dialog);
    });
    EXPECT_EQ(rows, 0);
    EXPECT_NE(refusal.find("追加できません"), std::string::npos) << refusal;
    EXPECT_EQ(File(), "");
}

// Another program holds the list without sharing: closing says so, and
// trying again once the file is free saves.
TEST_F(BlockedAppsDialogTest, ASaveCanBeTriedAgain) {
    folder_.Write(kBlockedFileName, "C:\\old.exe\r\nC:\\other.exe\r\n");
    std::string message;
    Run([&](HWND dialog) {
        SelectRow(dialog, 1);
        SendMessageA(dialog, WM_COMMAND, IDC_BLOCKED_DELETE, 0);
        OwnedFile held = HoldWithoutSharing(folder_.File(kBlockedFileName));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        message = AnswerMessageBox(IDRETRY);
        WaitForWindow("#32770", "Tovel panel");  // still held: asked again
        held.Reset();
        AnswerMessageBox(IDRETRY);
        WaitGone(dialog);
    });
    EXPECT_NE(message.find("保存できませんでした"), std::string::npos) << message;
    EXPECT_EQ(File(), "C:\\old.exe\r\n");
    EXPECT_EQ(FilesInFolder(), 1);  // no temporary file left behind
}

// A list that cannot be read is not opened for editing, so that closing
// cannot save an empty list over it.
TEST_F(BlockedAppsDialogTest, AnUnreadableListIsNotEdited) {
    folder_.Write(kBlockedFileName, "C:\\kept.exe\r\n");
    OwnedFile held = HoldWithoutSharing(folder_.File(kBlockedFileName));
    std::string message;
    std::thread answer([&] { message = AnswerMessageBox(IDOK); });
    EXPECT_EQ(RunBlockedAppsDialog(owner_.Get(), folder_.Path().c_str()), 1);
    answer.join();
    EXPECT_NE(message.find("読み込めませんでした"), std::string::npos) << message;
    held.Reset();
    EXPECT_EQ(File(), "C:\\kept.exe\r\n");
}

}  // namespace
