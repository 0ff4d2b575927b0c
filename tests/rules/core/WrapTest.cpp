// Arithmetic on record values wraps instead of overflowing or trapping.
#include "rules/core/Wrap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Wrap, SumsProductsAndQuotientsWrapAt32BitsWithoutTraps)
{
    EXPECT_EQ(wrap::add(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(wrap::sub(INT32_MIN, 1), INT32_MAX);
    EXPECT_EQ(wrap::mul(65536, 65536), 0);
    EXPECT_EQ(wrap::neg(INT32_MIN), INT32_MIN);
    EXPECT_EQ(wrap::half(-1), 0);
    EXPECT_EQ(wrap::half(-3), -1);
    EXPECT_EQ(wrap::div(-7, 2), -3);
    EXPECT_EQ(wrap::div(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(wrap::div(5, 0), 0);
}

TEST(Wrap, FactorsTruncateLikeTheHardware)
{
    EXPECT_EQ(wrap::scale(45, 1.4), 62); // 62.99999..., not 63
    EXPECT_EQ(wrap::scale(-7, 1.5), -10);
    for (double bad : {std::nan(""), 3e9, -3e9, std::numeric_limits<double>::infinity()})
        EXPECT_EQ(wrap::truncate(bad), INT32_MIN) << bad;
    EXPECT_EQ(wrap::truncate(31.999996), 31);
}
