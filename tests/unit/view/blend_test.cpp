#include "view/core/blend.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

std::vector<uint8_t> RandomPixels(std::mt19937& rng, size_t count) {
    std::vector<uint8_t> v(count * 4);
    for (auto& b : v) b = static_cast<uint8_t>(rng());
    return v;
}

TEST(BlendPixels, BlackToWhiteAtHalfIs127AndTheFourthByteIsCleared) {
    const uint8_t from[4] = {0, 0, 0, 0x55};
    const uint8_t to[4] = {255, 255, 255, 0xAA};
    for (bool simd : {false, true}) {
        uint8_t out[4] = {9, 9, 9, 9};
        BlendPixels(out, from, to, 1, 1, 4, 128, simd);
        EXPECT_EQ(out[0], 127);
        EXPECT_EQ(out[1], 127);
        EXPECT_EQ(out[2], 127);
        EXPECT_EQ(out[3], 0);
    }
}

TEST(BlendPixels, EndsOfTheLevelRange) {
    std::mt19937 rng(7);
    const auto from = RandomPixels(rng, 64), to = RandomPixels(rng, 64);
    std::vector<uint8_t> out(from.size());
    BlendPixelsPlain(out.data(), from.data(), to.data(), 64, 4, 0);
    for (size_t i = 0; i < out.size(); ++i)
        if (i % 4 != 3) {
            ASSERT_EQ(out[i], from[i]);
        }
    BlendPixelsPlain(out.data(), from.data(), to.data(), 64, 4, 255);
    for (size_t i = 0; i < out.size(); ++i) {
        if (i % 4 == 3) continue;
        // Level 255 is the to picture less at most one unit.
        ASSERT_LE(out[i], to[i]);
        ASSERT_GE(out[i] + 1, to[i]);
    }
    // Out-of-range levels are clamped rather than overflowing.
    std::vector<uint8_t> clamped(from.size());
    BlendPixelsPlain(clamped.data(), from.data(), to.data(), 64, 4, 1000);
    EXPECT_EQ(clamped, out);
    BlendPixelsPlain(clamped.data(), from.data(), to.data(), 64, 4, -3);
    BlendPixelsPlain(out.data(), from.data(), to.data(), 64, 4, 0);
    EXPECT_EQ(clamped, out);
}

TEST(BlendPixels, DescendingChannelsRoundTowardsFrom) {
    // floor of a negative fraction: 200 -> 0 at level 1 is 200 + floor(-200/256) = 199.
    const uint8_t from[4] = {200, 10, 0, 0};
    const uint8_t to[4] = {0, 10, 1, 0};
    uint8_t out[4];
    BlendPixelsPlain(out, from, to, 1, 4, 1);
    EXPECT_EQ(out[0], 199);
    EXPECT_EQ(out[1], 10);
    EXPECT_EQ(out[2], 0);
}

TEST(BlendPixels, SimdMatchesPlainBitForBitOnRandomBuffers) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 200; ++round) {
        const size_t count = 1 + rng() % 203;  // odd and even counts, tails of every length
        const int level = static_cast<int>(rng() % 300) - 20;
        const auto from = RandomPixels(rng, count), to = RandomPixels(rng, count);
        std::vector<uint8_t> plain(count * 4, 0xCD), simd(count * 4, 0xEF);
        BlendPixelsPlain(plain.data(), from.data(), to.data(), static_cast<int64_t>(count), 4, level);
        BlendPixelsSimd(simd.data(), from.data(), to.data(), static_cast<int64_t>(count), level);
        ASSERT_EQ(0, std::memcmp(plain.data(), simd.data(), plain.size())) << "count " << count << " level " << level;
        std::vector<uint8_t> mmx(count * 4, 0x11);
        if (BlendPixelsMmx(mmx.data(), from.data(), to.data(), static_cast<int64_t>(count), level)) {
            ASSERT_EQ(0, std::memcmp(plain.data(), mmx.data(), plain.size())) << "MMX, count " << count;
        }
    }
}

