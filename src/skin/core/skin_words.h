#pragma once
// The value syntax of "skin.ini": word lists, colours, the version text, and
// the small arithmetic the loader and the standard look share. No Win32 here,
// so it is tested natively and fuzzed.
#include <cstddef>
#include <cstdint>

#include "base/core/types.h"

// Look kinds (SkinInfo::kind).
constexpr int32_t kSkinClassic = 1;    // standard look from the system metrics
constexpr int32_t kSkinThemed = 2;     // standard look from the visual style
constexpr int32_t kSkinFormat2 = 4;    // "skin.ini" with Version 2.x
constexpr int32_t kSkinOldFormat = 8;  // "skin.ini" of the older format

// Stretch words ("Stretch" of [Panel], [Select], [Separator]).
constexpr uint32_t kStretchBackground = 0x01;
constexpr uint32_t kStretchLeft = 0x02;
constexpr uint32_t kStretchRight = 0x04;
constexpr uint32_t kStretchTop = 0x08;
constexpr uint32_t kStretchBottom = 0x10;
constexpr uint32_t kStretchMiddle = 0x20;
constexpr uint32_t kStretchMask = 0x3F;

// Align words ("OverlayAlign", "Align").
constexpr uint32_t kAlignLeft = 0x100;
constexpr uint32_t kAlignRight = 0x200;
constexpr uint32_t kAlignTop = 0x400;
constexpr uint32_t kAlignBottom = 0x800;
constexpr uint32_t kAlignHCenter = 0x1000;
constexpr uint32_t kAlignVCenter = 0x2000;
constexpr uint32_t kAlignMask = 0x3F00;

// Resize words ("Resize" of [Panel]) and the transparency bits that ApplySkin
// adds to the same word.
constexpr uint32_t kResizeVertical = 0x01;
constexpr uint32_t kResizeHorizontal = 0x02;
constexpr uint32_t kResizeFixed = 0x04;
constexpr uint32_t kMaskedSelection = 0x200;
constexpr uint32_t kMaskedPanelOverlay = 0x400;
constexpr uint32_t kMaskedSelectionOverlay = 0x800;
constexpr uint32_t kMaskedSeparator = 0x1000;

// Font style words; the same bits as the design settings' style values.
constexpr uint32_t kFontBold = 0x10;
constexpr uint32_t kFontItalic = 0x20;
constexpr uint32_t kFontUnderline = 0x40;

// SkinFont::flags.
constexpr uint32_t kFontSpecified = 0x01;
constexpr uint32_t kFontHasShadow = 0x02;

// Every parser that takes a mutable text first deletes its blanks in place.
// Word lists are split at ',' and compared without regard to letter case;
// unknown words are ignored and empty text gives 0.
bool ParseColor(char* text, ColorRef* color);
uint32_t ParseStretchWords(char* text);
uint32_t ParseAlignWords(char* text);
uint32_t ParseStyleWords(char* text);
uint32_t ParseResizeWords(char* text);
// The older format's font style list: blanks are kept, so "bold, italic"
// gives bold only (the second word is " italic").
uint32_t ParseOldStyleWords(const char* text);

// "major.minor", each part hexadecimal; empty text is version 0.0.
struct SkinVersion {
    int32_t major;
    int32_t minor;
};
SkinVersion ParseSkinVersion(const char* text);

// The older format writes colours as 0xRRGGBB; the system order is 0xBBGGRR.
ColorRef SwapRedBlue(uint32_t rrggbb);

// Per channel a - (a - b) / 2, truncated toward zero and kept within 0..255.
ColorRef MixColors(ColorRef a, ColorRef b);

// number * numerator / denominator rounded to nearest, computed in 64 bits;
// -1 when denominator is 0 or the result does not fit 32 bits.
int32_t MulDivRound(int32_t number, int32_t numerator, int32_t denominator);

// g raised to the next multiple of step (unchanged when already one); a step
// below 1 counts as 1, since skin files may give any number there.
int32_t RoundUpToMultiple(int32_t g, int32_t step);

// The facts the design customisation's row growth depends on.
struct DesignGrowthInput {
    int32_t designIconSize;  // D
    int32_t skinIconSize;    // S
    int32_t selectSize;      // design point sizes
    int32_t unselectSize;
    int32_t selectPointSize;  // the skin fonts' point sizes
    int32_t unselectPointSize;
    int32_t pixelsPerInchY;
    int32_t increase;
    bool noIcons;
    bool noText;
};
// The growth of every row, already raised to a multiple of increase; 0 when
// nothing grows.
int32_t DesignRowGrowth(const DesignGrowthInput& in);

// a + b kept within the 32-bit range.
int32_t SaturatingAdd(int32_t a, int64_t b);
