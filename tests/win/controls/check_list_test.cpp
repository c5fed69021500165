// The check list on a real list view, driven through its messages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "base/visual_styles.h"
#include "control_host.h"
#include "controls/check_list_control.h"
#include "resources/resource.h"

namespace {

constexpr int kListId = 1050;

class CheckListTest : public testing::Test {
protected:
    void SetUp() override {
        host_.measure = [](MEASUREITEMSTRUCT* m) { MeasureCheckListRow(m); };
        host_.draw = [](const DRAWITEMSTRUCT* d) { return DrawCheckListRow(d); };
        list_ = host_.AddChild(
            WC_LISTVIEWA, "",
            LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_OWNERDRAWFIXED | WS_BORDER | WS_VSCROLL, kListId, 10,
            10, 380, 260);
        ASSERT_TRUE(list_);
        ASSERT_TRUE(SetUpCheckList(list_, kListId, GetModuleHandleA(nullptr), IDB_HEADING_IMAGES, gVisualStyles));
        // A heading, a check row, a disabled check row, a radio pair and an indented check row.
        EXPECT_EQ(AddCheckListRow(list_, "パネル", 0, kRowHeader), kHeader);
        EXPECT_EQ(AddCheckListStringRow(list_, GetModuleHandleA(nullptr), IDS_OPT_ALWAYS_SHOWN, 0, kRowIndent1),
                  kCheck);
        EXPECT_EQ(AddCheckListStringRow(list_, GetModuleHandleA(nullptr), IDS_OPT_ALWAYS_ON_TOP, 0,
                                        kRowIndent1 | kRowDisabled),
                  kDisabled);
        EXPECT_EQ(
            AddCheckListStringRow(list_, GetModuleHandleA(nullptr), IDS_OPT_INDENT_SMALL, 0, kRowRadio | kRowTicked),
            kRadioOn);
        EXPECT_EQ(AddCheckListStringRow(list_, GetModuleHandleA(nullptr), IDS_OPT_INDENT_MEDIUM, 0, kRowRadio),
                  kRadioOff);
        EXPECT_EQ(AddCheckListRow(list_, "Tovel panel", 0, kRowIndent3 | kRowTicked), kIndented);
        host_.notifications.clear();
    }
    void TearDown() override { TearDownCheckList(); }

