#pragma once
// The 128 numbered yes/no options. Option flag N is bit (N mod 8) of byte N/8.
#include <cstddef>
#include <cstdint>

constexpr int kOptionBytes = 16;
using OptionFlags = uint8_t[kOptionBytes];

int IsOptionSet(const uint8_t* flags, int n);
void SetOption(uint8_t* flags, int n);
void ClearOption(uint8_t* flags, int n);
void PutOption(uint8_t* flags, int n, bool on);

// Flags a fresh installation starts with, ended by 0xFFFF.
extern const uint16_t kDefaultOptionList[];
void SetDefaultOptions(uint8_t* flags);

// Option flags 0-31 from the older single-number "Flags" key.
void SetLegacyOptions(uint8_t* flags, int32_t legacy);

// "NFlags": comma-separated bytes in hexadecimal. Clears the set first. Fields
// are lower-cased; an unparsable or empty field stores 0xFF. Fields past the
// sixteenth are ignored.
void ParseOptionText(const char* text, uint8_t* flags);

// Sixteen two-digit lower-case hexadecimal bytes joined by commas (47 characters).
constexpr size_t kOptionTextSize = 48;
void FormatOptionText(const uint8_t* flags, char* out, size_t outSize);
