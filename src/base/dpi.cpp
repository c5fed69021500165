#include "base/dpi.h"

#include "base/handles.h"

int PixelsPerInchY(HWND window) {
    WindowDc dc(window);
    const int dpi = dc ? GetDeviceCaps(dc.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}
