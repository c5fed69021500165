#include "view/core/blend.h"

#include "base/core/window_math.h"

#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#define KORVANE_BLEND_SSE2 1
#endif
#if defined(__i386__) || defined(__x86_64__)
#include <mmintrin.h>
#define KORVANE_BLEND_MMX 1
#endif

namespace {

int ClampLevel(int level) { return level < 0 ? 0 : (level > 255 ? 255 : level); }

inline uint8_t BlendByte(uint8_t from, uint8_t to, int level) {
    // An arithmetic shift is floor division by 256, also for negative products.
    const int d = (static_cast<int>(to) - static_cast<int>(from)) * level;
    return static_cast<uint8_t>(from + (d >> 8));
}

inline void BlendOne(uint8_t* out, const uint8_t* from, const uint8_t* to, int level) {
    out[0] = BlendByte(from[0], to[0], level);
    out[1] = BlendByte(from[1], to[1], level);
    out[2] = BlendByte(from[2], to[2], level);
    out[3] = 0;
}

#if KORVANE_BLEND_MMX
// from + floor((to - from) x level / 256) equals (from x (256 - level) + to x
// level) >> 8, whose sum never passes 65280: two unsigned 16-bit products per
// channel, and a weight of 0 in the fourth lane clears the unused byte.
__attribute__((target("mmx"))) void BlendMmx(uint8_t* out, const uint8_t* from, const uint8_t* to, int64_t pairs,
                                             int level) {
    const __m64 zero = _mm_setzero_si64();
    const short keep = static_cast<short>(256 - level), take = static_cast<short>(level);
    const __m64 wf = _mm_set_pi16(0, keep, keep, keep);
    const __m64 wt = _mm_set_pi16(0, take, take, take);
    for (int64_t i = 0; i < pairs; ++i) {
        __m64 f, t;
        __builtin_memcpy(&f, from + i * 8, 8);
        __builtin_memcpy(&t, to + i * 8, 8);
        const __m64 lo = _mm_srli_pi16(
            _mm_add_pi16(_mm_mullo_pi16(_mm_unpacklo_pi8(f, zero), wf), _mm_mullo_pi16(_mm_unpacklo_pi8(t, zero), wt)),
            8);
        const __m64 hi = _mm_srli_pi16(
            _mm_add_pi16(_mm_mullo_pi16(_mm_unpackhi_pi8(f, zero), wf), _mm_mullo_pi16(_mm_unpackhi_pi8(t, zero), wt)),
            8);
        const __m64 r = _mm_packs_pu16(lo, hi);
        __builtin_memcpy(out + i * 8, &r, 8);
    }
    _mm_empty();
}
#endif

}  // namespace

void BlendPixelsPlain(uint8_t* out, const uint8_t* from, const uint8_t* to, int64_t count, int bytesPerPixel,
                      int level) {
    if (!out || !from || !to || count <= 0) return;
    level = ClampLevel(level);
    if (bytesPerPixel == 4) {
        for (int64_t i = 0; i < count; ++i) BlendOne(out + i * 4, from + i * 4, to + i * 4, level);
    } else if (bytesPerPixel == 3) {
        for (int64_t i = 0; i < count * 3; ++i) out[i] = BlendByte(from[i], to[i], level);
    }
}

void BlendPixelsSimd(uint8_t* out, const uint8_t* from, const uint8_t* to, int64_t count, int level) {
    if (!out || !from || !to || count <= 0) return;
    level = ClampLevel(level);
    int64_t done = 0;
#if KORVANE_BLEND_SSE2
    // The same weighted sum as the MMX routine, four pixels a step, two steps
    // a loop.
    const __m128i zero = _mm_setzero_si128();
    const short keep = static_cast<short>(256 - level), take = static_cast<short>(level);
    const __m128i wf = _mm_set_epi16(0, keep, keep, keep, 0, keep, keep, keep);
    const __m128i wt = _mm_set_epi16(0, take, take, take, 0, take, take, take);
    auto blend4 = [&](int64_t at) {
        const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at * 4));
        const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + at * 4));
        const __m128i lo = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(f, zero), wf),
                                                        _mm_mullo_epi16(_mm_unpacklo_epi8(t, zero), wt)),
                                          8);
        const __m128i hi = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(f, zero), wf),
                                                        _mm_mullo_epi16(_mm_unpackhi_epi8(t, zero), wt)),
                                          8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at * 4), _mm_packus_epi16(lo, hi));
    };
    for (; done + 8 <= count; done += 8) {
        blend4(done);
        blend4(done + 4);
    }
    for (; done + 4 <= count; done += 4) blend4(done);
#elif KORVANE_BLEND_MMX
    const int64_t pairs = count / 2;
    BlendMmx(out, from, to, pairs, level);
    done = pairs * 2;
#endif
    BlendPixelsPlain(out + done * 4, from + done * 4, to + done * 4, count - done, 4, level);
}

bool BlendPixelsMmx(uint8_t* out, const uint8_t* from, const uint8_t* to, int64_t count, int level) {
#if KORVANE_BLEND_MMX
    if (!out || !from || !to || count <= 0) return true;
    level = ClampLevel(level);
    const int64_t pairs = count / 2;
    BlendMmx(out, from, to, pairs, level);
    BlendPixelsPlain(out + pairs * 8, from + pairs * 8, to + pairs * 8, count - pairs * 2, 4, level);
    return true;
#else
    (void)out, (void)from, (void)to, (void)count, (void)level;
    return false;
#endif
}

void BlendPixels(uint8_t* out, const uint8_t* from, const uint8_t* to, int width, int rows, int bytesPerPixel,
                 int level, bool simd) {
    if (width <= 0 || rows <= 0) return;
    const int64_t count = static_cast<int64_t>(width) * rows;
    if (simd && bytesPerPixel == 4)
        BlendPixelsSimd(out, from, to, count, level);
    else
        BlendPixelsPlain(out, from, to, count, bytesPerPixel, level);
}

int BlendWorkingWidth(int width, bool simd) {
    if (width <= 0) return 0;
    return width + (simd ? width % 4 : width % 2);
}

int32_t ScaledInterpolate(int32_t length, int32_t elapsed, int32_t from, int32_t to) {
    return Interpolate(length, elapsed, from * 65536, to * 65536) >> 16;
}

ColorRef MixColor(ColorRef a, ColorRef b, int t) {
    ColorRef result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int32_t ca = static_cast<int32_t>((a >> shift) & 0xFF);
        const int32_t cb = static_cast<int32_t>((b >> shift) & 0xFF);
        int32_t c = ScaledInterpolate(255, t, ca, cb);
        if (c > 255) c = 255;
        if (c < 0) c = 0;
        result |= static_cast<ColorRef>(c) << shift;
    }
    return result;
}
