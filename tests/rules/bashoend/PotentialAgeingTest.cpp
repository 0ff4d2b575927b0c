// Potential and ageing: the order of draws, single-precision age, damaged ages.
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
    EXPECT_EQ(age, 31.999996f); // still 31 in whole years

    Game game = makeGame();
    game.roster[0].age = std::numeric_limits<float>::quiet_NaN();
    game.roster[1].age = 1e30f;
    game.roster[2].age = -1e30f;
    game.rng.seed(3);
    EXPECT_EQ(ageWrestlers(game), "");
    EXPECT_EQ(game.rng.state(), 3u);
}
