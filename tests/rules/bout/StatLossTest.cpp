// The stat loss: which draw takes what, the floors, and that it always ends.
#include "rules/bout/StatLoss.h"

#include "tests/rules/bout/BoutTestSupport.h"
#include "rules/core/Rng.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// k = rand()/2340 + 1: a pin for draw number `index` to give k.
Pin k(int index, int value) { return {index, 2340, value - 1, value - 1}; }

// The abilities a stat loss may take from, in the field order.
std::int32_t Rikishi::* const kAbilities[] = {
    &Rikishi::baseStrength, &Rikishi::baseAgility, &Rikishi::tachiai,    &Rikishi::oshi,    &Rikishi::yotsu,
    &Rikishi::tenage,       &Rikishi::tsuppari,    &Rikishi::jump,       &Rikishi::receive, &Rikishi::hatakikomi,
    &Rikishi::defense,      &Rikishi::stamina,     &Rikishi::intangibles};

// Every ability at its floor of 1.
Rikishi atTheFloor(std::int32_t weight)
{
    Rikishi r{};
    for (auto field : kAbilities)
        r.*field = 1;
    r.weight = weight;
    return r;
}

// Abilities 10 to 22 in the field order, weight 150.
Rikishi trained()
{
    Rikishi r = atTheFloor(150);
    std::int32_t v = 10;
    for (auto field : kAbilities)
        r.*field = v++;
    return r;
}

TEST(StatLoss, EachDrawTakesFromItsFieldInTheChainOrder)
{
    Rikishi r = trained();
    Rng rng;
    // k: 4 oshi, 8 jump, 14 weight, 13 intangibles, 12 stamina.
    rng.seed(seedWhere({k(0, 4), k(1, 8), k(2, 14), k(3, 13), k(4, 12)}));
    std::int32_t pool = 5;
    LoseStatPoints(r, pool, rng);
    Rikishi expected = trained();
    expected.oshi = 12;
    expected.jump = 16;
    expected.weight = 149;
    expected.intangibles = 21;
    expected.stamina = 20;
    EXPECT_EQ(pool, 0);
    EXPECT_TRUE(sameRecord(r, expected));

    // 15 (only the last eight generator values) takes nothing: draw again.
    r = trained();
    rng.seed(seedWhere({k(0, 15), k(1, 1)}));
    pool = 1;
    LoseStatPoints(r, pool, rng);
    EXPECT_EQ(r.baseStrength, 9);
    EXPECT_EQ(r.weight, 150);
}

TEST(StatLoss, FloorsCostNothingButTheWeightCaseAlwaysSpends)
{
    // At exactly 1 an ability stays put and the point is drawn again; so
    // does intangibles at 1 or below.
    Rikishi r = trained();
    r.baseStrength = 1;
    r.intangibles = 0;
    Rng rng;
    rng.seed(seedWhere({k(0, 1), k(1, 13), k(2, 3)}));
    std::int32_t pool = 1;
    LoseStatPoints(r, pool, rng);
    EXPECT_EQ(r.baseStrength, 1);
    EXPECT_EQ(r.intangibles, 0);
    EXPECT_EQ(r.tachiai, 11);
    EXPECT_EQ(pool, 0);

    // A damaged ability at 0, below 0 or at the bottom of the range is
    // lowered like any other (wrapping), and spends its point.
    for (std::int32_t damaged : {0, -5, INT_MIN}) {
        Rikishi d = trained();
        d.baseAgility = damaged;
        rng.seed(seedWhere({k(0, 2)}));
        pool = 1;
        LoseStatPoints(d, pool, rng);
        EXPECT_EQ(d.baseAgility, damaged == INT_MIN ? INT_MAX : damaged - 1) << damaged;
        EXPECT_EQ(pool, 0);
    }

    // Everything at its floor and a weight of 69: only the weight case
    // spends, and nothing changes but the pool.
    Rikishi floor = atTheFloor(69);
    const Rikishi before = floor;
    pool = 3;
    LoseStatPoints(floor, pool, rng);
    EXPECT_EQ(pool, 0);
    EXPECT_TRUE(sameRecord(floor, before));
}

TEST(StatLoss, TakesExactlyThePoolAndNothingForNone)
{
    for (std::uint32_t seed : {1u, 2u, 3u, 99u, 12345u}) {
        Rikishi r = trained();
        Rng rng;
        rng.seed(seed);
        std::int32_t pool = 3;
        LoseStatPoints(r, pool, rng);
        const std::int64_t lost = statTotal(trained()) - statTotal(r);
        EXPECT_EQ(lost, 3) << seed;
        EXPECT_EQ(pool, 0);
    }
    // An empty (or negative) pool draws nothing and takes nothing.
    for (std::int32_t none : {0, -4}) {
        Rikishi r = trained();
        Rng rng;
        rng.seed(7);
        std::int32_t pool = none;
        LoseStatPoints(r, pool, rng);
        EXPECT_EQ(rng.state(), 7u);
        EXPECT_EQ(pool, none);
        EXPECT_TRUE(sameRecord(r, trained()));
    }
}

TEST(StatLoss, AHugePoolFromADamagedFileEnds)
{
    // More than enough to wear an ordinary wrestler down to his floors.
    Rikishi r = trained();
    Rng rng;
    rng.seed(5);
    std::int32_t pool = INT_MAX;
    LoseStatPoints(r, pool, rng);
    EXPECT_EQ(pool, 0);
    EXPECT_TRUE(sameRecord(r, atTheFloor(69)));

    // Abilities in the billions as well: the points beyond the limit are
    // written off instead of drawn for.
    Rikishi huge = atTheFloor(INT_MAX);
    huge.baseStrength = huge.stamina = huge.intangibles = INT_MAX;
    const std::int64_t before = std::int64_t{huge.baseStrength} + huge.stamina + huge.intangibles + huge.weight;
    pool = INT_MAX;
    LoseStatPoints(huge, pool, rng);
    EXPECT_EQ(pool, 0);
    EXPECT_EQ(before - huge.baseStrength - huge.stamina - huge.intangibles - huge.weight, kStatLossDrawLimit);
}

TEST(StatLoss, DamagedZerosSinkOnlyAsFarAsTheCapAllows)
{
    // Every chain ability at 0 can always be lowered, so a huge pool spends
    // all the drawn-for points and the loop still ends.
    Rikishi zeros = atTheFloor(69);
    for (auto field : kAbilities)
        if (field != &Rikishi::intangibles)
            zeros.*field = 0;
    const std::int64_t before = statTotal(zeros);
    Rng rng;
    rng.seed(11);
    std::int32_t pool = INT_MAX;
    LoseStatPoints(zeros, pool, rng);
    EXPECT_EQ(pool, 0);
    EXPECT_EQ(zeros.weight, 69);
    EXPECT_EQ(zeros.intangibles, 1);
    // Every spent point either lowered an ability or was a weight draw.
    EXPECT_LT(statTotal(zeros), before);
    EXPECT_GT(statTotal(zeros), before - kStatLossDrawLimit);
}

} // namespace