TEST(BlendPixels, EveryPairOfBytesAtEveryLevel) {
    // All 65536 channel pairs side by side, at every level: the vector lanes
    // must agree with the plain rule everywhere, including the extremes.
    std::vector<uint8_t> from(65536 * 4), to(65536 * 4);
    for (int i = 0; i < 65536; ++i) {
        from[i * 4] = from[i * 4 + 1] = from[i * 4 + 2] = static_cast<uint8_t>(i >> 8);
        to[i * 4] = static_cast<uint8_t>(i);
        to[i * 4 + 1] = static_cast<uint8_t>(255 - (i & 0xFF));
        to[i * 4 + 2] = static_cast<uint8_t>(i * 7);
    }
    std::vector<uint8_t> plain(from.size()), simd(from.size());
    for (int level : {0, 1, 2, 17, 127, 128, 129, 200, 254, 255}) {
        BlendPixelsPlain(plain.data(), from.data(), to.data(), 65536, 4, level);
        BlendPixelsSimd(simd.data(), from.data(), to.data(), 65536, level);
        ASSERT_EQ(plain, simd) << "level " << level;
        if (BlendPixelsMmx(simd.data(), from.data(), to.data(), 65536, level)) {
            ASSERT_EQ(plain, simd) << "MMX, level " << level;
        }
    }
}

TEST(BlendPixels, ThreeBytePixelsUseTheirStride) {
    const uint8_t from[6] = {0, 100, 200, 50, 50, 50};
    const uint8_t to[6] = {255, 100, 0, 150, 150, 150};
    uint8_t out[6];
    BlendPixels(out, from, to, 2, 1, 3, 64, true);  // no vector routine for 3 bytes
    EXPECT_EQ(out[0], 63);
    EXPECT_EQ(out[1], 100);
    EXPECT_EQ(out[2], 150);
    EXPECT_EQ(out[3], 75);
}

TEST(BlendPixels, NothingIsWrittenForEmptyOrMissingBuffers) {
    uint8_t out[4] = {1, 2, 3, 4};
    const uint8_t px[4] = {};
    BlendPixels(out, px, px, 0, 5, 4, 100, false);
    BlendPixels(out, px, px, 5, -1, 4, 100, true);
    BlendPixels(nullptr, px, px, 1, 1, 4, 100, true);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[3], 4);
}

TEST(BlendWorkingWidth, AddsTheRemainder) {
    EXPECT_EQ(BlendWorkingWidth(16, true), 16);
    EXPECT_EQ(BlendWorkingWidth(17, true), 18);
    EXPECT_EQ(BlendWorkingWidth(19, true), 22);
    EXPECT_EQ(BlendWorkingWidth(17, false), 18);
    EXPECT_EQ(BlendWorkingWidth(0, false), 0);
}

TEST(MixColor, ChannelsMoveTogetherAndClampAtTheEnds) {
    const ColorRef white = 0xFFFFFF, black = 0;
    EXPECT_EQ(MixColor(white, black, 0), white);
    EXPECT_EQ(MixColor(white, black, -10), white);
    EXPECT_EQ(MixColor(white, black, 255), black);
    EXPECT_EQ(MixColor(white, black, 300), black);
    // Halfway from (0, 100, 200) to (255, 100, 0): each channel on its own.
    const ColorRef a = 0x00C86400, b = 0x000064FF;
    const ColorRef m = MixColor(a, b, 128);
    EXPECT_EQ(m & 0xFF, 128u);  // 0 + 255 * 128 / 255
    EXPECT_EQ((m >> 8) & 0xFF, 100u);
    EXPECT_EQ((m >> 16) & 0xFF, 99u);  // 200 - 200 * 128 / 255 = 99.6, truncated
    EXPECT_EQ(m >> 24, 0u);
}

TEST(ScaledInterpolate, KeepsFractionsUntilTheEnd) {
    // Plain integer steps would give 0 for every elapsed below 7.
    EXPECT_EQ(ScaledInterpolate(7, 3, 0, 1), 0);
    EXPECT_EQ(ScaledInterpolate(100, 50, 0, 255), 127);
    EXPECT_EQ(ScaledInterpolate(1000, 999, 0, 153), 152);
    EXPECT_EQ(ScaledInterpolate(1000, 1000, 0, 153), 153);
}

}  // namespace
