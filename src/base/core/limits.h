#pragma once
// The ranges the program works in. A skin, a resize or the options page gives
// nothing outside them, and every number read from a file is held inside
// them, so that no size, position or time built from them can overflow.
#include <cstdint>

// Panel size and rows: a skin beyond them is refused; a drag stops at them.
constexpr int32_t kMaxPanelExtent = 8192;
constexpr int32_t kMaxItemCount = 1024;
constexpr int32_t kMaxItemHeight = 4096;
// Offsets inside a skin.
constexpr int32_t kMaxPosition = 16384;
// Point sizes beyond this are taken as this: larger fonts only make the text
// renderer crawl.
constexpr int32_t kMaxFontPoints = 400;
// Icon sizes beyond this are taken as this.
constexpr int32_t kMaxIconSize = 256;
// Window positions: the 16-bit coordinate space every Windows version keeps
// window rectangles in.
constexpr int32_t kMaxScreenCoordinate = 32767;
// The speed sliders' right end (units of 10 ms for scrolling, 50 ms for fading).
constexpr int32_t kMaxSpeed = 20;
// The most transparency the options offer: beyond it the panel would vanish
// while it is shown.
constexpr int32_t kMaxTransparency = 90;
