#include "base/core/text_encoding.h"

#include <cstdint>

TextEncoding EncodingOfMark(const char* bytes, size_t size, size_t* markLength) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    size_t length = 0;
    TextEncoding encoding = TextEncoding::kCodePage;
    if (b && size >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        encoding = TextEncoding::kUtf8;
        length = 3;
    } else if (b && size >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        encoding = TextEncoding::kUtf16Le;
        length = 2;
    } else if (b && size >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        encoding = TextEncoding::kUtf16Be;
        length = 2;
    }
    if (markLength) *markLength = length;
    return encoding;
}

bool IsNonAsciiUtf8(const char* bytes, size_t size) {
    if (!bytes) return false;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    bool nonAscii = false;
    for (size_t i = 0; i < size;) {
        const unsigned char c = b[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        size_t trail;
        uint32_t value;
        if (c >= 0xC2 && c <= 0xDF) {
            trail = 1;
            value = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            trail = 2;
            value = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            trail = 3;
            value = c & 0x07u;
        } else {
            return false;  // a trail byte first, an overlong lead, or past U+10FFFF
        }
        if (size - i <= trail) return false;
        for (size_t k = 1; k <= trail; ++k) {
            if ((b[i + k] & 0xC0) != 0x80) return false;
            value = (value << 6) | (b[i + k] & 0x3Fu);
        }
        const uint32_t least = trail == 2 ? 0x800 : trail == 3 ? 0x10000 : 0x80;
        if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
        i += trail + 1;
    }
    return nonAscii;
}
