#include "skin/core/skin_words.h"

#include <cstring>

#include "base/core/text.h"

namespace {

struct WordBit {
    const char* word;
    uint32_t bit;
};

constexpr WordBit kStretchWords[] = {{"background", kStretchBackground}, {"left", kStretchLeft},
                                     {"right", kStretchRight},           {"top", kStretchTop},
                                     {"bottom", kStretchBottom},         {"middle", kStretchMiddle}};
constexpr WordBit kAlignWords[] = {{"left", kAlignLeft},     {"right", kAlignRight},     {"top", kAlignTop},
                                   {"bottom", kAlignBottom}, {"hcenter", kAlignHCenter}, {"vcenter", kAlignVCenter}};
constexpr WordBit kStyleWords[] = {{"bold", kFontBold}, {"italic", kFontItalic}, {"underline", kFontUnderline}};
constexpr WordBit kResizeWords[] = {
    {"vertical", kResizeVertical}, {"horizontal", kResizeHorizontal}, {"fixed", kResizeFixed}};

// No keyword is this long, so a longer word can be cut without ever matching.
constexpr size_t kWordSize = 16;

// ORs the bits of the comma-separated words of text. One pass over the text,
// so thousands of commas cost nothing.
template <size_t N>
uint32_t MatchWords(const char* text, const WordBit (&table)[N]) {
    uint32_t bits = 0;
    if (!text) return 0;
    const char* p = text;
    while (*p) {
        char word[kWordSize];
        size_t used = 0;
        for (; *p && *p != ','; ++p)
            if (used + 1 < sizeof word) word[used++] = *p;
        word[used] = '\0';
        if (*p == ',') ++p;
        LowerAscii(word);
        for (const WordBit& w : table)
            if (std::strcmp(word, w.word) == 0) bits |= w.bit;
    }
    return bits;
}

// ParseDecimal over [begin, end): -1 for an empty range, a non-digit, or a
// value that comes out as -1 modulo 2^32.
int32_t ParseDecimalRange(const char* begin, const char* end) {
    if (begin == end) return -1;
    uint32_t value = 0;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9') return -1;
        value = value * 10u + static_cast<uint32_t>(*p - '0');
    }
    return static_cast<int32_t>(value);
}

int32_t Clamp32(int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

}  // namespace

bool ParseColor(char* text, ColorRef* color) {
    if (!text || !color) return false;
    RemoveChar(text, ' ');
    uint32_t channel[3];
    const char* p = text;
    for (int i = 0; i < 3; ++i) {
        const char* begin = p;
        while (*p && *p != ',') ++p;
        const int32_t v = ParseDecimalRange(begin, p);
        if (v == -1) return false;
        channel[i] = static_cast<uint32_t>(v) & 0xFFu;
        if (*p == ',')
            ++p;
        else if (i < 2)
            return false;  // a missing part
    }
    *color = channel[0] | channel[1] << 8 | channel[2] << 16;
    return true;
}

uint32_t ParseStretchWords(char* text) {
    RemoveChar(text, ' ');
    return MatchWords(text, kStretchWords);
}

uint32_t ParseAlignWords(char* text) {
    RemoveChar(text, ' ');
    return MatchWords(text, kAlignWords);
}

uint32_t ParseStyleWords(char* text) {
    RemoveChar(text, ' ');
    return MatchWords(text, kStyleWords);
}

uint32_t ParseResizeWords(char* text) {
    RemoveChar(text, ' ');
    return MatchWords(text, kResizeWords);
}

uint32_t ParseOldStyleWords(const char* text) { return MatchWords(text, kStyleWords); }

SkinVersion ParseSkinVersion(const char* text) {
    SkinVersion v{0, 0};
    if (!text || !*text) return v;
    char part[16];
    GetToken(text, '.', 0, part, sizeof part);
    v.major = ParseHex(part);
    if (GetToken(text, '.', 1, part, sizeof part)) v.minor = ParseHex(part);
    return v;
}

ColorRef SwapRedBlue(uint32_t rrggbb) { return (rrggbb & 0xFFu) << 16 | (rrggbb & 0xFF00u) | (rrggbb >> 16 & 0xFFu); }

ColorRef MixColors(ColorRef a, ColorRef b) {
    ColorRef out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = static_cast<int>(a >> shift & 0xFFu);
        const int cb = static_cast<int>(b >> shift & 0xFFu);
        int c = ca - (ca - cb) / 2;
        if (c < 0) c = 0;
        if (c > 255) c = 255;
        out |= static_cast<ColorRef>(c) << shift;
    }
    return out;
}

int32_t MulDivRound(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    int64_t product = static_cast<int64_t>(number) * numerator;
    int64_t d = denominator;
    if (d < 0) {
        d = -d;
        product = -product;
    }
    const int64_t r = product >= 0 ? (product + d / 2) / d : (product - d / 2) / d;
    if (r > INT32_MAX || r < INT32_MIN) return -1;
    return static_cast<int32_t>(r);
}

int32_t RoundUpToMultiple(int32_t g, int32_t step) {
    const int64_t s = step < 1 ? 1 : step;
    const int64_t v = g;
    int64_t q = v / s;
    if (q * s < v) ++q;  // division truncates toward zero; raise it
    return Clamp32(q * s);
}

int32_t DesignRowGrowth(const DesignGrowthInput& in) {
    int64_t g = 0, m = 0;
    if (!in.noIcons && in.designIconSize > 0 && in.skinIconSize != 0) {
        m = in.designIconSize;
        g = static_cast<int64_t>(in.designIconSize) - in.skinIconSize;
    }
    if (!in.noText) {
        const int32_t dpi = in.pixelsPerInchY;
        if (in.selectSize != 0 && in.selectPointSize != 0 && m < MulDivRound(in.selectSize, dpi, 72)) {
            m = MulDivRound(in.selectSize, dpi, 72);
            g = m - MulDivRound(in.selectPointSize, dpi, 72);
        }
        if (in.unselectSize != 0 && in.unselectPointSize != 0 && m < MulDivRound(in.unselectSize, dpi, 72))
            g = static_cast<int64_t>(MulDivRound(in.unselectSize, dpi, 72)) -
                MulDivRound(in.unselectPointSize, dpi, 72);
    }
    const int32_t growth = Clamp32(g);
    return growth == 0 ? 0 : RoundUpToMultiple(growth, in.increase);
}

int32_t SaturatingAdd(int32_t a, int64_t b) { return Clamp32(static_cast<int64_t>(a) + b); }
