#pragma once
// Push buttons with an icon from the button strip left of their text.
#include <windows.h>

#include "controls/button_table_control.h"

// WM_DRAWITEM: draws the button when it is in the table; false otherwise, so a
// dialog can offer the message to each of its tables.
bool DrawIconButton(const DRAWITEMSTRUCT* draw, const ButtonDecoration* table);
