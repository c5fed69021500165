#include "shell/core/popup_menu_layout.h"

#include <cstdio>

#include "base/core/text.h"

uint32_t MenuIconCell(int position) {
    // Options 2, reorder 5, refresh 4, About 3; the rest have none.
    static const uint32_t kCells[kTopMenuItems] = {0, 0, 2, 0, 5, 4, 0, 3, 0, 0};
    return position >= 0 && position < kTopMenuItems ? kCells[position] : 0;
}

void SplitMenuText(const char* text, char* left, char* right, size_t partSize) {
    GetToken(text ? text : "", '\t', 0, left, partSize);
    GetToken(text ? text : "", '\t', 1, right, partSize);
}

void MenuMeasureText(const char* text, char* out, size_t outSize) {
    char left[kPathSize], right[kPathSize];
    SplitMenuText(text, left, right, sizeof left);
    if (right[0])
        std::snprintf(out, outSize, "%s  %s", left, right);
    else
        std::snprintf(out, outSize, "%s  ", left);
}

KPoint MenuItemSize(int32_t textWidth, int32_t textHeight) {
    const int32_t h = textHeight + 6;
    return KPoint{textWidth + 36, h < 20 ? 20 : h};
}

MenuItemPlan PlanMenuItem(const KRect& r, const MenuItemLook& look) {
    MenuItemPlan p{};
    p.iconCell = -1;
    const int32_t h = Height(r);
    if (look.separator) {
        p.separator = true;
        const int32_t top = r.top + (h - 2) / 2;
        p.separatorRect = KRect{r.left + 22, top, r.right - 22, top + 2};
        return p;
    }
    if (look.grayed) {
        p.disabled = true;
    } else {
        p.fillBackground = true;
        if (look.selected) {
            p.highlight = true;
            if (look.iconCell != 0) {
                p.highlightRect = KRect{r.left + h, r.top, r.right, r.bottom};
                p.raisedEdge = true;
                p.edgeRect = KRect{r.left, r.top, r.left + h, r.top + h};
            } else {
                p.highlightRect = KRect{look.checked ? r.left + h : r.left, r.top, r.right, r.bottom};
            }
        }
    }
    if (look.checked)
        p.iconCell = look.selected ? kCellCheckedHighlighted : kCellChecked;
    else if (look.iconCell != 0)
        p.iconCell = static_cast<int>(look.iconCell);
    p.iconPos = KPoint{r.left + (h - kMenuIconSize) / 2, r.top + (h - kMenuIconSize) / 2};
    p.textX = r.left + h + 4;
    p.rightTextEnd = r.right - 16;
    return p;
}
