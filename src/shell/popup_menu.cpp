#include "shell/popup_menu.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "base/core/text.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "items/item_model.h"
#include "keys/hotkeys.h"
#include "resources/resource.h"
#include "shell/core/popup_menu_layout.h"
#include "skin/skin_list.h"
#include "view/panel_rebuild.h"

PopupMenuState gPopupMenu;

namespace {

constexpr COLORREF kImageKey = RGB(192, 192, 192);

HINSTANCE Module() { return ResourceModule(); }

// The records live in the skin list's menu buffer; null when there is no
// record with that number (then the item stays a plain one).
MenuItemRecord* RecordAt(int index) {
    if (!gSkins.menuItems || index < 0 || static_cast<size_t>(index) >= gSkins.menuItemCount) return nullptr;
    static_assert(sizeof(MenuItemRecord) <= kMenuItemRecordSize, "menu records must fit the buffer's slots");
    return reinterpret_cast<MenuItemRecord*>(gSkins.menuItems + static_cast<size_t>(index) * kMenuItemRecordSize);
}

// Reads the item into its record and turns it owner-drawn, keeping its type
// flags and its text (which still gives the item its mnemonic).
void MakeOwnerDrawn(HMENU menu, int position, MenuItemRecord* record, uint32_t iconCell) {
    if (!record) return;
    std::memset(record, 0, sizeof *record);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = record->text;
    info.cch = sizeof record->text;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return;
    record->text[sizeof record->text - 1] = '\0';
    record->type = info.fType;
    record->state = info.fState;
    record->iconCell = iconCell;

    MENUITEMINFOA owner{};
    owner.cbSize = sizeof owner;
    owner.fMask = MIIM_FTYPE | MIIM_DATA;
    owner.fType = info.fType | MFT_OWNERDRAW;
    owner.dwItemData = reinterpret_cast<ULONG_PTR>(record);
    SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &owner);
}

void SetFirstItemText(HMENU popup) {
    char text[kPathSize];
    CopyText(text, "パネルを開く(&P)...");
    if (gSettings.hotkey != 0 && Option(gSettings, kOptHotkey)) {
        char hotkey[80];
        GetHotkeyText(gSettings.hotkey, hotkey, sizeof hotkey);
        const size_t used = std::strlen(text);
        std::snprintf(text + used, sizeof text - used, "\t%s", hotkey);
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.fType = MFT_STRING;
    info.fState = MFS_DEFAULT;
    info.dwTypeData = text;
    SetMenuItemInfoA(popup, IDM_SHOW_PANEL, FALSE, &info);
}

HMENU FirstSubMenu(HMENU popup, int* position) {
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(popup, i)) {
            *position = i;
            return sub;
        }
    }
    return nullptr;
}

void AddSkinEntries(HMENU skins) {
    if (gSettings.skinName[0] == '\0') CheckMenuItem(skins, IDM_SKIN_NONE, MF_BYCOMMAND | MF_CHECKED);
    const int count = SkinCount();
    if (count == 0) DeleteMenu(skins, 1, MF_BYPOSITION);
    for (int k = 0; k < count; ++k) {
        const SkinEntry* skin = SkinAt(k);
        if (!skin) break;
        char name[kPathSize];
        CopyText(name, skin->name);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.fType = MFT_STRING;
        // The check follows the stored name exactly, letter case included.
        info.fState = std::strcmp(skin->name, gSettings.skinName) == 0 ? MFS_CHECKED : MFS_UNCHECKED;
        info.wID = static_cast<UINT>(IDM_SKIN_FIRST + k);
        info.dwTypeData = name;
        InsertMenuItemA(skins, static_cast<UINT>(k + 2), TRUE, &info);
    }
}

// The system's menu font, made here only when no content is built.
HFONT CreateMenuFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

// The DC's background colour over the rectangle.
void FillWithBackground(HDC dc, const KRect& r) {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
}

void DrawItemText(HDC dc, const char* text, int x, int top, int height, UINT stateFlag) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), static_cast<WPARAM>(lstrlenA(text)), x,
               top + (height - size.cy) / 2, 0, 0, DST_PREFIXTEXT | stateFlag);
}

}  // namespace

