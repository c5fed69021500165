// The notification icon's popup menu, built from real menu resources, skin
// folders and items, measured and drawn into real device contexts, and
// tracked on the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/core/text.h"
#include "base/handles.h"
#include "base/settings_store.h"
#include "input.h"
#include "items/item_model.h"
#include "menu_capture.h"
#include "resources/resource.h"
#include "shell/core/popup_menu_layout.h"
#include "shell/popup_menu.h"
#include "skin/skin_list.h"
#include "temp_folder.h"

namespace {

class PopupMenuTest : public testing::Test {
protected:
    void SetUp() override {
        saved_ = gSettings;
        std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
        gSettings.hotkey = 0;
        gSettings.skinName[0] = '\0';
        skins_ = folder_.MakeFolder("skins");
        ASSERT_TRUE(LoadMenuImages());
    }
    void TearDown() override {
        FreeMenuImages();
        FreeSkins();
        FreeItemList(&gItems.head);
        gSettings = saved_;
    }

    void AddSkinFolder(const std::string& name) {
        folder_.MakeFolder("skins\\" + name);
        folder_.Write("skins\\" + name + "\\skin.ini", "[General]\r\n");
    }
    void ListSkins() { EnumerateSkins(skins_.c_str()); }

    static std::string TextAt(HMENU menu, int position) {
        char text[300] = "";
        GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        return text;
    }
    static MENUITEMINFOA InfoAt(HMENU menu, int position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
        return info;
    }
    static HMENU SkinMenu(HMENU popup) { return GetSubMenu(popup, 3); }

    Settings saved_{};
    TempFolder folder_;
    std::string skins_;
};

TEST_F(PopupMenuTest, FirstItemIsBoldAndShowsTheHotkeyOnlyWithFlag12) {
    ListSkins();
    gSettings.hotkey = 0x0651;
    OwnedMenu menu;
    HMENU popup = BuildPopupMenu(menu);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(TextAt(popup, 0), "パネルを開く(&P)...");
    EXPECT_TRUE(InfoAt(popup, 0).fState & MFS_DEFAULT);
    EXPECT_EQ(InfoAt(popup, 0).wID, static_cast<UINT>(IDM_SHOW_PANEL));

    SetOption(gSettings.optionFlags, kOptHotkey);
    popup = BuildPopupMenu(menu);
    EXPECT_EQ(TextAt(popup, 0), "パネルを開く(&P)...\tCtrl+Alt+Q");
    const auto* record = reinterpret_cast<const MenuItemRecord*>(InfoAt(popup, 0).dwItemData);
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->text, "パネルを開く(&P)...\tCtrl+Alt+Q");
    EXPECT_TRUE(record->state & MFS_DEFAULT);

    // No hotkey stored: nothing after the text even with kOptHotkey.
    gSettings.hotkey = 0;
    popup = BuildPopupMenu(menu);
    EXPECT_EQ(TextAt(popup, 0), "パネルを開く(&P)...");
}

TEST_F(PopupMenuTest, TopLevelItemsAreOwnerDrawnWithTheirIconsAndTexts) {
    ListSkins();
    OwnedMenu menu;
    HMENU popup = BuildPopupMenu(menu);
    ASSERT_EQ(GetMenuItemCount(popup), 10);
    const char* texts[] = {
        "パネルを開く(&P)...",  "", "オプション(&O)...",     "スキン(&S)", "アイテムの並べ替え(&E)...",
        "最新の情報に更新(&R)", "", "バージョン情報(&A)...", "",           "Tovel panelの終了(&X)"};
    const UINT ids[] = {IDM_SHOW_PANEL, 0, IDM_OPTIONS, 0, IDM_REORDER, IDM_REFRESH, 0, IDM_ABOUT, 0, IDM_EXIT};
    const uint32_t icons[] = {0, 0, 2, 0, 5, 4, 0, 3, 0, 0};
    for (int i = 0; i < 10; ++i) {
        const MENUITEMINFOA info = InfoAt(popup, i);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
        const auto* record = reinterpret_cast<const MenuItemRecord*>(info.dwItemData);
        ASSERT_NE(record, nullptr) << i;
        // Records 0-9 are the top-level items by position.
        EXPECT_EQ(reinterpret_cast<const unsigned char*>(record), gSkins.menuItems + i * kMenuItemRecordSize);
        EXPECT_STREQ(record->text, texts[i]) << i;
        EXPECT_EQ(record->iconCell, icons[i]) << i;
        EXPECT_EQ((record->type & MFT_SEPARATOR) != 0, texts[i][0] == '\0') << i;
        if (ids[i]) {
            EXPECT_EQ(info.wID, ids[i]) << i;
        }
        // The text stays with the item, so its mnemonic still works.
        EXPECT_EQ(TextAt(popup, i), texts[i]) << i;
    }
    EXPECT_NE(InfoAt(popup, 3).hSubMenu, nullptr);
}

