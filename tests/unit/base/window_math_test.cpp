#include "shell/core/command_line.h"
#include "base/core/window_math.h"

#include <gtest/gtest.h>

namespace {

TEST(CenteredPosition, OnTheWorkArea) {
    const KRect work{0, 30, 1024, 768};
    const KPoint p = CenteredPosition(work, 200, 100, work);
    EXPECT_EQ(p.x, 412);
    EXPECT_EQ(p.y, 349);
}

TEST(CenteredPosition, OverAWindowPartlyOffTheLeftEdge) {
    const KRect work{0, 0, 1024, 768};
    const KPoint p = CenteredPosition(KRect{-300, 100, 100, 400}, 300, 100, work);
    EXPECT_EQ(p.x, 0);  // -250 rises to 0
    EXPECT_EQ(p.y, 200);
}

TEST(CenteredPosition, EndsOnTheWorkAreaWhenItWouldPassIt) {
    const KRect work{0, 0, 800, 600};
    const KPoint p = CenteredPosition(KRect{700, 500, 900, 700}, 300, 300, work);
    EXPECT_EQ(p.x, 500);
    EXPECT_EQ(p.y, 300);
    // A window larger than the work area: the last rule wins and it may go negative.
    const KPoint big = CenteredPosition(work, 1000, 100, work);
    EXPECT_EQ(big.x, -200);
}

TEST(Interpolate, EndsAndTruncation) {
    EXPECT_EQ(Interpolate(250, -5, 0, 255), 0);
    EXPECT_EQ(Interpolate(250, 0, 0, 255), 0);
    EXPECT_EQ(Interpolate(250, 250, 0, 255), 255);
    EXPECT_EQ(Interpolate(250, 400, 0, 255), 255);
    EXPECT_EQ(Interpolate(250, 125, 0, 255), 127);
    EXPECT_EQ(Interpolate(3, 1, 0, 10), 3);
    EXPECT_EQ(Interpolate(0, 0, 7, 9), 7);
    EXPECT_EQ(Interpolate(100, 50, 200, 100), 150);
}

TEST(CommandLine, SlashHAnywhereInAnyCase) {
    EXPECT_TRUE(HasActivationArgument("/h"));
    EXPECT_TRUE(HasActivationArgument("  /H "));
    EXPECT_TRUE(HasActivationArgument("x \"/h\""));
    EXPECT_TRUE(HasActivationArgument("a /h b"));
    EXPECT_FALSE(HasActivationArgument(""));
    EXPECT_FALSE(HasActivationArgument(nullptr));
    EXPECT_FALSE(HasActivationArgument("/hh"));
    EXPECT_FALSE(HasActivationArgument("\"/h x\""));
    EXPECT_FALSE(HasActivationArgument("-h"));
}

}  // namespace