bool LoadMenuImages() {
    gPopupMenu.images.Reset(ImageList_LoadImageA(Module(), MAKEINTRESOURCEA(IDB_MENU_IMAGES), kMenuIconSize, 0,
                                                 kImageKey, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    return static_cast<bool>(gPopupMenu.images);
}

void FreeMenuImages() { gPopupMenu.images.Reset(); }

HMENU BuildPopupMenu(OwnedMenu& menu) {
    menu.Reset(LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_POPUP_MENU)));
    HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (!popup) return nullptr;

    SetFirstItemText(popup);
    if (!gItems.head) EnableMenuItem(popup, IDM_REORDER, MF_BYCOMMAND | MF_GRAYED);

    const bool ownerDrawn = !Option(gSettings, kOptPlainMenu);
    const int topCount = GetMenuItemCount(popup);
    if (ownerDrawn)
        for (int i = 0; i < topCount; ++i) MakeOwnerDrawn(popup, i, RecordAt(i), MenuIconCell(i));

    int position = 0;
    if (HMENU skins = FirstSubMenu(popup, &position)) {
        AddSkinEntries(skins);
        if (ownerDrawn) {
            const int count = GetMenuItemCount(skins);
            for (int i = 0; i < count; ++i) MakeOwnerDrawn(skins, i, RecordAt(topCount + i), 0);
        }
    }
    return popup;
}

void ShowPopupMenu(HWND panel) {
    if (gPopupMenu.tracking) return;
    // Without the foreground the menu would stay open when the user clicks elsewhere.
    SetForegroundWindow(panel);
    OwnedMenu menu;
    HMENU popup = BuildPopupMenu(menu);
    if (!popup) return;
    POINT at{};
    GetCursorPos(&at);
    gPopupMenu.tracking = true;
    TrackPopupMenu(popup, TPM_BOTTOMALIGN, at.x, at.y, 0, panel, nullptr);
    gPopupMenu.tracking = false;
    // Lets the menu close properly when the user dismissed it by switching away.
    SendMessageA(panel, WM_NULL, 0, 0);
}

void MeasureMenuItem(MEASUREITEMSTRUCT* measure) {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(measure->itemData);
    if (!record) return;
    if (record->type & MFT_SEPARATOR) {
        measure->itemHeight = kMenuSeparatorHeight;
        return;
    }
    char text[kPathSize + 4];
    MenuMeasureText(record->text, text, sizeof text);
    OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return;
    OwnedFont ownFont;
    HGDIOBJ font = gRebuild.menuFont.Get();
    if (!font) {
        ownFont.Reset(CreateMenuFont());
        font = ownFont ? static_cast<HGDIOBJ>(ownFont.Get()) : GetStockObject(DEFAULT_GUI_FONT);
    }
    SelectedObject selected(dc.Get(), font);
    RECT r{0, 0, 0, 0};
    DrawTextExA(dc.Get(), text, -1, &r, DT_CALCRECT | DT_EXPANDTABS, nullptr);
    const KPoint size = MenuItemSize(r.right - r.left, r.bottom - r.top);
    measure->itemWidth = static_cast<UINT>(size.x);
    measure->itemHeight = static_cast<UINT>(size.y);
}

void DrawMenuItem(const DRAWITEMSTRUCT* draw) {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(draw->itemData);
    if (!record) return;
    HDC dc = draw->hDC;
    const KRect item{draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom};
    MenuItemLook look{};
    look.separator = (record->type & MFT_SEPARATOR) != 0;
    look.selected = (draw->itemState & ODS_SELECTED) != 0;
    look.grayed = (draw->itemState & ODS_GRAYED) != 0;
    look.checked = (draw->itemState & ODS_CHECKED) != 0;
    look.iconCell = record->iconCell;
    const MenuItemPlan plan = PlanMenuItem(item, look);

    const int saved = SaveDC(dc);
    if (plan.separator) {
        RECT line{plan.separatorRect.left, plan.separatorRect.top, plan.separatorRect.right, plan.separatorRect.bottom};
        DrawEdge(dc, &line, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE);
        RestoreDC(dc, saved);
        return;
    }
    const UINT stateFlag = plan.disabled ? DSS_DISABLED : DSS_NORMAL;
    if (plan.fillBackground) FillWithBackground(dc, item);
    if (plan.highlight) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        SetBkMode(dc, TRANSPARENT);
        FillWithBackground(dc, plan.highlightRect);
        if (plan.raisedEdge) {
            RECT edge{plan.edgeRect.left, plan.edgeRect.top, plan.edgeRect.right, plan.edgeRect.bottom};
            DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
        }
    }
    if (plan.iconCell >= 0 && gPopupMenu.images) {
        OwnedIcon icon(ImageList_GetIcon(gPopupMenu.images.Get(), plan.iconCell, ILD_NORMAL));
        if (icon)
            DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, plan.iconPos.x, plan.iconPos.y,
                       kMenuIconSize, kMenuIconSize, DST_ICON | stateFlag);
    }
    char left[kPathSize], right[kPathSize];
    SplitMenuText(record->text, left, right, sizeof left);
    const int h = item.bottom - item.top;
    DrawItemText(dc, left, plan.textX, item.top, h, stateFlag);
    if (right[0]) {
        SIZE size{};
        GetTextExtentPoint32A(dc, right, lstrlenA(right), &size);
        DrawItemText(dc, right, plan.rightTextEnd - size.cx, item.top, h, stateFlag);
    }
    RestoreDC(dc, saved);
}
