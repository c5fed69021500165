#pragma once
// Line, field and number routines that every text format of the program is
// read with. Callers iterate GetLine/GetToken with index 0, 1, 2... and stop at
// the first false. Every copy respects the size of its out-buffer: a longer
// line or field is cut, never overflowed.
#include <cstddef>
#include <cstdint>

bool GetLine(const char* text, int index, char* out, size_t outSize);
bool GetToken(const char* text, char separator, int index, char* out, size_t outSize);
void RemoveChar(char* text, char ch);

// -1 for empty text or any character outside 0-9; otherwise the value modulo 2^32.
int32_t ParseDecimal(const char* text);
// -1 for empty text or any character outside 0-9a-f (lower case only); otherwise
// the value of the last eight digits (higher digits fall off the 32-bit value).
int32_t ParseHex(const char* text);

// The text after the last '.', empty when there is none.
void ExtensionOf(const char* name, char* out, size_t outSize);

// Bounded string copy: always terminates when outSize > 0.
void CopyText(char* out, size_t outSize, const char* text);

template <size_t N>
inline void CopyText(char (&out)[N], const char* text) {
    CopyText(out, N, text);
}

// A CP932 lead byte (0x81-0x9F, 0xE0-0xFC): the next byte belongs to the same
// character, whatever it looks like.
bool IsLeadByte(unsigned char c);

// Lower-cases ASCII letters in place, leaving the bytes of double-byte
// characters alone (their trail bytes may look like letters).
void LowerAscii(char* text);
