// Potential and ageing: the order of draws, the bands, single-precision age.
#include "rules/bashoend/Ageing.h"
#include "rules/bashoend/Potential.h"

#include "tests/support/RosterFixture.h"
#include "tests/support/Seeds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Potential, DrawOrderAndGrowth)
{
    // Only R00 draws (every other record is marked as a player's): the drift
    // (rand()/4681 - 3), the chance (passes unless 0 at age 0), the chain number.
    // From k on, the first field below 15 rises: tachiai for k <= 3.
    for (const int k : {3, 4}) {
        Game game = makeGame();
        for (std::size_t i = 1; i < 40; ++i)
            game.roster[i].isPlayer = 1;
        Rikishi& r = game.roster[0];
        r.age = 0.0f;
        r.potential = 2;
        r.baseStrength = r.baseAgility = 15;
        r.tachiai = 14;
        const std::vector<Pin> pins{{0, 4681, 6, 6}, {1, 327, 1, 100}, {2, 2520, k - 1, k - 1}};
        game.rng.seed(seedWhere(pins));
        EXPECT_EQ(fulfilPotential(game.roster, game.rng), "R00    ");
        EXPECT_EQ(drawsBetween(seedWhere(pins), game.rng.state()), 3);
        EXPECT_EQ(r.weight * 1000 + r.potential * 100 + r.tachiai, 133100 + (k <= 3 ? 15 : 14));
        EXPECT_EQ(r.oshi, k <= 3 ? 5 : 6);
    }
}

TEST(Ageing, SinglePrecisionSumsAndDamagedAgesThatDrawNothing)
{
    float age = 28.0f;
    for (int basho = 1; basho <= 25; ++basho) {
        age = agedOneBasho(age);
        if (basho == 13) {
            EXPECT_EQ(age, 30.079998f);
        }
    }
    EXPECT_EQ(age, 31.999996f);   // still 31 in whole years

    Game game = makeGame();
    game.roster[0].age = std::numeric_limits<float>::quiet_NaN();
    game.roster[1].age = 1e30f;
    game.roster[2].age = -1e30f;
    game.rng.seed(3);
    EXPECT_EQ(ageWrestlers(game), "");
    EXPECT_EQ(game.rng.state(), 3u);
}

TEST(Ageing, EachBandDrawsWithItsOwnDivisorAndCostsOnePoint)
{
    // Age before ageing, the range of the raw draw, whether he slows down:
    // 30 to 34 years draw rand()/163, 35 and more rand()/327, below 30 nothing.
    const std::tuple<float, int, int, bool> cases[] = {
        {29.7f, 0, 32767, false},     {29.9f, 4889, 4889, true},    {29.9f, 4890, 4919, false},
        {33.9f, 5541, 5541, true},    {33.9f, 5542, 5575, false},   {34.9f, 5705, 5739, true},
        {34.9f, 11445, 11479, false}, {59.9f, 19619, 19619, true},  {59.9f, 19620, 19679, false}};
    for (const auto& [before, lo, hi, slows] : cases) {
        SCOPED_TRACE(std::to_string(before) + " " + std::to_string(lo));
        Game game = makeGame();   // everybody else is 25: no draw
        Rikishi& r = game.roster[7];
        r.age = before;
        r.isPlayer = 1;           // the player's wrestler ages like everybody else
        const std::uint32_t seed = seedWhere({{0, 1, lo, hi}});
        game.rng.seed(seed);
        const std::int64_t total = statTotal(r);
        const std::string list = ageWrestlers(game);
        const int years = static_cast<int>(r.age);
        EXPECT_EQ(list, slows ? std::string("R07") + (years < 35 ? "   " : "    ") : "");
        EXPECT_EQ(statTotal(r), total - (slows ? 1 : 0));
        if (!slows) {
            EXPECT_EQ(drawsBetween(seed, game.rng.state()), years < 30 ? 0 : 1);
        }
    }
}
