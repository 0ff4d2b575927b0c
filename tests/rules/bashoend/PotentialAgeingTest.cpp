// Potential and ageing: the order of draws, the bands, single-precision age.
#include "rules/bashoend/Ageing.h"
#include "rules/bashoend/Potential.h"

#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The sum of everything the stat loss may lower.
int lowerable(const Rikishi& r)
{
    return r.baseStrength + r.baseAgility + r.tachiai + r.oshi + r.yotsu + r.tenage + r.tsuppari + r.jump +
           r.receive + r.hatakikomi + r.defense + r.stamina + r.intangibles + r.weight;
}

} // namespace

TEST(Potential, DrawOrderGrowthAndListForOneYoungWrestler)
{
    // Only R00 is a computer wrestler; the rest are marked as players so
    // that they draw nothing (the step skips any isPlayer != 0).
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        Game game = makeGame();
        for (std::size_t i = 1; i < 40; ++i)
            game.roster[i].isPlayer = 1;
        Rikishi& r = game.roster[0];
        r.age = 0.0f;      // passes unless the draw is 0
        r.potential = 2;
        r.baseStrength = 15;
        r.baseAgility = 15;
        r.tachiai = 14;

        Rng expect;
        expect.seed(seed);
        const int drift = expect.draw(4681) - 3;
        const int chance = expect.draw(327);
        const int k = chance > 0 ? expect.draw(2520) + 1 : 0;
        game.rng.seed(seed);

        const std::string list = fulfilPotential(game.roster, game.rng);
        EXPECT_EQ(game.rng.state(), expect.state());
        EXPECT_EQ(r.weight, 130 + drift);
        if (chance == 0) {
            EXPECT_EQ(list, "");
            continue;
        }
        EXPECT_EQ(list, "R00    ");
        EXPECT_EQ(r.potential, 1);
        // From k on, the first field below 15 rises: tachiai for k <= 3.
        EXPECT_EQ(r.tachiai, k <= 3 ? 15 : 14);
    }
}

TEST(Potential, WhoIsListedAndWhoIsLeftAlone)
{
    Game game = makeGame();
    game.roster[39].isPlayer = 1;
    game.roster[39].potential = 10;
    game.roster[39].age = 18.0f;
    for (std::size_t i = 0; i < 39; ++i) {
        Rikishi& r = game.roster[i];
        r.age = i < 13 ? 33.34f : 18.0f;                   // too old to grow at all
        r.potential = (i >= 13 && i < 26) ? 0 : 5;          // nothing left to grow
        if (i >= 26) {
            r.baseStrength = r.baseAgility = r.tachiai = r.oshi = r.yotsu = r.tenage = 15;
            r.tsuppari = r.jump = r.receive = r.hatakikomi = r.defense = r.stamina = r.intangibles = 15;
        }
    }
    game.rng.seed(2026);
    const Roster before = game.roster;
    const std::string list = fulfilPotential(game.roster, game.rng);

    int listed = 0;
    for (std::size_t i = 0; i < 39; ++i) {
        const bool named = list.find(nameAt(game, i) + "    ") != std::string::npos;
        if (i < 26) {
            EXPECT_FALSE(named) << i;
            EXPECT_EQ(game.roster[i].potential, before[i].potential);
        } else if (named) {
            // Every chain field already at 15: listed and a point used all the same.
            ++listed;
            EXPECT_EQ(game.roster[i].potential, 4);
            EXPECT_EQ(game.roster[i].intangibles, 15);
        }
        EXPECT_LE(std::abs(game.roster[i].weight - 130), 4);
    }
    EXPECT_GT(listed, 0);
    EXPECT_EQ(list.size(), static_cast<std::size_t>(listed) * 7);
    // The player's wrestler neither grows nor drifts.
    EXPECT_EQ(std::memcmp(&game.roster[39], &before[39], sizeof(Rikishi)), 0);
}

TEST(Ageing, SinglePrecisionSums)
{
    float age = 28.0f;
    for (int basho = 1; basho <= 25; ++basho) {
        age = agedOneBasho(age);
        if (basho == 12) {
            EXPECT_LT(age, 30.0f);
        }
        if (basho == 13) {
            EXPECT_EQ(age, 30.079998f);
        }
    }
    EXPECT_EQ(age, 31.999996f);   // still 31 in whole years
    EXPECT_EQ(agedOneBasho(29.9f), static_cast<float>(static_cast<double>(29.9f) + 0.16));
}

TEST(Ageing, BandsBlanksAndOnePointLost)
{
    struct Band {
        float age;        // before ageing
        int divisor;      // of the band's draw
        int years;        // after ageing
        const char* blanks;
    };
    // 31.95 ages to 32 (the 30-34 band, three blanks); 59.9 to 60 (four).
    // The player's wrestler ages and slows down like everybody else.
    for (const Band band : {Band{31.95f, 163, 32, "   "}, Band{59.9f, 327, 60, "    "}}) {
        int slowed = 0;
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            Game game = makeGame();
            for (Rikishi& r : game.roster)
                r.age = 29.5f;      // 29.66: still draws nothing
            game.roster[7].age = band.age;
            game.roster[7].isPlayer = 1;
            Rng expect;
            expect.seed(seed);
            const bool slows = expect.draw(band.divisor) < band.years;
            game.rng.seed(seed);
            const Roster before = game.roster;

            const std::string list = ageWrestlers(game);
            EXPECT_EQ(list, slows ? std::string("R07") + band.blanks : std::string()) << seed;
            EXPECT_EQ(lowerable(game.roster[7]), lowerable(before[7]) - (slows ? 1 : 0)) << seed;
            EXPECT_EQ(static_cast<int>(game.roster[7].age), band.years);
            EXPECT_EQ(game.roster[0].age, 29.66f);
            if (!slows) {
                EXPECT_EQ(game.rng.state(), expect.state());
            }
            slowed += slows;
        }
        EXPECT_GT(slowed, 0);
    }
}

TEST(Ageing, DamagedAgesDrawNothing)
{
    Game game = makeGame();
    game.roster[0].age = std::numeric_limits<float>::quiet_NaN();
    game.roster[1].age = 1e30f;
    game.roster[2].age = -1e30f;
    game.rng.seed(3);
    EXPECT_EQ(ageWrestlers(game), "");
    EXPECT_EQ(game.rng.state(), 3u);
    EXPECT_TRUE(std::isnan(game.roster[0].age));
}
