#pragma once
// The row tooltip: the full name of the current item when the cursor row cuts
// it off.
#include <windows.h>

constexpr UINT_PTR kRowToolId = 1002;

// A tooltip window (always shown, even over an inactive owner) owned by owner.
HWND CreateTooltip(HWND owner);
// Adds the row tool on the middle row and deactivates the tooltip.
void AddRowTool(HWND panel, HWND tooltip);
// Moves the row tool to the cursor row.
void MoveRowTool(HWND panel);
// Makes the tooltip ask for its text again at the next showing.
void RefreshRowTip(HWND panel);
// Switches the row tooltip on or off (posted; does nothing without a tooltip).
void SetRowTipActive(bool active);
