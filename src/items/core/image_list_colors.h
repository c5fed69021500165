#pragma once
// Colour flags of the panel and arrow image lists, from the desktop's colour
// depth. The values are those of the image-list creation flags.
#include <cstdint>

constexpr uint32_t kImageListMask = 0x0001;     // ILC_MASK
constexpr uint32_t kImageListDefault = 0x0000;  // ILC_COLOR
constexpr uint32_t kImageListColor4 = 0x0004;
constexpr uint32_t kImageListColor8 = 0x0008;
constexpr uint32_t kImageListColor16 = 0x0010;
constexpr uint32_t kImageListColor24 = 0x0018;
constexpr uint32_t kImageListColor32 = 0x0020;

// 4, 8, 16 and 32 bits per pixel give that colour depth; 24 gives 24-bit, or
// 32-bit when wants32Bit (kOptImageLists32Bit); any other depth the image list's
// default. The mask is always added.
uint32_t ImageListColorFlags(int bitsPerPixel, bool wants32Bit);
