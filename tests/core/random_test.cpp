// Roundings and the scaled draw.
#include <gtest/gtest.h>

#include <map>

#include "core/rules/random.h"

namespace tk {
namespace {

TEST(Rounding, TiesGoToEven) {
    EXPECT_EQ(RoundEven(0.5), 0);
    EXPECT_EQ(RoundEven(1.5), 2);
    EXPECT_EQ(RoundEven(2.5), 2);
    EXPECT_EQ(RoundEven(-2.5), -2);
    EXPECT_EQ(RoundEven(2.4999), 2);
    EXPECT_EQ(RoundEven(2.5001), 3);
}

TEST(Rounding, AwayFromZero) {
    EXPECT_EQ(RoundAway(2.1), 3);
    EXPECT_EQ(RoundAway(-2.1), -3);
    EXPECT_EQ(RoundAway(2.0), 2);
    EXPECT_EQ(RoundAway(0.0), 0);
    EXPECT_EQ(RoundDown(-0.5), -1);
    EXPECT_EQ(RoundDown(1.99), 1);
}

TEST(RandomRange, EndsComeUpHalfAsOften) {
    Rng rng(7);
    std::map<int, int> seen;
    const int n = 60000;
    for (int i = 0; i < n; ++i) ++seen[RandomRange(rng, 3, 0)];
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_NEAR(seen[0] / double(n), 1.0 / 6, 0.01);
    EXPECT_NEAR(seen[1] / double(n), 1.0 / 3, 0.01);
    EXPECT_NEAR(seen[2] / double(n), 1.0 / 3, 0.01);
    EXPECT_NEAR(seen[3] / double(n), 1.0 / 6, 0.01);
}

TEST(RandomRange, SameSeedSameDrawsAndNoRepeatsWithinATick) {
    Rng a(99), b(99);
    bool varied = false;
    int first = RandomRange(a, 150, 50);
    EXPECT_EQ(first, RandomRange(b, 150, 50));
    for (int i = 0; i < 20; ++i) {
        int x = RandomRange(a, 150, 50);
        EXPECT_EQ(x, RandomRange(b, 150, 50));
        EXPECT_GE(x, 50);
        EXPECT_LE(x, 150);
        if (x != first) varied = true;
    }
    EXPECT_TRUE(varied);
}

}  // namespace
}  // namespace tk
