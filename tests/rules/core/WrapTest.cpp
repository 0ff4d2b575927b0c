// Arithmetic on record values wraps instead of overflowing.
#include "rules/core/Wrap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Wrap, SumsAndProductsWrapAt32Bits)
{
    EXPECT_EQ(wrap::add(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(wrap::sub(INT32_MIN, 1), INT32_MAX);
    EXPECT_EQ(wrap::mul(65536, 65536), 0);
    EXPECT_EQ(wrap::neg(INT32_MIN), INT32_MIN);
}

TEST(Wrap, DivisionTruncatesTowardZeroWithoutTraps)
{
    EXPECT_EQ(wrap::half(-1), 0);
    EXPECT_EQ(wrap::half(-3), -1);
    EXPECT_EQ(wrap::div(-7, 2), -3);
    EXPECT_EQ(wrap::div(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(wrap::div(5, 0), 0);
}

TEST(Wrap, FactorsTruncateLikeTheHardware)
{
    EXPECT_EQ(wrap::scale(45, 1.4), 62);  // 62.99999..., not 63
    EXPECT_EQ(wrap::scale(21, 1.6), 33);
    EXPECT_EQ(wrap::scale(-7, 1.5), -10);
    EXPECT_EQ(wrap::truncate(std::nan("")), INT32_MIN);
    EXPECT_EQ(wrap::truncate(3e9), INT32_MIN);
    EXPECT_EQ(wrap::truncate(-3e9), INT32_MIN);
    EXPECT_EQ(wrap::truncate(std::numeric_limits<double>::infinity()), INT32_MIN);
    EXPECT_EQ(wrap::truncate(31.999996), 31);
}
