#pragma once
// Push buttons that show a colour swatch, such as the design page's colours.
#include <windows.h>

#include "controls/button_table_control.h"

// WM_DRAWITEM: draws the swatch of the table's colour for the button; false
// when the button is not in the table.
bool DrawColourButton(const DRAWITEMSTRUCT* draw, const ButtonDecoration* table);
