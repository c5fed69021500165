#include "controls/check_list_control.h"

#include <commctrl.h>
#include <vsstyle.h>

#include <new>

#include "base/core/text.h"
#include "base/visual_styles.h"

CheckListState gCheckList;

namespace {

constexpr COLORREF kHeadingImageKey = RGB(255, 0, 255);

CheckListRow* RowAt(HWND list, int index) {
    if (!list || index < 0) return nullptr;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<CheckListRow*>(item.lParam);
}

void RedrawRow(HWND list, int index) {
    SendMessageA(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), static_cast<LPARAM>(index));
}

void Notify(HWND list, int row) {
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(gCheckList.controlId, row), reinterpret_cast<LPARAM>(list));
}

void OpenTheme() {
    const VisualStyles* styles = gCheckList.styles;
    gCheckList.theme = styles && styles->InUse() ? styles->OpenThemeData(gCheckList.list, L"Button") : nullptr;
}

void CloseTheme() {
    if (gCheckList.theme && gCheckList.styles->CloseThemeData) gCheckList.styles->CloseThemeData(gCheckList.theme);
    gCheckList.theme = nullptr;
}

bool Themed() { return gCheckList.theme != nullptr && gCheckList.styles->InUse(); }

int RowAtPoint(HWND list, LPARAM pointParam) {
    LVHITTESTINFO hit{};
    hit.pt.x = static_cast<short>(LOWORD(pointParam));
    hit.pt.y = static_cast<short>(HIWORD(pointParam));
    return static_cast<int>(SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

// Clicks and Space tick the rows themselves; the rest is the list view's.
LRESULT CALLBACK CheckListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            if (wParam == VK_SPACE) {
                const int index = static_cast<int>(
                    SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
                if (const CheckListRow* row = RowAt(list, index)) {
                    const RowClick space = SpaceOnRow(row->flags);
                    if (space.toggle) SetCheckListRowTicked(list, index, (row->flags & kRowTicked) == 0);
                    if (space.notify) Notify(list, index);
                }
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const int index = RowAtPoint(list, lParam);
            if (const CheckListRow* row = RowAt(list, index)) {
                const RowClick click = ClickOnRow(row->flags);
                if (click.swallow) return 0;
                if (click.toggle) SetCheckListRowTicked(list, index, (row->flags & kRowTicked) == 0);
                if (click.notify) Notify(list, index);
            }
            break;
        }
        default:
            break;
    }
    return CallWindowProcA(gCheckList.previousProc, list, message, wParam, lParam);
}

int AppendRow(HWND list, CheckListRow* row) {
    LVITEMA item{};
    item.mask = LVIF_PARAM | LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = row->text;
    item.lParam = reinterpret_cast<LPARAM>(row);
    const int index = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) delete row;
    return index;
}

void DrawBox(HDC dc, const KRect& box, uint32_t flags) {
    RECT r{box.left, box.top, box.right, box.bottom};
    const bool radio = (flags & kRowRadio) != 0;
    if (Themed()) {
        gCheckList.styles->DrawThemeBackground(gCheckList.theme, dc, radio ? BP_RADIOBUTTON : BP_CHECKBOX,
                                               CheckBoxThemeState(flags), &r, nullptr);
        return;
    }
    UINT state = DFCS_FLAT | (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK);
    if (flags & kRowTicked) state |= DFCS_CHECKED;
    if (flags & kRowDisabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &r, DFC_BUTTON, state);
}

}  // namespace

bool SetUpCheckList(HWND list, int controlId, HINSTANCE module, int bitmapId, const VisualStyles& styles) {
    if (!list || gCheckList.list) return false;
    gCheckList.list = list;
    gCheckList.controlId = controlId;
    gCheckList.styles = &styles;

    RECT client{};
    GetClientRect(list, &client);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));

    if (bitmapId != -1)
        gCheckList.images.Reset(ImageList_LoadImageA(module, MAKEINTRESOURCEA(bitmapId), 16, 0, kHeadingImageKey,
                                                     IMAGE_BITMAP, LR_CREATEDIBSECTION));
    LOGFONTA font{};
    HFONT listFont = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    if (GetObjectA(listFont ? static_cast<HGDIOBJ>(listFont) : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) {
        font.lfWeight = FW_BOLD;
        gCheckList.boldFont.Reset(CreateFontIndirectA(&font));
    }
    OpenTheme();
    gCheckList.previousProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CheckListProc)));
    return true;
}