TEST_F(PopupMenuTest, WithoutSkinsTheSubMenuHoldsOnlyNone) {
    ListSkins();
    OwnedMenu menu;
    HMENU skins = SkinMenu(BuildPopupMenu(menu));
    ASSERT_NE(skins, nullptr);
    ASSERT_EQ(GetMenuItemCount(skins), 1);
    EXPECT_EQ(TextAt(skins, 0), "なし");
    EXPECT_EQ(InfoAt(skins, 0).wID, static_cast<UINT>(IDM_SKIN_NONE));
    EXPECT_TRUE(InfoAt(skins, 0).fState & MFS_CHECKED);

    CopyText(gSettings.skinName, "Gone");  // a skin that no longer exists
    skins = SkinMenu(BuildPopupMenu(menu));
    ASSERT_EQ(GetMenuItemCount(skins), 1);
    EXPECT_FALSE(InfoAt(skins, 0).fState & MFS_CHECKED);
}

TEST_F(PopupMenuTest, ThreeSkinsWithTheSecondChecked) {
    AddSkinFolder("Gamma");
    AddSkinFolder("Alpha");
    AddSkinFolder("Beta");
    folder_.MakeFolder("skins\\NoIni");
    ListSkins();
    CopyText(gSettings.skinName, "Beta");
    OwnedMenu menu;
    HMENU popup = BuildPopupMenu(menu);
    HMENU skins = SkinMenu(popup);
    ASSERT_EQ(GetMenuItemCount(skins), 5);
    EXPECT_EQ(TextAt(skins, 0), "なし");
    EXPECT_FALSE(InfoAt(skins, 0).fState & MFS_CHECKED);
    EXPECT_TRUE(InfoAt(skins, 1).fType & MFT_SEPARATOR);
    const char* names[] = {"Alpha", "Beta", "Gamma"};
    for (int k = 0; k < 3; ++k) {
        const MENUITEMINFOA info = InfoAt(skins, k + 2);
        EXPECT_EQ(TextAt(skins, k + 2), names[k]);
        EXPECT_EQ(info.wID, static_cast<UINT>(550 + k));
        EXPECT_EQ((info.fState & MFS_CHECKED) != 0, k == 1) << k;
        // The sub-menu's records follow the ten top-level ones, without icons.
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        const auto* record = reinterpret_cast<const MenuItemRecord*>(info.dwItemData);
        EXPECT_EQ(reinterpret_cast<const unsigned char*>(record), gSkins.menuItems + (12 + k) * kMenuItemRecordSize);
        EXPECT_STREQ(record->text, names[k]);
        EXPECT_EQ(record->iconCell, 0u);
    }
    // The check compares the name exactly.
    CopyText(gSettings.skinName, "beta");
    skins = SkinMenu(BuildPopupMenu(menu));
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(InfoAt(skins, i).fState & MFS_CHECKED) << i;
}

TEST_F(PopupMenuTest, FiftySkinsUseIds550To599) {
    for (int i = 0; i < 52; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "s%02d", i);
        AddSkinFolder(name);
    }
    ListSkins();
    ASSERT_EQ(SkinCount(), 50);
    OwnedMenu menu;
    HMENU skins = SkinMenu(BuildPopupMenu(menu));
    ASSERT_EQ(GetMenuItemCount(skins), 52);
    EXPECT_EQ(InfoAt(skins, 2).wID, 550u);
    EXPECT_EQ(InfoAt(skins, 51).wID, 599u);
    // Every item has a record of its own inside the buffer.
    for (int i = 0; i < 52; ++i) EXPECT_NE(InfoAt(skins, i).dwItemData, 0u) << i;
}

