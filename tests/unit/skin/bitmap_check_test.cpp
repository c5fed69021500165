#include "skin/core/bitmap_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A complete .bmp file with a 40-byte info header, pixel data zero-filled.
std::vector<uint8_t> Bmp(int32_t w, int32_t h, uint16_t bits, uint32_t compression = 0, uint32_t colorsUsed = 0) {
    const uint32_t palette = bits <= 8 ? (colorsUsed ? colorsUsed : 1u << bits) * 4 : 0;
    const uint32_t offset = 14 + 40 + palette;
    const uint32_t absH = static_cast<uint32_t>(h < 0 ? -h : h);
    const uint32_t data = (static_cast<uint32_t>(w) * bits + 31) / 32 * 4 * absH;
    std::vector<uint8_t> b(offset + data);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, offset);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<uint32_t>(w));
    Put32(b, 22, static_cast<uint32_t>(h));
    Put16(b, 26, 1);
    Put16(b, 28, bits);
    Put32(b, 30, compression);
    Put32(b, 46, colorsUsed);
    return b;
}

bool Check(const std::vector<uint8_t>& b, BitmapFacts* facts = nullptr) {
    const size_t head = b.size() < kBitmapHeadBytes ? b.size() : kBitmapHeadBytes;
    return CheckBitmapHeader(b.data(), head, b.size(), facts);
}

TEST(CheckBitmapHeader, AcceptsTheUsualDepths) {
    for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
        BitmapFacts f{};
        EXPECT_TRUE(Check(Bmp(30, 7, bits), &f)) << bits;
        EXPECT_EQ(f.width, 30);
        EXPECT_EQ(f.height, 7);
        EXPECT_EQ(f.bitCount, bits);
    }
}

TEST(CheckBitmapHeader, TopDownPicturesReportAPositiveHeight) {
    BitmapFacts f{};
    EXPECT_TRUE(Check(Bmp(4, -3, 32), &f));
    EXPECT_EQ(f.height, 3);
}

TEST(CheckBitmapHeader, AcceptsTheOs2CoreHeader) {
    // 2 x 2, 24 bits: rows of 6 bytes padded to 8.
    std::vector<uint8_t> b(14 + 12 + 16);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 26);
    Put32(b, 14, 12);
    Put16(b, 18, 2);
    Put16(b, 20, 2);
    Put16(b, 22, 1);
    Put16(b, 24, 24);
    EXPECT_TRUE(Check(b));
    b.pop_back();
    EXPECT_FALSE(Check(b));
}

TEST(CheckBitmapHeader, RefusesTruncatedFiles) {
    std::vector<uint8_t> b = Bmp(16, 16, 24);
    EXPECT_TRUE(Check(b));
    b.pop_back();
    EXPECT_FALSE(Check(b));
    std::vector<uint8_t> headerOnly(b.begin(), b.begin() + 54);
    EXPECT_FALSE(Check(headerOnly));
    std::vector<uint8_t> tiny(b.begin(), b.begin() + 20);
    EXPECT_FALSE(Check(tiny));
    EXPECT_FALSE(CheckBitmapHeader(b.data(), 0, 0, nullptr));
    EXPECT_FALSE(CheckBitmapHeader(nullptr, 0, 100, nullptr));
}

TEST(CheckBitmapHeader, RefusesAPaletteBeyondTheFile) {
    std::vector<uint8_t> b = Bmp(1, 1, 8);
    Put32(b, 46, 300);  // more colours than 8 bits can index
    EXPECT_FALSE(Check(b));
    b = Bmp(1, 1, 8, 0, 2);
    EXPECT_TRUE(Check(b));
}

TEST(CheckBitmapHeader, RefusesZeroSizedAndHugePictures) {
    EXPECT_FALSE(Check(Bmp(0, 5, 24)));
    EXPECT_FALSE(Check(Bmp(5, 0, 24)));
    std::vector<uint8_t> b = Bmp(1, 1, 24);
    Put32(b, 18, 0xFFFFFFFFu);  // width -1
    EXPECT_FALSE(Check(b));
    Put32(b, 18, 1);
    Put32(b, 22, 0x80000000u);  // height INT32_MIN
    EXPECT_FALSE(Check(b));
    // Claims 20000 x 20000 in a small file, and 4000 x 4000 (16 M pixels) in a file that holds it.
    b = Bmp(1, 1, 24);
    Put32(b, 18, 20000);
    Put32(b, 22, 20000);
    EXPECT_FALSE(Check(b));
    Put32(b, 18, 4000);
    Put32(b, 22, 4000);
    EXPECT_FALSE(CheckBitmapHeader(b.data(), b.size(), uint64_t{1} << 40, nullptr));
    EXPECT_TRUE(Check(Bmp(2048, 1024, 1)));
}

TEST(CheckBitmapHeader, RefusesForeignHeadersAndCompression) {
    std::vector<uint8_t> b = Bmp(2, 2, 24);
    b[0] = 'P';
    EXPECT_FALSE(Check(b));
    b = Bmp(2, 2, 24);
    Put32(b, 14, 41);  // unknown info size
    EXPECT_FALSE(Check(b));
    b = Bmp(2, 2, 24);
    Put16(b, 26, 2);  // planes
    EXPECT_FALSE(Check(b));
    b = Bmp(2, 2, 24);
    Put16(b, 28, 7);
    EXPECT_FALSE(Check(b));
    EXPECT_FALSE(Check(Bmp(2, 2, 24, 5)));  // PNG inside
    EXPECT_FALSE(Check(Bmp(2, 2, 24, 3)));  // bit fields need 16 or 32 bits
    b = Bmp(2, 2, 24);
    Put32(b, 10, 20);  // pixels inside the header
    EXPECT_FALSE(Check(b));
    Put32(b, 10, 0xFFFFFFF0u);
    EXPECT_FALSE(Check(b));
}

TEST(CheckBitmapHeader, RunLengthPicturesNeedTheirStatedSize) {
    std::vector<uint8_t> b = Bmp(8, 8, 8, 1);
    EXPECT_FALSE(Check(b));  // no image size given
    Put32(b, 34, 16);
    EXPECT_TRUE(Check(b));
    Put32(b, 34, 100000);
    EXPECT_FALSE(Check(b));
    b = Bmp(8, -8, 8, 1);
    Put32(b, 34, 16);
    EXPECT_FALSE(Check(b));  // run-length pictures cannot be top-down
}

TEST(PixelsContainColor, ComparesRedGreenAndBlueOnly) {
    const uint32_t green = 0x0000FF00, red = 0x00FF0000;   // DIB order 0x00RRGGBB
    const uint32_t pixels[] = {red, red, 0xFF00FF00u};     // the last has a stray top byte
    EXPECT_TRUE(PixelsContainColor(pixels, 3, 0x00FF00));  // colour value order 0x00BBGGRR
    EXPECT_FALSE(PixelsContainColor(pixels, 2, 0x00FF00));
    EXPECT_TRUE(PixelsContainColor(pixels, 1, 0x0000FF));
    EXPECT_FALSE(PixelsContainColor(&green, 1, 0xFF00FF));
    EXPECT_FALSE(PixelsContainColor(nullptr, 5, 0));
    EXPECT_FALSE(PixelsContainColor(pixels, 0, 0x0000FF));
}

}  // namespace
