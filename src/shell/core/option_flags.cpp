#include "shell/core/option_flags.h"

#include <cstdio>
#include <cstring>

#include "shell/core/text.h"

namespace {
bool InRange(int n) { return n >= 0 && n < kOptionBytes * 8; }
}  // namespace

int IsOptionSet(const uint8_t* flags, int n) {
    if (!InRange(n)) return 0;
    return (flags[n / 8] >> (n % 8)) & 1;
}

void SetOption(uint8_t* flags, int n) {
    if (InRange(n)) flags[n / 8] = static_cast<uint8_t>(flags[n / 8] | (1u << (n % 8)));
}

void ClearOption(uint8_t* flags, int n) {
    if (InRange(n)) flags[n / 8] = static_cast<uint8_t>(flags[n / 8] & ~(1u << (n % 8)));
}

void PutOption(uint8_t* flags, int n, bool on) {
    if (on)
        SetOption(flags, n);
    else
        ClearOption(flags, n);
}

const uint16_t kDefaultOptionList[] = {4, 5, 13, 15, 21, 23, 26, 31, 32, 42, 54, 62, 0xFFFF};

void SetDefaultOptions(uint8_t* flags) {
    for (const uint16_t* n = kDefaultOptionList; *n != 0xFFFF; ++n) SetOption(flags, *n);
}

void SetLegacyOptions(uint8_t* flags, int32_t legacy) {
    const uint32_t bits = static_cast<uint32_t>(legacy);
    for (int b = 0; b < 32; ++b)
        if (bits & (1u << b)) SetOption(flags, b);
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
