#include "activation/core/activation_key.h"

#include <gtest/gtest.h>

#include <vector>

#include "activation/core/mouse_gesture.h"

namespace {

std::vector<std::pair<int, bool>> Keys(unsigned held) {
    KeyStroke out[kMaxActivationKeys];
    const int n = BuildActivationKeys(held, out);
    std::vector<std::pair<int, bool>> keys;
    for (int i = 0; i < n; ++i) keys.push_back({out[i].key, out[i].up});
    return keys;
}

using K = std::vector<std::pair<int, bool>>;

TEST(BuildActivationKeys, NothingHeldIsJustTheKeyDownAndUp) { EXPECT_EQ(Keys(0), (K{{0x8F, false}, {0x8F, true}})); }

TEST(BuildActivationKeys, HeldShiftAndCtrlAreReleasedBeforeTheKey) {
    EXPECT_EQ(Keys(kModifierShift | kModifierCtrl), (K{{0x10, true}, {0x11, true}, {0x8F, false}, {0x8F, true}}));
}

TEST(BuildActivationKeys, AllThreeModifiersFillTheFiveStrokes) {
    EXPECT_EQ(Keys(kModifierShift | kModifierCtrl | kModifierAlt),
              (K{{0x10, true}, {0x11, true}, {0x12, true}, {0x8F, false}, {0x8F, true}}));
    EXPECT_EQ(Keys(kModifierAlt), (K{{0x12, true}, {0x8F, false}, {0x8F, true}}));
}

uint32_t Pack(uint32_t a, uint32_t b, uint32_t c, uint32_t d) { return PackFileVersion(a << 16 | b, c << 16 | d); }

TEST(PackFileVersion, TheFourthComponentDoesNotCount) {
    EXPECT_EQ(Pack(1, 6, 0, 0), Pack(1, 6, 0, 7));
    EXPECT_EQ(Pack(1, 6, 0, 0), (1u << 16) | 60u);
}

TEST(PackFileVersion, MinorAndThirdShareTheLowHalf) {
    EXPECT_EQ(Pack(1, 6, 0, 0), Pack(1, 5, 10, 0));
    EXPECT_NE(Pack(1, 6, 0, 0), Pack(2, 6, 0, 0));
    EXPECT_NE(Pack(1, 6, 1, 0), Pack(1, 6, 0, 0));
}

TEST(PackFileVersion, TheLowHalfIsCutToSixteenBits) {
    // 6553 * 10 + 6 = 65536: the low half wraps to 0 instead of spilling into the major.
    EXPECT_EQ(Pack(3, 6553, 6, 0), 3u << 16);
    EXPECT_EQ(Pack(0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF) >> 16, 0xFFFFu);
}

}  // namespace
