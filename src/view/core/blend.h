#pragma once
// Per-pixel blending of two pictures, for the software fade-in and the
// gradient list. Pure: no Windows headers.
#include <cstdint>

#include "base/core/types.h"

// out = from + floor((to - from) x level / 256) for the blue, green and red
// byte of every pixel; the fourth byte of a 4-byte pixel becomes 0. count is
// the number of pixels (width x rows, treated as one run). level is clamped to
// 0-255. bytesPerPixel is 3 or 4 (the stride).
void BlendPixelsPlain(uint8_t* out, const uint8_t* from, const uint8_t* to, int64_t count, int bytesPerPixel,
                      int level);

// The same result, bit for bit, with the processor's vector unit: SSE2 on
// x86-64, MMX on 32-bit x86 (the caller says the processor has it). Only
// 4-byte pixels; any count (a tail is blended one pixel at a time). Falls back
// to the plain routine where no vector unit is built in.
void BlendPixelsSimd(uint8_t* out, const uint8_t* from, const uint8_t* to, int64_t count, int level);

// The MMX routine on its own, so that it can be checked where SSE2 is the
// vector routine; false (nothing written) where no x86 vector unit is built in.
bool BlendPixelsMmx(uint8_t* out, const uint8_t* from, const uint8_t* to, int64_t count, int level);

// The routine choice of the callers: the vector variant when simd is set and
// the pixels are 4 bytes, else the plain one.
void BlendPixels(uint8_t* out, const uint8_t* from, const uint8_t* to, int width, int rows, int bytesPerPixel,
                 int level, bool simd);

// Working width of a blend buffer: width + (width mod 4) with the vector
// routine, width + (width mod 2) without.
int BlendWorkingWidth(int width, bool simd);

// Each channel of a moved from b by t/255 (t at or below 0 gives a, at or
// above 255 gives b); a channel above 255 becomes 255.
ColorRef MixColor(ColorRef a, ColorRef b, int t);

// Interpolation of the drawing code: from and to scaled by 65536, the result
// shifted back, so fractions are kept until the end.
int32_t ScaledInterpolate(int32_t length, int32_t elapsed, int32_t from, int32_t to);
