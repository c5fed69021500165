#include "base/window_helpers.h"

#include "base/core/window_math.h"

void CenterWindow(HWND over, HWND window) {
    RECT work{}, reference{}, own{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (over)
        GetWindowRect(over, &reference);
    else
        reference = work;
    GetWindowRect(window, &own);
    const int w = own.right - own.left, h = own.bottom - own.top;
    const KPoint at = CenteredPosition(KRect{reference.left, reference.top, reference.right, reference.bottom}, w, h,
                                       KRect{work.left, work.top, work.right, work.bottom});
    MoveWindow(window, at.x, at.y, w, h, TRUE);
}
