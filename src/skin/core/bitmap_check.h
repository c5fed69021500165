#pragma once
// Checks of skin bitmaps that need no system calls: whether a .bmp file's
// headers describe a picture its file can hold, at a size the panel can afford,
// before the system's loader reads it; and the search for the transparent colour.
#include <cstddef>
#include <cstdint>

#include "base/core/types.h"

// Bytes of a .bmp file's start that CheckBitmapHeader wants to see: the file
// header, the largest info header and a full 256-colour palette.
constexpr size_t kBitmapHeadBytes = 14 + 124 + 256 * 4;

// Larger pictures are refused: no skin needs them, and a bitmap of the screen's
// depth at this size already takes tens of megabytes.
constexpr int32_t kMaxBitmapSide = 16384;
constexpr int64_t kMaxBitmapPixels = 8 * 1024 * 1024;

struct BitmapFacts {
    int32_t width;
    int32_t height;  // always positive; bottom-up and top-down alike
    uint16_t bitCount;
};

// True when head (the first headSize bytes of a file of fileSize bytes) is a
// Windows or OS/2 bitmap header with a sane size, depth and compression whose
// palette and pixel data lie within the file.
bool CheckBitmapHeader(const uint8_t* head, size_t headSize, uint64_t fileSize, BitmapFacts* facts);

// True when one of count 32-bit DIB pixels (0x00RRGGBB, the top byte ignored)
// has the red, green and blue of color (a 0x00BBGGRR colour value).
bool PixelsContainColor(const uint32_t* pixels, size_t count, ColorRef color);
