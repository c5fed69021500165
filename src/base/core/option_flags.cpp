#include "base/core/option_flags.h"

#include <cstdio>
#include <cstring>

#include "base/core/text.h"

namespace {

bool InRange(int n) { return n >= 0 && n < kOptionBytes * 8; }

void SetBit(uint8_t* flags, int n) {
    if (InRange(n)) flags[n / 8] = static_cast<uint8_t>(flags[n / 8] | (1u << (n % 8)));
}

constexpr bool NumbersFitAndDiffer() {
    for (size_t i = 0; i < sizeof kOptionFlagRows / sizeof kOptionFlagRows[0]; ++i) {
        const int n = kOptionFlagRows[i].flag;
        if (n < 0 || n >= kOptionBytes * 8) return false;
        for (size_t j = 0; j < i; ++j)
            if (kOptionFlagRows[j].flag == n) return false;
    }
    return true;
}
static_assert(NumbersFitAndDiffer(), "every option flag needs its own number inside the set");

constexpr OptionFlag kDefaultOptions[] = {
    kOptMousePlace,        kOptFadeIn,       kOptSecondStartActivates, kOptMousePlaceAtCursor,
    kOptFoldersInPanel,    kOptFolderArrow,  kOptMouseActivation,      kOptHandCursor,
    kOptSingleClickStarts, kOptAccelerators, kOptIndentMedium,         kOptOtherPlaceAsMouse,
};

}  // namespace

int OptionLabelString(OptionFlag flag) {
    for (const OptionFlagRow& row : kOptionFlagRows)
        if (row.flag == flag) return row.labelString;
    return 0;
}

int IsOptionSet(const uint8_t* flags, OptionFlag flag) {
    const int n = flag;
    if (!InRange(n)) return 0;
    return (flags[n / 8] >> (n % 8)) & 1;
}

void SetOption(uint8_t* flags, OptionFlag flag) { SetBit(flags, flag); }

void ClearOption(uint8_t* flags, OptionFlag flag) {
    const int n = flag;
    if (InRange(n)) flags[n / 8] = static_cast<uint8_t>(flags[n / 8] & ~(1u << (n % 8)));
}

void PutOption(uint8_t* flags, OptionFlag flag, bool on) {
    if (on)
        SetOption(flags, flag);
    else
        ClearOption(flags, flag);
}

void SetDefaultOptions(uint8_t* flags) {
    for (OptionFlag flag : kDefaultOptions) SetOption(flags, flag);
}

void SetLegacyOptions(uint8_t* flags, int32_t legacy) {
    const uint32_t bits = static_cast<uint32_t>(legacy);
    for (int b = 0; b < 32; ++b)
        if (bits & (1u << b)) SetBit(flags, b);
}

void ParseOptionText(const char* text, uint8_t* flags) {
    std::memset(flags, 0, kOptionBytes);
    char field[256];
    for (int i = 0; i < kOptionBytes && GetToken(text, ',', i, field, sizeof field); ++i) {
        LowerAscii(field);
        flags[i] = static_cast<uint8_t>(ParseHex(field) & 0xFF);
    }
}

void FormatOptionText(const uint8_t* flags, char* out, size_t outSize) {
    char text[kOptionTextSize] = "";
    size_t used = 0;
    for (int i = 0; i < kOptionBytes; ++i) {
        std::snprintf(text + used, sizeof text - used, i ? ",%02x" : "%02x", flags[i]);
        used += i ? 3 : 2;
    }
    CopyText(out, outSize, text);
}
