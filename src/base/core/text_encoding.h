#pragma once
// Telling how a user-edited text file is encoded. The program writes its text
// files in the ANSI code page, but an editor may save them again as UTF-8
// (with or without a byte-order mark) or as UTF-16 (always with a mark).
#include <cstddef>

enum class TextEncoding { kCodePage, kUtf8, kUtf16Le, kUtf16Be };

// The encoding the byte-order mark at the start of bytes names (kCodePage when
// there is none) and, in *markLength, the length of that mark.
TextEncoding EncodingOfMark(const char* bytes, size_t size, size_t* markLength);

// True when bytes hold at least one byte above 0x7F and are well-formed UTF-8
// throughout (no overlong forms, surrogates or values past U+10FFFF). Plain
// ASCII reads the same either way and gives false.
bool IsNonAsciiUtf8(const char* bytes, size_t size);