void TearDownCheckList() {
    HWND list = gCheckList.list;
    if (!list) return;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        CheckListRow* row = RowAt(list, i);
        if (!row) continue;
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        item.lParam = 0;
        SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        delete row;
    }
    if (gCheckList.previousProc)
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gCheckList.previousProc));
    CloseTheme();
    gCheckList = CheckListState{};
}

void CheckListThemeChanged() {
    if (!gCheckList.list) return;
    CloseTheme();
    OpenTheme();
}

int AddCheckListRow(HWND list, const char* text, int image, uint32_t flags) {
    auto* row = new (std::nothrow) CheckListRow{};
    if (!row) return -1;
    CopyText(row->text, text ? text : "");
    row->image = image;
    row->flags = flags;
    return AppendRow(list, row);
}

int AddCheckListStringRow(HWND list, HINSTANCE module, UINT id, int image, uint32_t flags) {
    auto* row = new (std::nothrow) CheckListRow{};
    if (!row) return -1;
    LoadStringA(module, id, row->text, sizeof row->text);
    row->image = image;
    row->flags = flags;
    return AppendRow(list, row);
}

uint32_t CheckListRowFlags(HWND list, int row) {
    const CheckListRow* r = RowAt(list, row);
    return r ? r->flags : 0;
}

bool IsCheckListRowTicked(HWND list, int row) { return (CheckListRowFlags(list, row) & kRowTicked) != 0; }

void SetCheckListRowTicked(HWND list, int row, bool on) {
    CheckListRow* r = RowAt(list, row);
    if (!r) return;
    const uint32_t flags = WithTicked(r->flags, on);
    if (flags == r->flags) return;
    r->flags = flags;
    RedrawRow(list, row);
}

void SetCheckListRowEnabled(HWND list, int row, bool on) {
    CheckListRow* r = RowAt(list, row);
    if (!r) return;
    r->flags = on ? (r->flags & ~kRowDisabled) : (r->flags | kRowDisabled);
    RedrawRow(list, row);
}

void MeasureCheckListRow(MEASUREITEMSTRUCT* measure) {
    if (measure->CtlType == ODT_LISTVIEW) measure->itemHeight = kCheckListRowHeight;
}

bool DrawCheckListRow(const DRAWITEMSTRUCT* draw) {
    if (draw->CtlType != ODT_LISTVIEW || draw->hwndItem != gCheckList.list) return false;
    const auto* row = reinterpret_cast<const CheckListRow*>(draw->itemData);
    if (!row) return false;
    HDC dc = draw->hDC;
    const RECT& rc = draw->rcItem;
    const bool disabled = (row->flags & kRowDisabled) != 0;
    const int saved = SaveDC(dc);

    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, "", 0, nullptr);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));

    int boxSize = kClassicCheckBoxSize;
    if (Themed()) boxSize = GetSystemMetrics(SM_CXMENUCHECK) + 2;
    const CheckRowPlan plan = PlanCheckRow(KRect{rc.left, rc.top, rc.right, rc.bottom}, row->flags, boxSize);

    if (plan.header) {
        if (gCheckList.images && row->image >= 0) {
            OwnedIcon icon(ImageList_GetIcon(gCheckList.images.Get(), row->image, ILD_NORMAL));
            if (icon)
                DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, plan.iconPos.x,
                           plan.iconPos.y, 16, 16, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
        }
        if (!disabled && gCheckList.boldFont) SelectObject(dc, gCheckList.boldFont.Get());
    } else {
        DrawBox(dc, plan.box, row->flags);
    }

    SIZE size{};
    GetTextExtentPoint32A(dc, row->text, lstrlenA(row->text), &size);
    const int textY = rc.top + (rc.bottom - rc.top - size.cy) / 2;
    if (!disabled) {
        RECT area{plan.textX - 3, textY - 3, plan.textX + size.cx + 5, textY + size.cy + 3};
        // A font taller than the row leaves it no margin: the highlight must
        // not reach into the rows around, which are not redrawn when the
        // selection moves on.
        IntersectRect(&area, &area, &rc);
        if (draw->itemState & ODS_SELECTED) {
            SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, "", 0, nullptr);
        }
        if (draw->itemState & ODS_FOCUS) DrawFocusRect(dc, &area);
    } else {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    SetBkMode(dc, TRANSPARENT);
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(row->text), static_cast<WPARAM>(lstrlenA(row->text)),
               plan.textX, textY, 0, 0, DST_TEXT);
    RestoreDC(dc, saved);
    return true;
}
