#include "view/core/region_runs.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr ColorRef kMagenta = 0xFF00FF;
constexpr uint32_t kDibMagenta = 0x00FF00FF;

TEST(OpaqueRuns, MatchesAPerPixelReferenceOnRandomMasks) {
    std::mt19937 rng(99);
    for (int round = 0; round < 50; ++round) {
        const int w = 1 + rng() % 40, h = 1 + rng() % 40;
        const int density = rng() % 5;
        std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
        std::vector<bool> keyed(pixels.size());  // by top-down position
        bool any = false;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool k = static_cast<int>(rng() % 4) < density;
                keyed[y * w + x] = k;
                any |= k;
                // The unused byte differs from pixel to pixel and must not matter.
                pixels[(h - y - 1) * w + x] = k ? (kDibMagenta | (rng() & 0xFF000000)) : (rng() & 0xFFFFFF00);
            }
        std::vector<KRect> runs;
        EXPECT_EQ(OpaqueRuns(pixels.data(), w, h, kMagenta, runs), any);
        std::vector<int> cover(pixels.size(), 0);
        int lastTop = -1, lastRight = -1;
        for (const KRect& r : runs) {
            ASSERT_EQ(r.bottom, r.top + 1);
            ASSERT_LT(r.left, r.right);
            // Sorted top to bottom, left to right, never touching in a row.
            if (r.top == lastTop) {
                ASSERT_GT(r.left, lastRight);
            }
            ASSERT_GE(r.top, lastTop);
            lastTop = r.top;
            lastRight = r.right;
            for (int x = r.left; x < r.right; ++x) ++cover[r.top * w + x];
        }
        for (size_t i = 0; i < cover.size(); ++i) ASSERT_EQ(cover[i], keyed[i] ? 0 : 1) << "pixel " << i;
    }
}

TEST(OpaqueRuns, ChannelsAreComparedInTheirOwnPlaces) {
    // 0x0000FF as a colour is red; in a DIB pixel red is the third byte.
    const uint32_t pixels[3] = {0x00FF0000, 0x000000FF, 0x00FF00FE};
    std::vector<KRect> runs;
    EXPECT_TRUE(OpaqueRuns(pixels, 3, 1, 0x0000FF, runs));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].left, 1);
    EXPECT_EQ(runs[0].right, 3);
}

TEST(OpaqueRuns, NoKeyedPixelReportsNoMatchAndOneRunPerRow) {
    std::vector<uint32_t> pixels(6 * 4, 0x00123456);
    std::vector<KRect> runs;
    EXPECT_FALSE(OpaqueRuns(pixels.data(), 6, 4, kMagenta, runs));
    EXPECT_EQ(runs.size(), 4u);
    EXPECT_FALSE(OpaqueRuns(nullptr, 6, 4, kMagenta, runs));
    EXPECT_FALSE(OpaqueRuns(pixels.data(), 0, 4, kMagenta, runs));
}

TEST(OpaqueRuns, BottomUpRowsBecomeTopDown) {
    // Bottom-up data: the first stored row is the picture's last.
    const uint32_t pixels[4] = {kDibMagenta, 0, 0, 0};
    std::vector<KRect> runs;
    OpaqueRuns(pixels, 2, 2, kMagenta, runs);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].top, 0);
    EXPECT_EQ(runs[0].left, 0);
    EXPECT_EQ(runs[1].top, 1);
    EXPECT_EQ(runs[1].left, 1);
}

TEST(AverageOf, ChannelMeans) {
    const ColorRef c[9] = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x101010, 0x202020, 0x303030, 0x404040};
    const ColorRef a = AverageOf(c, 9);
    EXPECT_EQ(a & 0xFF, (0 + 255 + 0 + 0 + 255 + 16 + 32 + 48 + 64) / 9u);
    EXPECT_EQ((a >> 8) & 0xFF, (0 + 0 + 255 + 0 + 255 + 16 + 32 + 48 + 64) / 9u);
    EXPECT_EQ(AverageOf(c, 0), 0u);
    EXPECT_EQ(AverageOf(c + 4, 1), 0xFFFFFFu);
}

}  // namespace
