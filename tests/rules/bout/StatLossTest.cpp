// The stat loss: which draw takes what, the floors, and that it always ends.
#include "rules/bout/StatLoss.h"

#include "tests/rules/bout/BoutTestSupport.h"
#include "rules/core/Rng.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// k = rand()/2340 + 1: a pin for draw number `index` to give k.
Pin k(int index, int value) { return {index, 2340, value - 1, value - 1}; }

std::int32_t Rikishi::*const kAbilities[] = {
    &Rikishi::baseStrength, &Rikishi::baseAgility, &Rikishi::tachiai, &Rikishi::oshi, &Rikishi::yotsu,
    &Rikishi::tenage, &Rikishi::tsuppari, &Rikishi::jump, &Rikishi::receive, &Rikishi::hatakikomi,
    &Rikishi::defense, &Rikishi::stamina, &Rikishi::intangibles};

// Abilities from `first` up in the field order (every one at `first` when `step` is 0).
Rikishi wrestler(std::int32_t first = 10, std::int32_t step = 1, std::int32_t weight = 150)
{
    Rikishi r{};
    for (auto field : kAbilities) {
        r.*field = first;
        first += step;
    }
    r.weight = weight;
    return r;
}

// Loses `pool` points on a seed; returns what is left of the pool.
std::int32_t lose(Rikishi& r, std::int32_t pool, std::uint32_t seed)
{
    Rng rng;
    rng.seed(seed);
    LoseStatPoints(r, pool, rng);
    return pool;
}

TEST(StatLoss, EachDrawTakesFromItsFieldAndFloorsDrawAgain)
{
    // k: 4 oshi, 8 jump, 14 weight, 13 intangibles, 12 stamina.
    Rikishi r = wrestler();
    EXPECT_EQ(lose(r, 5, seedWhere({k(0, 4), k(1, 8), k(2, 14), k(3, 13), k(4, 12)})), 0);
    Rikishi expected = wrestler();
    expected.oshi = 12;
    expected.jump = 16;
    expected.weight = 149;
    expected.intangibles = 21;
    expected.stamina = 20;
    EXPECT_TRUE(sameRecord(r, expected));

    // 15 takes nothing, nor an ability at 1 or intangibles at 1 or below: draw again.
    r = wrestler();
    r.baseStrength = 1;
    r.intangibles = 0;
    lose(r, 1, seedWhere({k(0, 15), k(1, 1), k(2, 13), k(3, 3)}));
    EXPECT_EQ(r.baseStrength * 1000 + r.intangibles * 100 + r.tachiai, 1011);
    EXPECT_EQ(r.weight, 150);

    // A damaged ability at 0, below 0 or at the bottom of the range is lowered (wrapping).
    for (std::int32_t damaged : {0, -5, INT_MIN}) {
        Rikishi d = wrestler();
        d.baseAgility = damaged;
        EXPECT_EQ(lose(d, 1, seedWhere({k(0, 2)})), 0);
        EXPECT_EQ(d.baseAgility, damaged == INT_MIN ? INT_MAX : damaged - 1) << damaged;
    }
}

TEST(StatLoss, AHugePoolFromADamagedFileEnds)
{
    Rikishi r = wrestler();
    EXPECT_EQ(lose(r, INT_MAX, 5), 0);
    EXPECT_TRUE(sameRecord(r, wrestler(1, 0, 69)));

    // Abilities in the billions: the points beyond the limit are written off.
    Rikishi huge = wrestler(1, 0, INT_MAX);
    huge.baseStrength = huge.stamina = huge.intangibles = INT_MAX;
    const std::int64_t before = statTotal(huge);
    EXPECT_EQ(lose(huge, INT_MAX, 5), 0);
    EXPECT_EQ(before - statTotal(huge), kStatLossDrawLimit);

    // Every chain ability at 0 can always be lowered: the loop still ends.
    Rikishi zeros = wrestler(0, 0, 69);
    zeros.intangibles = 1;
    const std::int64_t zeroTotal = statTotal(zeros);
    EXPECT_EQ(lose(zeros, INT_MAX, 11), 0);
    EXPECT_EQ(zeros.weight * 10 + zeros.intangibles, 691);
    EXPECT_LT(statTotal(zeros), zeroTotal);
    EXPECT_GT(statTotal(zeros), zeroTotal - kStatLossDrawLimit);
}

} // namespace
