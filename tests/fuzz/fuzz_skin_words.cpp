// Feeds arbitrary bytes through the skin value parsers and the bitmap header
// check. The first byte chooses the parser; the rest is the text or the file.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "skin/core/bitmap_check.h"
#include "skin/core/skin_words.h"

namespace {

int32_t Int(const uint8_t* p) {
    int32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t choice = data[0];
    std::vector<char> text(data + 1, data + size);
    text.push_back('\0');
    const size_t length = std::strlen(text.data());

    switch (choice % 5) {
        case 0: {
            ColorRef color = 0x12345678;
            const bool parsed = ParseColor(text.data(), &color);
            if (!parsed && color != 0x12345678) __builtin_trap();  // refused text leaves the colour alone
            if (parsed && color > 0xFFFFFF) __builtin_trap();
            if (std::strchr(text.data(), ' ')) __builtin_trap();  // blanks are gone
            break;
        }
        case 1: {
            std::vector<char> copy(text);
            if (ParseStretchWords(text.data()) & ~kStretchMask) __builtin_trap();
            if (ParseAlignWords(copy.data()) & ~kAlignMask) __builtin_trap();
            break;
        }
        case 2: {
            std::vector<char> copy(text);
            const uint32_t style = ParseStyleWords(text.data());
            if (style & ~(kFontBold | kFontItalic | kFontUnderline)) __builtin_trap();
            if (ParseOldStyleWords(copy.data()) & ~(kFontBold | kFontItalic | kFontUnderline)) __builtin_trap();
            if (ParseResizeWords(copy.data()) & ~7u) __builtin_trap();
            ParseSkinVersion(copy.data());
            break;
        }
        case 3: {
            BitmapFacts facts{};
            const size_t head = size - 1 < kBitmapHeadBytes ? size - 1 : kBitmapHeadBytes;
            if (CheckBitmapHeader(data + 1, head, size - 1, &facts)) {
                if (facts.width < 1 || facts.height < 1) __builtin_trap();
                if (static_cast<int64_t>(facts.width) * facts.height > kMaxBitmapPixels) __builtin_trap();
            }
            if (length >= 4) {
                const size_t count = (size - 1) / 4;
                std::vector<uint32_t> pixels(count);
                std::memcpy(pixels.data(), data + 1, count * 4);
                PixelsContainColor(pixels.data(), count, static_cast<ColorRef>(Int(data + 1)));
            }
            break;
        }
        default: {
            if (size < 1 + 10 * 4) return 0;
            DesignGrowthInput in{};
            in.designIconSize = Int(data + 1);
            in.skinIconSize = Int(data + 5);
            in.selectSize = Int(data + 9);
            in.unselectSize = Int(data + 13);
            in.selectPointSize = Int(data + 17);
            in.unselectPointSize = Int(data + 21);
            in.pixelsPerInchY = Int(data + 25);
            in.increase = Int(data + 29);
            in.noIcons = data[33] & 1;
            in.noText = data[34] & 1;
            const int32_t g = DesignRowGrowth(in);
            if (g != 0 && in.increase > 1 && g != INT32_MAX && g != -INT32_MAX && g % in.increase != 0)
                __builtin_trap();
            MixColors(static_cast<ColorRef>(Int(data + 33)), static_cast<ColorRef>(Int(data + 37)));
            MulDivRound(Int(data + 1), Int(data + 5), Int(data + 9));
            SaturatingAdd(Int(data + 13), static_cast<int64_t>(Int(data + 17)) * Int(data + 21));
            break;
        }
    }
    return 0;
}
