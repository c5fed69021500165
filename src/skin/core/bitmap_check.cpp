#include "skin/core/bitmap_check.h"

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

constexpr size_t kFileHeader = 14;
constexpr uint32_t kCoreHeader = 12;  // OS/2 1.x: 16-bit width and height, 3-byte palette entries

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;

bool KnownInfoSize(uint32_t size) {
    return size == kCoreHeader || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

}  // namespace

bool CheckBitmapHeader(const uint8_t* head, size_t headSize, uint64_t fileSize, BitmapFacts* facts) {
    if (!head || headSize < kFileHeader + 4 || headSize > fileSize) return false;
    if (head[0] != 'B' || head[1] != 'M') return false;
    const uint32_t dataOffset = U32(head + 10);
    const uint32_t infoSize = U32(head + 14);
    if (!KnownInfoSize(infoSize) || headSize < kFileHeader + infoSize) return false;
    if (dataOffset < kFileHeader + infoSize || dataOffset > fileSize) return false;

    const uint8_t* info = head + kFileHeader;
    int64_t width, height;
    uint16_t planes, bitCount;
    uint32_t compression = kRgb, sizeImage = 0, colorsUsed = 0;
    if (infoSize == kCoreHeader) {
        width = U16(info + 4);
        height = U16(info + 6);
        planes = U16(info + 8);
        bitCount = U16(info + 10);
    } else {
        width = static_cast<int32_t>(U32(info + 4));
        height = static_cast<int32_t>(U32(info + 8));
        planes = U16(info + 12);
        bitCount = U16(info + 14);
        compression = U32(info + 16);
        sizeImage = U32(info + 20);
        colorsUsed = U32(info + 32);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide) return false;
    if (width * height > kMaxBitmapPixels) return false;
    if (planes != 1) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;

    // Palette (and colour masks) between the info header and the pixels.
    uint64_t tableEnd = kFileHeader + infoSize;
    if (bitCount <= 8) {
        const uint32_t most = 1u << bitCount;
        if (colorsUsed > most) return false;
        tableEnd += static_cast<uint64_t>(colorsUsed ? colorsUsed : most) * (infoSize == kCoreHeader ? 3 : 4);
    } else if (infoSize == 40 && (compression == kBitfields || compression == kAlphaBitfields)) {
        tableEnd += compression == kBitfields ? 12 : 16;
    }
    if (tableEnd > fileSize) return false;

    uint64_t dataSize;
    switch (compression) {
        case kBitfields:
        case kAlphaBitfields:
            if (bitCount != 16 && bitCount != 32) return false;
            [[fallthrough]];
        case kRgb:
            // Rows are padded to whole 32-bit words.
            dataSize = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4 * static_cast<uint64_t>(height);
            break;
        case kRle8:
        case kRle4:
            // Run-length pictures: only the stated size can be checked.
            if (bitCount != (compression == kRle8 ? 8 : 4) || topDown || sizeImage == 0) return false;
            dataSize = sizeImage;
            break;
        default:
            return false;  // JPEG, PNG and the rest are not skin bitmaps
    }
    if (static_cast<uint64_t>(dataOffset) + dataSize > fileSize) return false;

    if (facts) {
        facts->width = static_cast<int32_t>(width);
        facts->height = static_cast<int32_t>(height);
        facts->bitCount = bitCount;
    }
    return true;
}

bool PixelsContainColor(const uint32_t* pixels, size_t count, ColorRef color) {
    if (!pixels) return false;
    const uint32_t wanted = (color & 0xFFu) << 16 | (color & 0xFF00u) | (color >> 16 & 0xFFu);
    for (size_t i = 0; i < count; ++i)
        if ((pixels[i] & 0xFFFFFFu) == wanted) return true;
    return false;
}
