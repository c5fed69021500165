#include "controls/button_table_control.h"

#include <commctrl.h>
#include <vsstyle.h>

#include "base/program_windows.h"
#include "base/visual_styles.h"
#include "controls/core/control_layout.h"
#include "resources/resource.h"

ButtonImages gButtonImages;

void AttachButtonThemes(HWND dialog, ButtonDecoration* table, const VisualStyles& styles) {
    const bool themed = styles.InUse();
    for (ButtonDecoration* row = table; row && row->id != 0; ++row) {
        row->theme = nullptr;
        row->styles = &styles;
        if (themed)
            if (HWND button = GetDlgItem(dialog, row->id)) row->theme = styles.OpenThemeData(button, L"Button");
    }
}

void ReleaseButtonThemes(ButtonDecoration* table) {
    for (ButtonDecoration* row = table; row && row->id != 0; ++row) {
        if (row->theme && row->styles && row->styles->CloseThemeData) row->styles->CloseThemeData(row->theme);
        row->theme = nullptr;
    }
}

void ButtonThemesChanged(HWND dialog, ButtonDecoration* table) {
    if (!table || table->id == 0 || !table->styles) return;
    const VisualStyles& styles = *table->styles;
    ReleaseButtonThemes(table);
    AttachButtonThemes(dialog, table, styles);
}

const ButtonDecoration* FindButtonDecoration(const ButtonDecoration* table, UINT id) {
    for (const ButtonDecoration* row = table; row && row->id != 0; ++row)
        if (static_cast<UINT>(row->id) == id) return row;
    return nullptr;
}

const ButtonDecoration* DecorationToDraw(const DRAWITEMSTRUCT* draw, const ButtonDecoration* table) {
    return draw->CtlType == ODT_BUTTON ? FindButtonDecoration(table, draw->CtlID) : nullptr;
}

bool HoldButtonImages() {
    if (!gButtonImages.images) {
        HINSTANCE module = ResourceModule();
        gButtonImages.images.Reset(ImageList_LoadImageA(module, MAKEINTRESOURCEA(IDB_BUTTON_IMAGES), 16, 0,
                                                        RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION));
        if (!gButtonImages.images) return false;
    }
    ++gButtonImages.holders;
    return true;
}

void ReleaseButtonImages() {
    if (gButtonImages.holders > 0 && --gButtonImages.holders == 0) gButtonImages.images.Reset();
}

bool ButtonThemed(const ButtonDecoration& row) { return row.theme != nullptr && row.styles && row.styles->InUse(); }

void DrawButtonFace(HDC dc, const RECT& rect, const ButtonDecoration& row, const ButtonLook& look) {
    if (ButtonThemed(row)) {
        row.styles->DrawThemeBackground(row.theme, dc, BP_PUSHBUTTON, PushButtonThemeState(look), &rect, nullptr);
        return;
    }
    UINT state = DFCS_BUTTONPUSH;
    if (look.disabled)
        state |= DFCS_INACTIVE;
    else if (look.pressed)
        state |= DFCS_PUSHED;
    RECT r = rect;
    DrawFrameControl(dc, &r, DFC_BUTTON, state);
}

ButtonLook LookOfButton(const DRAWITEMSTRUCT* draw) {
    ButtonLook look{};
    look.pressed = (draw->itemState & ODS_SELECTED) != 0;
    look.focused = (draw->itemState & ODS_FOCUS) != 0;
    look.disabled = (draw->itemState & ODS_DISABLED) != 0;
    return look;
}
