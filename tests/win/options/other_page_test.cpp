// The other-options page in the real sheet, worked through its check list as
// the user works it: clicks on rows, the question of the compatibility row,
// and the blocked-applications switch and editor.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "activation/blocked_apps.h"
#include "base/core/text.h"
#include "controls/check_list_control.h"
#include "options/core/other_rows.h"
#include "options/options_sheet.h"
#include "resources/resource.h"
#include "sheet_driver.h"
#include "base/visual_styles.h"
#include "temp_folder.h"
#include "menu_capture.h"

namespace {

HWND List(HWND page) { return GetDlgItem(page, IDC_OTHER_LIST); }
int Row(OptionFlag flag) { return RowWritingOption(flag); }
bool Ticked(HWND page, int row) { return IsCheckListRowTicked(List(page), row); }
bool Greyed(HWND page, int row) { return (CheckListRowFlags(List(page), row) & kRowDisabled) != 0; }

std::vector<bool> AllTicks(HWND page) {
    std::vector<bool> ticks;
    for (int i = 0; i < kOtherRowCount; ++i) ticks.push_back(Ticked(page, i));
    return ticks;
}

// A left click on the row, scrolled into view first. The release is queued
// before the press so that the list's drag detection ends at once. Posted
// for rows that open a message box.
void ClickRow(HWND page, int row, bool post = false) {
    HWND list = List(page);
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    if (post) {
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
        return;
    }
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
}

void Shot(HWND window, const char* name) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r;
    GetWindowRect(window, &r);
    CaptureScreen(ShotPath(name), r);
}

DialogDriver::Step OnOtherPage(std::function<void(HWND page)> check) {
    return [check] {
        HWND sheet = FindSheet();
        if (!sheet) return false;
        HWND page = ShowPage(sheet, IDD_OTHER_PAGE);
        EXPECT_NE(page, nullptr);
        if (page) check(page);
        return true;
    };
}

DialogDriver::Step Press(int button) {
    return [button] {
        HWND sheet = FindSheet();
        if (sheet) PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
        return sheet != nullptr;
    };
}

// A message box "Tovel panel" of this thread: its text, then the answer.
DialogDriver::Step Answer(int button, std::string* text) {
    return [button, text] {
        HWND box = FindDialog("Tovel panel");
        if (!box) return false;
        char buf[512] = "";
        GetDlgItemTextA(box, 0xFFFF, buf, sizeof buf);
        *text = buf;
        PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        return true;
    };
}

class OtherPageTest : public testing::Test {
protected:
    void SetUp() override {
        LoadVisualStyles();
        std::memset(&s_, 0, sizeof s_);
        SetDefaultOptions(s_.optionFlags);
        CopyText(s_.programFolder, folder_.Path().c_str());
    }
    void TearDown() override { FreeBlockedList(); }
    bool Run(std::vector<DialogDriver::Step> steps) {
        DialogDriver driver(std::move(steps));
        OptionsSheetHold hold;
        const bool confirmed = ShowOptionsSheet(nullptr, s_, gSkin);
        EXPECT_TRUE(driver.Finished());
        return confirmed;
    }
    Settings s_;
    TempFolder folder_;
};

// Clicks tick check rows and choose radio rows; the rows that follow them
// grey and ungrey, a greyed row keeps its tick and it is stored; a heading
// changes nothing; the rows the system cannot use are greyed.
TEST_F(OtherPageTest, ClicksFollowTheRowsAndGreyedTicksAreStored) {
    const int alwaysShown = Row(kOptAlwaysShown), onTop = Row(kOptAlwaysOnTop);
    const int sortNone = Row(kOptSort), byName = Row(kOptSortByName), reverse = Row(kOptSortReverse);
    EXPECT_TRUE(Run({OnOtherPage([&](HWND page) {
                         EXPECT_EQ(SendMessageA(List(page), LVM_GETITEMCOUNT, 0, 0), kOtherRowCount);
                         EXPECT_TRUE(Greyed(page, onTop));  // not always shown by default
                         ClickRow(page, onTop);
                         EXPECT_FALSE(Ticked(page, onTop));
                         ClickRow(page, alwaysShown);
                         ClickRow(page, onTop);
                         ClickRow(page, alwaysShown);
                         EXPECT_TRUE(Greyed(page, onTop));
                         EXPECT_TRUE(Ticked(page, onTop));

                         EXPECT_TRUE(Ticked(page, sortNone) && Greyed(page, reverse));
                         ClickRow(page, byName);
                         EXPECT_FALSE(Ticked(page, sortNone));
                         EXPECT_TRUE(Ticked(page, byName) && !Greyed(page, reverse));

                         const std::vector<bool> before = AllTicks(page);
                         ClickRow(page, 0);
                         EXPECT_EQ(AllTicks(page), before) << "a heading changed a row";

                         EXPECT_FALSE(Greyed(page, Row(kOptNoVisualStyle)));  // the library is bound
                         HDC screen = GetDC(nullptr);
                         const bool depth24 = GetDeviceCaps(screen, BITSPIXEL) == 24;
                         ReleaseDC(nullptr, screen);
                         EXPECT_EQ(Greyed(page, Row(kOptImageLists32Bit)), !depth24);

                         SendMessageA(List(page), LVM_ENSUREVISIBLE, 0, FALSE);
                         Shot(GetParent(page), "options_other_top.bmp");
                         SendMessageA(List(page), LVM_ENSUREVISIBLE, kOtherRowCount - 1, FALSE);
                         Shot(GetParent(page), "options_other_bottom.bmp");
                     }),
                     Press(PSBTN_OK)}));
    EXPECT_FALSE(Option(s_, kOptAlwaysShown));
    EXPECT_TRUE(Option(s_, kOptAlwaysOnTop));
    EXPECT_TRUE(Option(s_, kOptSort) && Option(s_, kOptSortByName));
}

