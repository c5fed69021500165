#include "controls/image_combo_control.h"

#include <commctrl.h>

#include <new>

#include "base/core/text.h"
#include "base/visual_styles.h"
#include "controls/core/control_layout.h"

namespace {

ImageComboRow* RowAt(HWND combo, int index) {
    if (index < 0) return nullptr;
    const LRESULT data = SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == CB_ERR) return nullptr;
    return reinterpret_cast<ImageComboRow*>(data);
}

void OpenTheme(ImageCombo* combo) {
    combo->theme = combo->styles->InUse() ? combo->styles->OpenThemeData(combo->combo, L"Combobox") : nullptr;
}

void CloseTheme(ImageCombo* combo) {
    if (combo->theme && combo->styles->CloseThemeData) combo->styles->CloseThemeData(combo->theme);
    combo->theme = nullptr;
}

}  // namespace

ImageCombo* CreateImageCombo(HWND combo, HINSTANCE module, int bitmapId, COLORREF mask, const VisualStyles& styles) {
    auto* record = new (std::nothrow) ImageCombo;
    if (!record) return nullptr;
    record->combo = combo;
    record->styles = &styles;
    if (bitmapId != -1)
        record->images.Reset(
            ImageList_LoadImageA(module, MAKEINTRESOURCEA(bitmapId), 16, 0, mask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    OpenTheme(record);
    return record;
}

int AddImageComboRow(HWND combo, const char* text, int image, void* data) {
    auto* row = new (std::nothrow) ImageComboRow{};
    if (!row) return -1;
    CopyText(row->text, text ? text : "");
    row->image = image;
    row->data = data;
    const LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    if (index < 0) {
        delete row;
        return -1;
    }
    return static_cast<int>(index);
}

void* ImageComboRowData(HWND combo, int index) {
    const ImageComboRow* row = RowAt(combo, index);
    return row ? row->data : nullptr;
}

void* ImageComboSelectionData(HWND combo) {
    return ImageComboRowData(combo, static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)));
}

void MeasureImageComboRow(MEASUREITEMSTRUCT* measure) { measure->itemHeight = 16; }

bool DrawImageComboRow(const DRAWITEMSTRUCT* draw, const ImageCombo* combo) {
    if (!combo || draw->CtlType != ODT_COMBOBOX || draw->hwndItem != combo->combo) return false;
    const ImageComboRow* row = RowAt(combo->combo, static_cast<int>(draw->itemID));
    if (!row) return false;
    HDC dc = draw->hDC;
    const RECT& rc = draw->rcItem;
    const bool focused = (draw->itemState & ODS_FOCUS) != 0;
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw->itemState & ODS_DISABLED) != 0 || !IsWindowEnabled(combo->combo);
    const UINT stateFlag = disabled ? DSS_DISABLED : DSS_NORMAL;

    const int saved = SaveDC(dc);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    if (draw->itemAction == ODA_DRAWENTIRE || selected || focused)
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, "", 0, nullptr);
    if (focused) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    }
    SIZE size{};
    GetTextExtentPoint32A(dc, row->text, lstrlenA(row->text), &size);
    const ComboRowPlan plan = PlanComboRow(KRect{rc.left, rc.top, rc.right, rc.bottom}, size.cx);
    const RECT area{plan.highlight.left, plan.highlight.top, plan.highlight.right, plan.highlight.bottom};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, "", 0, nullptr);
    if (focused) DrawFocusRect(dc, &area);
    if (row->image >= 0 && combo->images) {
        OwnedIcon icon(ImageList_GetIcon(combo->images.Get(), row->image, ILD_NORMAL));
        if (icon)
            DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, plan.iconPos.x, plan.iconPos.y,
                       16, 16, DST_ICON | stateFlag);
    }
    SetBkMode(dc, TRANSPARENT);
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(row->text), static_cast<WPARAM>(lstrlenA(row->text)),
               plan.textX, rc.top + (rc.bottom - rc.top - size.cy) / 2, 0, 0, DST_PREFIXTEXT | stateFlag);
    RestoreDC(dc, saved);
    return true;
}

void ImageComboThemeChanged(ImageCombo* combo) {
    if (!combo) return;
    CloseTheme(combo);
    OpenTheme(combo);
}

void DestroyImageCombo(ImageCombo* combo, void (*freeData)(void*)) {
    if (!combo) return;
    const int count = static_cast<int>(SendMessageA(combo->combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ImageComboRow* row = RowAt(combo->combo, i);
        if (!row) continue;
        if (freeData && row->data) freeData(row->data);
        delete row;
        SendMessageA(combo->combo, CB_SETITEMDATA, static_cast<WPARAM>(i), 0);
    }
    CloseTheme(combo);
    delete combo;
}
