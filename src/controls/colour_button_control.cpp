#include "controls/colour_button_control.h"

#include "controls/core/control_layout.h"

namespace {

void Fill(HDC dc, const KRect& r, COLORREF colour) {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
}

}  // namespace

bool DrawColourButton(const DRAWITEMSTRUCT* draw, const ButtonDecoration* table) {
    const ButtonDecoration* row = DecorationToDraw(draw, table);
    if (!row) return false;
    HDC dc = draw->hDC;
    const ButtonLook look = LookOfButton(draw);
    const RECT& rc = draw->rcItem;
    const int saved = SaveDC(dc);
    DrawButtonFace(dc, rc, *row, look);
    if (!look.disabled) {
        const KRect button{rc.left, rc.top, rc.right, rc.bottom};
        const IconButtonPlan shifted = PlanIconButton(button, look, !ButtonThemed(*row));
        if (look.focused) {
            RECT focus{shifted.focusRect.left, shifted.focusRect.top, shifted.focusRect.right,
                       shifted.focusRect.bottom};
            DrawFocusRect(dc, &focus);
        }
        const ColourButtonPlan plan = PlanColourButton(shifted.content);
        Fill(dc, plan.frame, RGB(0, 0, 0));
        Fill(dc, plan.swatch, row->value & 0xFFFFFF);
    }
    RestoreDC(dc, saved);
    return true;
}
