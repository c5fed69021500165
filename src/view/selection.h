#pragma once
// The selection cursor and the list under it: key and wheel requests, the
// animated scroll step, the cursor following the mouse, clicks, and the
// panel's reaction to (de)activation. Input handling calls launching, which
// calls showing and hiding; neither calls back.
#include <windows.h>

// A key pressed on the panel (the bound keys, then the item accelerators).
void OnKey(HWND window, UINT key);
// A wheel turn: delta as the message gives it; shift while Shift is held.
void OnWheel(HWND window, int delta, bool shift);
// Scrolls by the step already stored in the view state, in direction.
void StartScroll(HWND window, int direction);
// Timer 1: advances the slide and completes the step at its end.
void OnScrollTimer(HWND window);
// The cursor following the mouse to the row under the client point.
void FollowMouse(HWND window, POINT client);
// Left button down on the client area: drags the panel, or with single-click
// starting, counts as a middle click.
void OnLeftButtonDown(HWND window, POINT client);
// Left double click, middle click or middle double click: starts the current
// item when the point is in the click area, unless it is the click that
// activated the panel.
void OnLaunchClick(HWND window, POINT client);
// WM_ACTIVATE after the transparency was updated.
void OnActivate(HWND window, WPARAM state);
