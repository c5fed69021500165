// The reorder dialog run modally from its real resource over a real shortcut
// folder, driven through its messages from a timer inside its own loop, and
// the order files it leaves behind, byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/core/text.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/program_windows.h"
#include "item_fixture.h"
#include "items/reorder_dialog.h"
#include "recycle_bin.h"
#include "resources/resource.h"

namespace {

using V = std::vector<std::string>;

constexpr char kTitle[] = "アイテムの並べ替え";

std::function<void(HWND)> gDrive;
bool gDriven = false;
// The shell's delete confirmation: how it is answered, and how often it came.
int gAnswer = IDYES;
int gConfirmations = 0;

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA("#32770", kTitle);
    if (!dialog || !IsWindowVisible(dialog)) return;  // not up yet
    KillTimer(nullptr, timer);
    gDriven = true;
    gDrive(dialog);
    if (IsWindow(dialog)) PostMessageA(dialog, WM_CLOSE, 0, 0);
}

BOOL CALLBACK AnswerConfirmation(HWND window, LPARAM) {
    HWND owner = GetWindow(window, GW_OWNER);
    char title[64] = "";
    if (owner) GetWindowTextA(owner, title, sizeof title);
    if (IsWindowVisible(window) && std::string(title) == kTitle) {
        ++gConfirmations;
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(gAnswer), 0);
    }
    return TRUE;
}

// Runs inside the shell's own dialog loop while it asks.
void CALLBACK WatchConfirmations(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerConfirmation, 0);
}

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_REORDER_LIST); }

V Entries(HWND dialog) {
    V out;
    const int n = static_cast<int>(SendMessageA(List(dialog), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        const auto* item = reinterpret_cast<const PanelItem*>(SendMessageA(List(dialog), LB_GETITEMDATA, i, 0));
        out.push_back(IsSeparator(item) ? "--" : item->name);
    }
    return out;
}

// As the list box reports a user's choice.
void Notify(HWND dialog, int index, WORD code) {
    SendMessageA(List(dialog), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_REORDER_LIST, code), reinterpret_cast<LPARAM>(List(dialog)));
}
void Select(HWND dialog, int index) { Notify(dialog, index, LBN_SELCHANGE); }
void DoubleClick(HWND dialog, int index) { Notify(dialog, index, LBN_DBLCLK); }

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

// Which of up, down, separator and delete are enabled.
std::string Buttons(HWND dialog) {
    std::string out;
    for (int id : {IDC_REORDER_UP, IDC_REORDER_DOWN, IDC_REORDER_SEPARATOR, IDC_REORDER_DELETE})
        out += IsWindowEnabled(GetDlgItem(dialog, id)) ? '1' : '0';
    return out;
}

COLORREF ListPixel(HWND dialog, int x, int y) {
    UpdateWindow(List(dialog));
    WindowDc dc(List(dialog));
    return GetPixel(dc.Get(), x, y);
}

void HoldShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Every name in a folder, hidden ones too.
V Listing(const std::string& folder) {
    V out;
    WIN32_FIND_DATAA found;
    OwnedFind find(FindFirstFileA((folder + "\\*").c_str(), &found));
    if (find) do {
            if (found.cFileName[0] != '.') out.push_back(found.cFileName);
        } while (FindNextFileA(find.Get(), &found));
    std::sort(out.begin(), out.end());
    return out;
}

class ReorderDialogTest : public ItemModelTest {
protected:
    // a, b, Docs (x, y), c, with folders opening in the panel.
    void SetUp() override {
        ItemModelTest::SetUp();
        Options({kOptFoldersInPanel});
        for (const char* name : {"a.lnk", "b.lnk", "c.lnk"}) Link(name);
        docs = dir.MakeFolder("Docs");
        LinkIn(docs, "x.lnk");
        LinkIn(docs, "y.lnk");
        dir.Write("Docs\\shortcut.ini", "x.lnk\r\ny.lnk\r\n");
        dir.Write("shortcut.ini", kTopOrder);
        ASSERT_TRUE(ScanTop());
        gAnswer = IDYES;
        gConfirmations = 0;
        gDriven = false;
    }
    bool Run(std::function<void(HWND)> drive) {
        gDrive = std::move(drive);
        const UINT_PTR driver = SetTimer(nullptr, 0, 100, DriveDialog);
        const UINT_PTR watcher = SetTimer(nullptr, 0, 150, WatchConfirmations);
        const bool changed = RunReorderDialog(nullptr);
        KillTimer(nullptr, driver);
        KillTimer(nullptr, watcher);
        EXPECT_TRUE(gDriven);
        return changed;
    }
    static constexpr char kTopOrder[] = "a.lnk\r\nb.lnk\r\nDocs\r\nc.lnk\r\n";
    std::string docs;
};

