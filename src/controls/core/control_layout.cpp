#include "controls/core/control_layout.h"

namespace {

KRect Inset(const KRect& r, int32_t dx, int32_t dy) {
    return KRect{r.left + dx, r.top + dy, r.right - dx, r.bottom - dy};
}

}  // namespace

int PushButtonThemeState(const ButtonLook& look) {
    if (look.disabled) return kPushDisabled;
    if (look.pressed) return kPushPressed;
    return look.focused ? kPushFocused : kPushNormal;
}

IconButtonPlan PlanIconButton(const KRect& button, const ButtonLook& look, bool classic) {
    IconButtonPlan p{};
    p.content = button;
    if (classic && look.pressed && !look.disabled) {
        p.content.left += 1;
        p.content.top += 1;
        p.content.right += 1;
        p.content.bottom += 1;
    }
    p.focusRect = Inset(button, 3, 3);
    const int32_t d = (Height(p.content) - 16) / 2;
    p.iconPos = KPoint{p.content.left + 2 + d, p.content.top + d};
    p.textX = p.content.left + 29;
    return p;
}

ColourButtonPlan PlanColourButton(const KRect& button) {
    ColourButtonPlan p{};
    p.frame = Inset(button, 5, 3);
    p.swatch = Inset(p.frame, 2, 2);
    return p;
}

ComboRowPlan PlanComboRow(const KRect& row, int32_t textWidth) {
    ComboRowPlan p{};
    p.highlight = KRect{row.left + 20, row.top, row.left + 23 + textWidth, row.bottom};
    p.iconPos = KPoint{row.left + 2, row.top + (Height(row) - 16) / 2};
    p.textX = row.left + 21;
    return p;
}

int32_t RowIndent(uint32_t flags) {
    if (flags & kRowIndent3) return 54;
    if (flags & kRowIndent2) return 36;
    if (flags & kRowIndent1) return 18;
    return 0;
}

int CheckBoxThemeState(uint32_t flags) {
    const bool ticked = (flags & kRowTicked) != 0, disabled = (flags & kRowDisabled) != 0;
    if (ticked && disabled) return 8;
    if (disabled) return 4;
    if (ticked) return 5;
    return 1;
}

CheckRowPlan PlanCheckRow(const KRect& row, uint32_t flags, int32_t boxSize) {
    CheckRowPlan p{};
    int32_t x = RowIndent(flags);
    const int32_t h = Height(row);
    if (flags & kRowHeader) {
        p.header = true;
        p.iconPos = KPoint{row.left + x + 4, row.top + (h - 16) / 2};
        p.textX = row.left + x + 24;
        return p;
    }
    x += 18;
    const int32_t right = row.left + x + 18;
    const int32_t top = row.top + (h - boxSize) / 2;
    p.box = KRect{right - boxSize, top, right, top + boxSize};
    p.textX = row.left + x + 24;
    return p;
}

uint32_t WithTicked(uint32_t flags, bool on) {
    if (flags & (kRowHeader | kRowDisabled)) return flags;
    return on ? (flags | kRowTicked) : (flags & ~kRowTicked);
}

RowClick ClickOnRow(uint32_t flags) {
    if (flags & kRowDisabled) return RowClick{true, false, false};
    return RowClick{false, (flags & (kRowRadio | kRowHeader)) == 0, true};
}

RowClick SpaceOnRow(uint32_t flags) {
    return RowClick{false, (flags & (kRowRadio | kRowHeader | kRowDisabled)) == 0, true};
}
