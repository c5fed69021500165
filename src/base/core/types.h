#pragma once
// Plain value types that the pure logic shares with the Win32 side. Each has
// the layout of its Win32 counterpart so the glue can pass them through.
#include <cstdint>

using ColorRef = uint32_t;  // 0x00BBGGRR

// The colour settings use this to say "not set: the skin's colour applies".
constexpr ColorRef kColorUnset = 0xFF000000u;

struct KRect {
    int32_t left, top, right, bottom;
};

struct KPoint {
    int32_t x, y;
};

inline int32_t Width(const KRect& r) { return r.right - r.left; }
inline int32_t Height(const KRect& r) { return r.bottom - r.top; }

constexpr int kPathSize = 260;     // paths and names
constexpr int kFaceNameSize = 32;  // font face names
