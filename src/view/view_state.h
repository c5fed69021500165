#pragma once
// The panel view's single record: which item is on the cursor row, and the
// panel's surfaces. The selection, scrolling and drawing code fill in the rest.
#include <windows.h>

#include <cstdint>

struct ViewState {
    int32_t currentIndex = 0;  // saved as [General] "IconIndex"
    int32_t cursorRow = 0;
    HDC backBuffer = nullptr;  // the panel is painted from here
    RECT clickArea{};          // client rectangle in which clicks start items
};

extern ViewState gView;