TEST_F(OtherPageTest, TheCompatibilityRowAsksBeforeItStaysTicked) {
    const int compat = Row(kOptCompatHook);
    std::string asked, again;
    EXPECT_TRUE(Run({OnOtherPage([&](HWND page) { ClickRow(page, compat, true); }), Answer(IDNO, &asked),
                     OnOtherPage([&](HWND page) {
                         EXPECT_FALSE(Ticked(page, compat));
                         ClickRow(page, compat, true);
                     }),
                     Answer(IDYES, &again), OnOtherPage([&](HWND page) {
                         EXPECT_TRUE(Ticked(page, compat));
                         ClickRow(page, compat);  // unticking asks nothing
                         EXPECT_FALSE(FindDialog("Tovel panel"));
                         ClickRow(page, compat, true);
                     }),
                     Answer(IDYES, &again), Press(PSBTN_OK)}));
    EXPECT_EQ(asked.rfind("マウスによるパネル表示にTovel panel 1.23互換DLLを使用しますか？", 0), 0u) << asked;
    EXPECT_EQ(again, asked);
    EXPECT_TRUE(Option(s_, kOptCompatHook));
}

// The switch enables the editor's button; the editor changes the file and
// the live list at once, and cancelling the sheet undoes neither.
TEST_F(OtherPageTest, TheBlockedListEditorWorksOnTheFileAtOnce) {
    folder_.Write(kBlockedFileName, "C:\\a.exe\r\nC:\\b.exe\r\n");
    LoadBlockedListFrom(folder_.Path().c_str());
    HWND editor = nullptr;
    EXPECT_FALSE(Run({OnOtherPage([](HWND page) {
                          EXPECT_FALSE(Checked(page, IDC_USE_BLOCKED_APPS));
                          EXPECT_FALSE(Enabled(page, IDC_BLOCKED_DETAILS));
                          Click(page, IDC_USE_BLOCKED_APPS);
                          EXPECT_TRUE(Enabled(page, IDC_BLOCKED_DETAILS));
                          PostMessageA(GetDlgItem(page, IDC_BLOCKED_DETAILS), BM_CLICK, 0, 0);
                      }),
                      [&] {
                          editor = FindDialog("禁止アプリケーションの設定");
                          // Found while it is still being filled: wait for its entries.
                          if (!editor || !IsWindowVisible(editor) ||
                              SendDlgItemMessageA(editor, IDC_BLOCKED_LIST, LVM_GETITEMCOUNT, 0, 0) < 2)
                              return false;
                          EXPECT_EQ(GetWindow(editor, GW_OWNER), FindSheet());
                          Shot(editor, "blocked_apps.bmp");
                          LVITEMA item{};
                          item.stateMask = item.state = LVIS_SELECTED;
                          SendDlgItemMessageA(editor, IDC_BLOCKED_LIST, LVM_SETITEMSTATE, 0,
                                              reinterpret_cast<LPARAM>(&item));
                          SendMessageA(editor, WM_COMMAND, IDC_BLOCKED_DELETE, 0);
                          PostMessageA(editor, WM_COMMAND, IDOK, 0);
                          return true;
                      },
                      [&] { return !IsWindow(editor); }, Press(PSBTN_CANCEL)}));
    EXPECT_EQ(folder_.Read(kBlockedFileName), "C:\\b.exe\r\n");
    // The live list was read again from the file: one entry left.
    ASSERT_EQ(gBlocked.entries.size(), 1u);
    EXPECT_STREQ(gBlocked.entries[0], "c:\\b.exe");
}

}  // namespace
