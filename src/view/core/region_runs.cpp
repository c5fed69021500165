#include "view/core/region_runs.h"

bool OpaqueRuns(const uint32_t* pixels, int32_t width, int32_t height, ColorRef key, std::vector<KRect>& runs) {
    bool matched = false;
    if (!pixels || width <= 0 || height <= 0) return false;
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = pixels + static_cast<int64_t>(height - y - 1) * width;
        int32_t x = 0;
        while (x < width) {
            while (x < width && SameRgb(row[x], key)) {
                matched = true;
                ++x;
            }
            const int32_t start = x;
            while (x < width && !SameRgb(row[x], key)) ++x;
            if (x > start) runs.push_back(KRect{start, y, x, y + 1});
        }
    }
    return matched;
}

ColorRef AverageOf(const ColorRef* colors, int32_t count) {
    if (!colors || count <= 0) return 0;
    uint64_t sum[3] = {0, 0, 0};
    for (int32_t i = 0; i < count; ++i)
        for (int c = 0; c < 3; ++c) sum[c] += (colors[i] >> (8 * c)) & 0xFF;
    ColorRef result = 0;
    for (int c = 0; c < 3; ++c) result |= static_cast<ColorRef>(sum[c] / count) << (8 * c);
    return result;
}
