#pragma once
#include "base/core/types.h"

// Top-left corner that centres a w x h window over reference, then keeps it on
// the work area: negative coordinates rise to 0, and a window that would end
// past the work area's width or height (counted from 0) is moved back so it
// ends there.
KPoint CenteredPosition(const KRect& reference, int32_t w, int32_t h, const KRect& workArea);

// Linear interpolation over a time span: from at or before 0, to at or after
// length, truncated in between.
int32_t Interpolate(int32_t length, int32_t elapsed, int32_t from, int32_t to);
