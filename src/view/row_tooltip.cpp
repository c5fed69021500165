#include "view/row_tooltip.h"

#include <commctrl.h>

#include "base/program_windows.h"
#include "skin/skin_info.h"
#include "view/view_state.h"

namespace {

TOOLINFOA RowTool(HWND panel) {
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;  // the 40-byte record every comctl32 version takes
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = panel;
    ti.uId = kRowToolId;
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    return ti;
}

RECT RowRect(int row) {
    const int top = gSkin.itemTop + gSkin.itemHeight * row;
    return RECT{gSkin.itemLeft, top, gSkin.itemLeft + gSkin.itemWidth, top + gSkin.itemHeight};
}

}  // namespace

HWND CreateTooltip(HWND owner) {
    return CreateWindowExA(0, TOOLTIPS_CLASSA, "", TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, owner, nullptr, gWindows.instance, nullptr);
}

void AddRowTool(HWND panel, HWND tooltip) {
    if (!tooltip) return;
    TOOLINFOA ti = RowTool(panel);
    ti.rect = RowRect(gSkin.itemCount / 2);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageA(tooltip, TTM_ACTIVATE, FALSE, 0);
    gPanel.rowTipActive = false;
}

void MoveRowTool(HWND panel) {
    if (!gPanel.rowTooltip) return;
    TOOLINFOA ti = RowTool(panel);
    ti.rect = RowRect(gView.cursorRow);
    SendMessageA(gPanel.rowTooltip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void RefreshRowTip(HWND panel) {
    if (!gPanel.rowTooltip) return;
    TOOLINFOA ti = RowTool(panel);
    SendMessageA(gPanel.rowTooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void SetRowTipActive(bool active) {
    gPanel.rowTipActive = active;
    if (gPanel.rowTooltip) PostMessageA(gPanel.rowTooltip, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}