TEST_F(ReorderDialogTest, ButtonsFollowTheSelectionAndAnUnchangedCloseWritesNothing) {
    ASSERT_TRUE(OpenFolderItems(Item(2)));
    EXPECT_FALSE(Run([](HWND dialog) {
        EXPECT_EQ(gMarkers.modalDialog, dialog);
        EXPECT_EQ(Entries(dialog), (V{"a", "b", "Docs", "c"}));  // the records, not the panel's copies
        EXPECT_EQ(Buttons(dialog), "0000");                      // up, down, separator, delete: nothing selected yet
        Select(dialog, 0);
        EXPECT_EQ(Buttons(dialog), "0111");
        Click(dialog, IDC_REORDER_UP);  // greyed: nothing happens
        DoubleClick(dialog, 2);
        Select(dialog, 4);
        EXPECT_EQ(Buttons(dialog), "1011");  // y is last in its folder

        // Indented by depth: a selected child's highlight starts 16 pixels
        // further right than a top-level entry's.
        RECT child, top;
        SendMessageA(List(dialog), LB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&child));
        EXPECT_EQ(child.bottom - child.top, 20);
        EXPECT_EQ(ListPixel(dialog, 54, child.top + 2), GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_EQ(ListPixel(dialog, 52, child.top + 2), GetSysColor(COLOR_WINDOW));
        Select(dialog, 0);
        SendMessageA(List(dialog), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&top));
        EXPECT_EQ(ListPixel(dialog, 38, top.top + 2), GetSysColor(COLOR_HIGHLIGHT));

        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // Escape does not end it
        EXPECT_TRUE(IsWindowVisible(dialog));
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }));
    EXPECT_EQ(gMarkers.modalOpen, 0);
    EXPECT_EQ(dir.Read("shortcut.ini"), kTopOrder);
    EXPECT_EQ(ItemCount(gItems.head), 4);
    EXPECT_STREQ(gSettings.openFolder, "");
}

TEST_F(ReorderDialogTest, DeletingAsksTheShellForFilesOnlyAndAnEmptiedFolderKeepsItsFile) {
    const std::string gone = "gone" + std::to_string(GetTickCount()) + ".lnk";
    LinkIn(docs, gone);
    dir.Write("Docs\\shortcut.ini", gone + "\r\n");
    DeleteFileA((docs + "\\x.lnk").c_str());
    DeleteFileA((docs + "\\y.lnk").c_str());
    EXPECT_TRUE(Run([](HWND dialog) {
        gAnswer = IDNO;
        Select(dialog, 0);
        Click(dialog, IDC_REORDER_DELETE);
        EXPECT_EQ(Entries(dialog), (V{"a", "b", "Docs", "c"}));  // the user said no
        gAnswer = IDYES;

        Select(dialog, 1);
        Click(dialog, IDC_REORDER_SEPARATOR);
        EXPECT_EQ(Buttons(dialog), "1101");  // a second one would stand next to the first
        Select(dialog, 1);
        Click(dialog, IDC_REORDER_DELETE);  // a separator is no file: the shell is not asked
        EXPECT_EQ(gConfirmations, 1);
        EXPECT_EQ(Buttons(dialog), "0000");  // nothing selected any more

        DoubleClick(dialog, 2);
        HoldShift(true);  // for good, not to the recycle bin
        Select(dialog, 3);
        Click(dialog, IDC_REORDER_DELETE);
        HoldShift(false);
        EXPECT_EQ(Entries(dialog), (V{"a", "b", "Docs", "c"}));  // the folder shows empty
        Select(dialog, 0);
        Click(dialog, IDC_REORDER_DELETE);
        EXPECT_EQ(gConfirmations, 3);
    }));
    EXPECT_FALSE(dir.Exists("a.lnk") || dir.Exists("Docs\\" + gone));
    EXPECT_FALSE(InRecycleBin(gone));
    EXPECT_EQ(dir.Read("shortcut.ini"), "b.lnk\r\nDocs\r\nc.lnk\r\n");
    EXPECT_TRUE(GetFileAttributesA(dir.File("shortcut.ini").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(dir.Read("Docs\\shortcut.ini"), gone + "\r\n");
    EXPECT_EQ(Listing(dir.Path()), (V{"Docs", "b.lnk", "c.lnk", "shortcut.ini"}));  // no temporary file left
}

TEST_F(ReorderDialogTest, OrderFilesKeepDoubleByteNamesAndAReadOnlyFileStays) {
    const std::string table = "\x95\x5c.lnk";  // the character's second byte is a backslash
    Link(table);
    dir.Write("shortcut.ini", table + "\r\na.lnk\r\nb.lnk\r\nc.lnk\r\nDocs\r\n");
    ASSERT_TRUE(ScanTop());
    ASSERT_TRUE(SwapItemsAt(gItems.head, 0, 1));
    ASSERT_TRUE(WriteOrderFile(gItems.head));
    const std::string written = "a.lnk\r\n" + table + "\r\nb.lnk\r\nc.lnk\r\nDocs\r\n";
    EXPECT_EQ(dir.Read("shortcut.ini"), written);

    // A list that starts with a separator is written to the separator's folder.
    PanelItem separator{};
    separator.flags = kItemSeparator;
    CopyText(separator.path, (docs + "\\").c_str());
    PanelItem* list = nullptr;
    AppendItem(&list, separator);
    ASSERT_TRUE(WriteOrderFile(list));
    FreeItemList(&list);
    EXPECT_EQ(dir.Read("Docs\\shortcut.ini"), "/separator/\r\n");

    SetFileAttributesA(dir.File("shortcut.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteOrderFile(gItems.head->next));
    EXPECT_EQ(dir.Read("shortcut.ini"), written);
    SetFileAttributesA(dir.File("shortcut.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
