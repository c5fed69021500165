#pragma once
// The panel's close button: an owner-drawn child button drawn from the skin's
// close image, or the standard looks' caption close button, with its own
// tooltip and hot tracking.
#include <windows.h>

#include "skin/skin_info.h"

// Hot and pressed state, kept in the high bits of the close button's align word.
constexpr unsigned kCloseHot = 0x10000000;
constexpr unsigned kClosePressed = 0x20000000;

HWND CreateCloseButton(HWND panel, int x, int y, int width, int height, int id);
// Destroys the button and its tooltip, when there are any.
void DestroyCloseButton();
// The button's face in the look of skin over rect of dc (clipped to it): the
// frame for the state, with the hot state taken from the skin's close align word.
void DrawCloseFace(HDC dc, const RECT& rect, const SkinInfo& skin, bool active, bool pressed);
// The owner-draw request of the button.
void DrawCloseButton(const DRAWITEMSTRUCT& item);
// The close image drawn straight into dc at the button's place (used while the
// button window is hidden during the software fade).
void DrawCloseInto(HDC dc);