    POINT RowCentre(int row) const {
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageA(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // A left press as the list view receives it; the release is queued first so
    // that any drag detection of the list view ends at once.
    void Click(int row, UINT message = WM_LBUTTONDOWN) {
        const POINT p = RowCentre(row);
        PostMessageA(list_, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        SendMessageA(list_, message, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        PumpMessages(30);
    }
    int Selected() const {
        return static_cast<int>(
            SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
    }
    int NotificationsFor(int row) const {
        int n = 0;
        for (const Notification& note : host_.notifications)
            if (note.id == kListId && note.code == row && note.from == list_) ++n;
        return n;
    }

    static constexpr int kHeader = 0, kCheck = 1, kDisabled = 2, kRadioOn = 3, kRadioOff = 4, kIndented = 5;
    ControlHost host_;
    HWND list_ = nullptr;
};

TEST_F(CheckListTest, RowsCarryTheirTextsAndFlags) {
    EXPECT_EQ(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0), 6);
    char text[256] = "";
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list_, LVM_GETITEMTEXTA, kCheck, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "パネルを常に表示する");  // string 5
    EXPECT_EQ(CheckListRowFlags(list_, kIndented), kRowIndent3 | kRowTicked);
    EXPECT_EQ(CheckListRowFlags(list_, 99), 0u);
    // One column as wide as the client area less a scroll bar, rows 18 high.
    RECT client{};
    GetClientRect(list_, &client);
    EXPECT_EQ(SendMessageA(list_, LVM_GETCOLUMNWIDTH, 0, 0), client.right - GetSystemMetrics(SM_CXVSCROLL));
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageA(list_, LVM_GETITEMRECT, kCheck, reinterpret_cast<LPARAM>(&row));
    EXPECT_EQ(row.bottom - row.top, 18);
}

TEST_F(CheckListTest, ClickOnACheckRowTicksSelectsAndNotifies) {
    Click(kCheck);
    EXPECT_TRUE(IsCheckListRowTicked(list_, kCheck));
    EXPECT_EQ(NotificationsFor(kCheck), 1);
    EXPECT_EQ(Selected(), kCheck);
    Click(kCheck, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(IsCheckListRowTicked(list_, kCheck));
    EXPECT_EQ(NotificationsFor(kCheck), 2);
}

TEST_F(CheckListTest, ClickOnADisabledRowNeitherSelectsNorTicks) {
    Click(kCheck);
    host_.notifications.clear();
    Click(kDisabled);
    Click(kDisabled, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(IsCheckListRowTicked(list_, kDisabled));
    EXPECT_EQ(Selected(), kCheck);
    EXPECT_TRUE(host_.notifications.empty());
}

TEST_F(CheckListTest, RadioRowsAreNeverToggledByTheList) {
    Click(kRadioOff);
    EXPECT_FALSE(IsCheckListRowTicked(list_, kRadioOff));
    EXPECT_EQ(NotificationsFor(kRadioOff), 1);
    EXPECT_EQ(Selected(), kRadioOff);
    Click(kRadioOn);
    EXPECT_TRUE(IsCheckListRowTicked(list_, kRadioOn));
    EXPECT_EQ(NotificationsFor(kRadioOn), 1);
    // Space on a selected radio row notifies and changes nothing.
    SendMessageA(list_, WM_CHAR, VK_SPACE, 0);
    EXPECT_TRUE(IsCheckListRowTicked(list_, kRadioOn));
    EXPECT_EQ(NotificationsFor(kRadioOn), 2);
    // The owner handles the group.
    SetCheckListRowTicked(list_, kRadioOn, false);
    SetCheckListRowTicked(list_, kRadioOff, true);
    EXPECT_FALSE(IsCheckListRowTicked(list_, kRadioOn));
    EXPECT_TRUE(IsCheckListRowTicked(list_, kRadioOff));
}

TEST_F(CheckListTest, ClickOnAHeadingNotifiesButChangesNothing) {
    const uint32_t before = CheckListRowFlags(list_, kHeader);
    Click(kHeader);
    EXPECT_EQ(CheckListRowFlags(list_, kHeader), before);
    EXPECT_EQ(NotificationsFor(kHeader), 1);
}

TEST_F(CheckListTest, SpaceTogglesTheSelectedCheckRow) {
    Click(kIndented);
    EXPECT_FALSE(IsCheckListRowTicked(list_, kIndented));
    SendMessageA(list_, WM_CHAR, VK_SPACE, 0);
    EXPECT_TRUE(IsCheckListRowTicked(list_, kIndented));
    EXPECT_EQ(NotificationsFor(kIndented), 2);
}

TEST_F(CheckListTest, SettingTicksAndEnablingFollowTheRowKinds) {
    SetCheckListRowTicked(list_, kHeader, true);
    EXPECT_FALSE(IsCheckListRowTicked(list_, kHeader));
    SetCheckListRowTicked(list_, kDisabled, true);
    EXPECT_FALSE(IsCheckListRowTicked(list_, kDisabled));
    SetCheckListRowEnabled(list_, kDisabled, true);
    SetCheckListRowTicked(list_, kDisabled, true);
    EXPECT_TRUE(IsCheckListRowTicked(list_, kDisabled));
    // Disabling keeps the tick, and headings can be greyed too.
    SetCheckListRowEnabled(list_, kDisabled, false);
    EXPECT_EQ(CheckListRowFlags(list_, kDisabled), kRowIndent1 | kRowDisabled | kRowTicked);
    SetCheckListRowEnabled(list_, kHeader, false);
    EXPECT_EQ(CheckListRowFlags(list_, kHeader), kRowHeader | kRowDisabled);
    // A greyed row is not clickable any more.
    host_.notifications.clear();
    Click(kHeader);
    EXPECT_TRUE(host_.notifications.empty());
}

TEST_F(CheckListTest, OnlyOneCheckListAtATimeAndTearDownRestoresTheList) {
    HWND other = host_.AddChild(WC_LISTVIEWA, "", LVS_REPORT | LVS_OWNERDRAWFIXED, 1051, 0, 280, 100, 30);
    EXPECT_FALSE(SetUpCheckList(other, 1051, nullptr, -1, gVisualStyles));
    TearDownCheckList();
    EXPECT_EQ(gCheckList.list, nullptr);
    // The list view handles clicks itself again: no ticks, no notifications.
    host_.notifications.clear();
    Click(kCheck);
    EXPECT_TRUE(host_.notifications.empty());
    EXPECT_TRUE(SetUpCheckList(other, 1051, nullptr, -1, gVisualStyles));
    TearDownCheckList();
}

// A row drawn into a surface by the drawing function itself.
void DrawRow(Surface32& s, HWND list, int row, UINT state, int top) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    DRAWITEMSTRUCT d{};
    d.CtlType = ODT_LISTVIEW;
    d.itemID = static_cast<UINT>(row);
    d.itemAction = ODA_DRAWENTIRE;
    d.itemState = state;
    d.hwndItem = list;
    d.hDC = s.Dc();
    d.rcItem = RECT{0, top, 300, top + 18};
    d.itemData = static_cast<ULONG_PTR>(item.lParam);
    EXPECT_TRUE(DrawCheckListRow(&d));
}

TEST_F(CheckListTest, ClassicRowsDrawBoxesAtTheirIndentation) {
    FreeVisualStyles();
    CheckListThemeChanged();
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    Surface32 s(300, 18 * 4, RGB(255, 0, 0));
    DrawRow(s, list_, kHeader, 0, 0);
    DrawRow(s, list_, kCheck, 0, 18);
    DrawRow(s, list_, kIndented, ODS_SELECTED, 36);
    DrawRow(s, list_, kDisabled, 0, 54);
    // Every row is filled: no red left.
    EXPECT_EQ(s.CountOther(RECT{0, 0, 300, 72}, RGB(255, 0, 0)), 300 * 72);
    // The heading's icon at x 4, no box; the check row's 13-pixel box ends at
    // 18 + 18 + 18 = 54; the level-3 row's at 54 + 36 = 90.
    EXPECT_GT(s.CountOther(RECT{4, 1, 20, 17}, window), 20);
    EXPECT_EQ(s.CountOther(RECT{22, 19, 41, 35}, window), 0);
    EXPECT_GT(s.CountOther(RECT{41, 20, 54, 33}, window), 20);
    EXPECT_EQ(s.CountOther(RECT{56, 19, 60, 35}, window), 0);
    EXPECT_GT(s.CountOther(RECT{77, 38, 90, 51}, window), 20);
    // The selected row's text sits on the highlight.
    int highlight = 0;
    for (int x = 96; x < 160; ++x)
        if (s.At(x, 37) == GetSysColor(COLOR_HIGHLIGHT)) ++highlight;
    EXPECT_GT(highlight, 40);
    LoadVisualStyles();
}

TEST_F(CheckListTest, TheSelectionStaysInsideItsRowWhateverTheFont) {
    Surface32 s(300, 18 * 3, RGB(255, 0, 0));
    OwnedFont tall(CreateFontA(-17, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS UI Gothic"));
    SelectedObject font(s.Dc(), tall.Get());
    DrawRow(s, list_, kIndented, ODS_SELECTED | ODS_FOCUS, 18);
    EXPECT_EQ(s.CountOther(RECT{0, 0, 300, 18}, RGB(255, 0, 0)), 0);
    EXPECT_EQ(s.CountOther(RECT{0, 36, 300, 54}, RGB(255, 0, 0)), 0);
}

TEST_F(CheckListTest, ThemedRowsUseTheLargerBox) {
    LoadVisualStyles();
    if (!VisualStylesInUse()) GTEST_SKIP() << "no visual style active";
    CheckListThemeChanged();
    ASSERT_NE(gCheckList.theme, nullptr);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    Surface32 s(300, 18, RGB(255, 0, 0));
    DrawRow(s, list_, kCheck, 0, 0);
    const int box = GetSystemMetrics(SM_CXMENUCHECK) + 2;
    const int top = (18 - box) / 2;
    EXPECT_GT(s.CountOther(RECT{54 - box, top, 54, top + box}, window), box * 2);
}

}  // namespace
