#include "controls/icon_button_control.h"

#include <commctrl.h>
#include <vsstyle.h>

#include "base/visual_styles.h"
#include "controls/core/control_layout.h"

namespace {

void DrawCaption(HDC dc, HWND button, const ButtonDecoration& row, const ButtonLook& look, const RECT& content,
                 int textX) {
    char text[64] = "";
    GetWindowTextA(button, text, sizeof text);
    if (ButtonThemed(row)) {
        wchar_t wide[64] = L"";
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 64);
        RECT r{textX, content.top, content.right, content.bottom};
        row.styles->DrawThemeText(row.theme, dc, BP_PUSHBUTTON, PushButtonThemeState(look), wide, -1,
                                  DT_LEFT | DT_VCENTER | DT_SINGLELINE, 0, &r);
        return;
    }
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const int y = content.top + (content.bottom - content.top - size.cy) / 2;
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), static_cast<WPARAM>(lstrlenA(text)), textX, y, 0,
               0, DST_PREFIXTEXT | (look.disabled ? DSS_DISABLED : DSS_NORMAL));
}

}  // namespace

bool DrawIconButton(const DRAWITEMSTRUCT* draw, const ButtonDecoration* table) {
    const ButtonDecoration* row = DecorationToDraw(draw, table);
    if (!row) return false;
    HDC dc = draw->hDC;
    const ButtonLook look = LookOfButton(draw);
    const RECT& rc = draw->rcItem;
    const KRect button{rc.left, rc.top, rc.right, rc.bottom};
    const IconButtonPlan plan = PlanIconButton(button, look, !ButtonThemed(*row));

    const int saved = SaveDC(dc);
    DrawButtonFace(dc, rc, *row, look);
    if (look.focused) {
        RECT focus{plan.focusRect.left, plan.focusRect.top, plan.focusRect.right, plan.focusRect.bottom};
        DrawFocusRect(dc, &focus);
    }
    if (gButtonImages.images) {
        OwnedIcon icon(ImageList_GetIcon(gButtonImages.images.Get(), static_cast<int>(row->value), ILD_NORMAL));
        if (icon)
            DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, plan.iconPos.x, plan.iconPos.y,
                       16, 16, DST_ICON | (look.disabled ? DSS_DISABLED : DSS_NORMAL));
    }
    const RECT content{plan.content.left, plan.content.top, plan.content.right, plan.content.bottom};
    DrawCaption(dc, draw->hwndItem, *row, look, content, plan.textX);
    RestoreDC(dc, saved);
    return true;
}
