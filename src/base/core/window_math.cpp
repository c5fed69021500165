#include "base/core/window_math.h"

KPoint CenteredPosition(const KRect& reference, int32_t w, int32_t h, const KRect& workArea) {
    int32_t left = reference.left + (Width(reference) - w) / 2;
    int32_t top = reference.top + (Height(reference) - h) / 2;
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    if (left + w > Width(workArea)) left = Width(workArea) - w;
    if (top + h > Height(workArea)) top = Height(workArea) - h;
    return {left, top};
}

int32_t Interpolate(int32_t length, int32_t elapsed, int32_t from, int32_t to) {
    if (elapsed <= 0) return from;
    if (elapsed >= length) return to;
    const double step = static_cast<double>(to - from) / length;
    return static_cast<int32_t>(from + step * elapsed);
}