TEST_F(PopupMenuTest, ReorderIsGreyedForAnEmptyList) {
    ListSkins();
    OwnedMenu menu;
    HMENU popup = BuildPopupMenu(menu);
    EXPECT_TRUE(GetMenuState(popup, IDM_REORDER, MF_BYCOMMAND) & MF_GRAYED);

    PanelItem item{};
    CopyText(item.name, "メモ帳");
    CopyText(item.path, "C:\\x\\メモ帳.lnk");
    ASSERT_NE(AppendItem(&gItems.head, item), nullptr);
    popup = BuildPopupMenu(menu);
    EXPECT_FALSE(GetMenuState(popup, IDM_REORDER, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(PopupMenuTest, Flag3GivesThePlainMenuWithTheSameItems) {
    AddSkinFolder("Alpha");
    ListSkins();
    SetOption(gSettings.optionFlags, kOptPlainMenu);
    SetOption(gSettings.optionFlags, kOptHotkey);
    gSettings.hotkey = 0x0651;
    OwnedMenu menu;
    HMENU popup = BuildPopupMenu(menu);
    ASSERT_EQ(GetMenuItemCount(popup), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(InfoAt(popup, i).fType & MFT_OWNERDRAW) << i;
        EXPECT_EQ(InfoAt(popup, i).dwItemData, 0u) << i;
    }
    EXPECT_EQ(TextAt(popup, 0), "パネルを開く(&P)...\tCtrl+Alt+Q");
    EXPECT_TRUE(InfoAt(popup, 0).fState & MFS_DEFAULT);
    HMENU skins = SkinMenu(popup);
    ASSERT_EQ(GetMenuItemCount(skins), 3);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(InfoAt(skins, i).fType & MFT_OWNERDRAW) << i;
}

TEST_F(PopupMenuTest, WithoutRecordsTheMenuStaysPlain) {
    // No skin list built yet: no record buffer, so nothing may point into it.
    ASSERT_EQ(gSkins.menuItems, nullptr);
    OwnedMenu menu;
    HMENU popup = BuildPopupMenu(menu);
    ASSERT_NE(popup, nullptr);
    for (int i = 0; i < GetMenuItemCount(popup); ++i) EXPECT_FALSE(InfoAt(popup, i).fType & MFT_OWNERDRAW) << i;
}

// ---- Measuring and drawing ----

MenuItemRecord Record(const char* text, uint32_t type = MFT_STRING, uint32_t icon = 0) {
    MenuItemRecord r{};
    r.type = type;
    r.iconCell = icon;
    CopyText(r.text, text);
    return r;
}

HFONT MenuFont() {
    NONCLIENTMETRICSA m{};
    m.cbSize = sizeof m;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    return CreateFontIndirectA(&m.lfMenuFont);
}

TEST_F(PopupMenuTest, SeparatorsAre16HighAndTextsMeasuredWithTheMenuFont) {
    MenuItemRecord separator = Record("", MFT_SEPARATOR);
    MEASUREITEMSTRUCT m{};
    m.CtlType = ODT_MENU;
    m.itemData = reinterpret_cast<ULONG_PTR>(&separator);
    MeasureMenuItem(&m);
    EXPECT_EQ(m.itemHeight, 16u);

    MenuItemRecord first = Record("パネルを開く(&P)...\tCtrl+Alt+Q");
    m.itemData = reinterpret_cast<ULONG_PTR>(&first);
    MeasureMenuItem(&m);

    OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    OwnedFont font(MenuFont());
    SelectedObject sel(dc.Get(), font.Get());
    RECT r{0, 0, 0, 0};
    char measured[] = "パネルを開く(&P)...  Ctrl+Alt+Q";
    DrawTextExA(dc.Get(), measured, -1, &r, DT_CALCRECT | DT_EXPANDTABS, nullptr);
    EXPECT_EQ(static_cast<LONG>(m.itemWidth), r.right + 36);
    EXPECT_EQ(static_cast<LONG>(m.itemHeight), std::max<LONG>(r.bottom + 6, 20));

    MenuItemRecord shortText = Record("なし");
    m.itemData = reinterpret_cast<ULONG_PTR>(&shortText);
    MeasureMenuItem(&m);
    EXPECT_GE(m.itemHeight, 20u);
    EXPECT_LT(m.itemWidth, static_cast<UINT>(r.right + 36));
}

// A 220 x 22 item drawn into a 32-bit surface prepared as the system prepares
// a menu item's DC.
class DrawnItem {
public:
    DrawnItem(const MenuItemRecord& record, UINT state) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = kWidth;
        bi.bmiHeader.biHeight = -kHeight;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        dc_.Reset(CreateCompatibleDC(nullptr));
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        SelectedObject sel(dc_.Get(), bitmap_.Get());
        RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SetBkColor(dc_.Get(), GetSysColor(COLOR_MENU));
        SetTextColor(dc_.Get(), GetSysColor(COLOR_MENUTEXT));
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_MENU;
        d.itemAction = ODA_DRAWENTIRE;
        d.itemState = state;
        d.hDC = dc_.Get();
        d.rcItem = RECT{0, 0, kWidth, kHeight};
        d.itemData = reinterpret_cast<ULONG_PTR>(&record);
        DrawMenuItem(&d);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) pixels_[y][x] = GetPixel(dc_.Get(), x, y);
    }
    COLORREF At(int x, int y) const { return pixels_[y][x]; }
    // Whether every pixel of the column range has the colour.
    bool Columns(int x0, int x1, COLORREF colour) const {
        for (int y = 0; y < kHeight; ++y)
            for (int x = x0; x < x1; ++x)
                if (pixels_[y][x] != colour) return false;
        return true;
    }

    static constexpr int kWidth = 220, kHeight = 22;

private:
    OwnedMemoryDc dc_;
    OwnedBitmap bitmap_;
    COLORREF pixels_[kHeight][kWidth]{};
};

TEST_F(PopupMenuTest, HighlightedItemWithoutIconIsFilledCompletely) {
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    DrawnItem item(Record("パネルを開く(&P)...\tCtrl+Alt+Q"), ODS_SELECTED);
    // The icon square and the space right of the hotkey are highlight too.
    EXPECT_TRUE(item.Columns(0, 22, highlight));
    EXPECT_TRUE(item.Columns(DrawnItem::kWidth - 16, DrawnItem::kWidth, highlight));
}

TEST_F(PopupMenuTest, HighlightedOptionsItemKeepsItsIconSquareWithARaisedEdge) {
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF menu = GetSysColor(COLOR_MENU);
    ASSERT_NE(highlight, menu);
    DrawnItem item(Record("オプション(&O)...", MFT_STRING, 2), ODS_SELECTED);
    EXPECT_EQ(item.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised: light top-left
    EXPECT_EQ(item.At(21, 21), GetSysColor(COLOR_BTNSHADOW));   // and dark bottom-right
    EXPECT_EQ(item.At(1, 11), menu);                            // inside the square, beside the icon
    EXPECT_NE(item.At(3 + 8, 3 + 8), menu);                     // the form icon itself
    EXPECT_TRUE(item.Columns(22, 26, highlight));               // the rest is highlighted
    EXPECT_TRUE(item.Columns(DrawnItem::kWidth - 4, DrawnItem::kWidth, highlight));
}

TEST_F(PopupMenuTest, UnselectedItemsAreFilledWithTheBackgroundAndShowTheirIcon) {
    const COLORREF menu = GetSysColor(COLOR_MENU);
    DrawnItem item(Record("最新の情報に更新(&R)", MFT_STRING, 4), 0);
    EXPECT_TRUE(item.Columns(0, 3, menu));
    EXPECT_TRUE(item.Columns(DrawnItem::kWidth - 16, DrawnItem::kWidth, menu));
    // Green circling arrows in the square.
    int green = 0;
    for (int y = 3; y < 19; ++y)
        for (int x = 3; x < 19; ++x) {
            const COLORREF c = item.At(x, y);
            if (GetGValue(c) > 120 && GetRValue(c) < 100 && GetBValue(c) < 100) ++green;
        }
    EXPECT_GT(green, 20);
}

TEST_F(PopupMenuTest, CheckedItemsShowTheCheckCells) {
    // Cell 0 has a grey sunken edge at its (1, 1); cell 1 is a flat light square.
    DrawnItem checked(Record("なし"), ODS_CHECKED);
    EXPECT_EQ(checked.At(3 + 1, 3 + 1), RGB(128, 128, 128));
    DrawnItem hot(Record("なし"), ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(hot.At(3 + 2, 3 + 2), RGB(212, 208, 200));
    // The highlight starts right of the square.
    EXPECT_EQ(hot.At(22, 1), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(hot.At(1, 1), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(PopupMenuTest, SeparatorIsASunkenLineInsetBy22) {
    DrawnItem item(Record("", MFT_SEPARATOR), 0);
    EXPECT_EQ(item.At(10, 10), RGB(0, 0, 0));  // untouched left of the line
    EXPECT_EQ(item.At(100, 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(item.At(100, 11), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(item.At(100, 5), RGB(0, 0, 0));
    EXPECT_EQ(item.At(DrawnItem::kWidth - 10, 10), RGB(0, 0, 0));
}

TEST_F(PopupMenuTest, GreyedItemGetsNoHighlight) {
    DrawnItem item(Record("アイテムの並べ替え(&E)...", MFT_STRING, 5), ODS_GRAYED | ODS_SELECTED);
    // Nothing is filled: the surface's black stays around the drawing.
    EXPECT_EQ(item.At(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(item.At(DrawnItem::kWidth - 2, 11), RGB(0, 0, 0));
}

// ---- On the screen ----

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        MeasureMenuItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        DrawMenuItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

struct TrackedMenu {
    RECT rect{};
    bool seen = false;
    int downs = 0;  // items to move the highlight down by before looking
    std::string shot;
    HWND owner = nullptr;
    bool reopen = false;      // ask for the menu again while it is open
    std::string firstRecord;  // record 0's text after that request
};
TrackedMenu gTracked;

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (HWND menu = FindWindowA("#32768", nullptr)) {
        gTracked.seen = IsWindowVisible(menu) != 0;
        GetWindowRect(menu, &gTracked.rect);
        if (!gTracked.shot.empty()) {
            const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            CaptureScreen(gTracked.shot, screen);
        }
    }
    EndMenu();
}

// Moves the highlight with the keyboard, as a user would, then looks.
void CALLBACK HighlightInMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (gTracked.reopen) {
        // The icon's messages keep arriving while the menu is open.
        gSettings.hotkey = 0x0652;
        ShowPopupMenu(gTracked.owner);
        gTracked.firstRecord = reinterpret_cast<const MenuItemRecord*>(gSkins.menuItems)->text;
    }
    for (int i = 0; i < gTracked.downs; ++i) {
        INPUT keys[2]{};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_DOWN;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
    }
    SetTimer(nullptr, 0, 400, LookAtMenu);
}

// Tracks the menu at the cursor from a visible owner and looks at it on the screen.
TrackedMenu TrackAndLook(const char* shotName, int downs, bool reopen = false) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MenuTestOwner";
    RegisterClassA(&wc);
    OwnedWindow owner(CreateWindowExA(WS_EX_TOOLWINDOW, "MenuTestOwner", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1,
                                      nullptr, nullptr, wc.hInstance, nullptr));
    gTracked = TrackedMenu();
    gTracked.downs = downs;
    gTracked.shot = ShotPath(shotName);
    gTracked.owner = owner.Get();
    gTracked.reopen = reopen;
    PlacePointer(300, 500);
    SetTimer(nullptr, 0, 500, HighlightInMenu);
    ShowPopupMenu(owner.Get());
    return gTracked;
}

TEST_F(PopupMenuTest, OwnerDrawnMenuOnTheScreenIsAsTallAsItsItems) {
    AddSkinFolder("Aurora");
    AddSkinFolder("Washi");
    ListSkins();
    SetOption(gSettings.optionFlags, kOptHotkey);
    gSettings.hotkey = 0x0651;
    const TrackedMenu shown = TrackAndLook("menu_owner_drawn.bmp", 2);
    ASSERT_TRUE(shown.seen);
    // Bottom edge at the cursor.
    EXPECT_NEAR(shown.rect.bottom, 500, 2);
    // Seven text items of at least 20 pixels and three 16-pixel separators,
    // plus the menu's border.
    const int height = shown.rect.bottom - shown.rect.top;
    EXPECT_GE(height, 7 * 20 + 3 * 16);
    EXPECT_LE(height, 7 * 30 + 3 * 16 + 12);
}

TEST_F(PopupMenuTest, AskingAgainWhileTheMenuIsOpenLeavesItAlone) {
    ListSkins();
    SetOption(gSettings.optionFlags, kOptHotkey);
    gSettings.hotkey = 0x0651;
    const TrackedMenu shown = TrackAndLook("", 0, true);
    ASSERT_TRUE(shown.seen);
    // The open menu's records were not filled again for the newer hotkey.
    EXPECT_EQ(shown.firstRecord, "パネルを開く(&P)...\tCtrl+Alt+Q");
    // Once closed, the menu opens again.
    gSettings.hotkey = 0x0651;
    EXPECT_TRUE(TrackAndLook("", 0).seen);
}

TEST_F(PopupMenuTest, PlainMenuOnTheScreen) {
    AddSkinFolder("Aurora");
    ListSkins();
    SetOption(gSettings.optionFlags, kOptPlainMenu);
    SetOption(gSettings.optionFlags, kOptHotkey);
    gSettings.hotkey = 0x0651;
    const TrackedMenu shown = TrackAndLook("menu_plain.bmp", 1);
    ASSERT_TRUE(shown.seen);
    EXPECT_NEAR(shown.rect.bottom, 500, 2);
}

}  // namespace
