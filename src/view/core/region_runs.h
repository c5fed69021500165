#pragma once
// The window shape from the composed panel picture: the rectangles of pixels
// that are not the transparent colour, and the mean colour of a small square.
// Pure: no Windows headers.
#include <cstdint>
#include <vector>

#include "base/core/types.h"

// pixels: a 32-bit bottom-up picture (blue, green, red, unused per pixel), row
// r at y = height - r - 1. Appends one rectangle per horizontal run of pixels
// whose red, green and blue differ from key, rows top to bottom and runs left
// to right; returns true when at least one pixel had the key colour.
bool OpaqueRuns(const uint32_t* pixels, int32_t width, int32_t height, ColorRef key, std::vector<KRect>& runs);

// The channel-wise mean of count colours (0 when count is not positive).
ColorRef AverageOf(const ColorRef* colors, int32_t count);

// True when a 32-bit DIB pixel (0x00RRGGBB) has the colour's red, green and blue.
inline bool SameRgb(uint32_t dibPixel, ColorRef c) {
    return ((dibPixel >> 16) & 0xFF) == (c & 0xFF) && ((dibPixel >> 8) & 0xFF) == ((c >> 8) & 0xFF) &&
           (dibPixel & 0xFF) == ((c >> 16) & 0xFF);
}
