// The chanko visit: its costs, ceilings and the single height step, which
// the autopilot never buys (the scenarios prove the points a basho earns).
#include "rules/bashoend/Chanko.h"

#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

namespace {

Game chankoGame(int wins, int potential, int pool)
{
    Game game = makeGame();
    setRecord(game.roster[39], wins);
    game.roster[39].potential = potential;
    game.playerCopy = game.roster[39];
    game.pointPool = pool;
    return game;
}

int enabledCount(const ChankoVisit& v)
{
    int n = 0;
    for (bool e : v.view().enabled)
        n += e;
    return n;
}

} // namespace

TEST(Chanko, HeightCostsThreeOncePerVisitAndWeightTwo)
{
    Game game = chankoGame(15, 5, 14);
    ChankoVisit v;
    v.open(game);
    ASSERT_TRUE(v.click(game, kChankoHeight));
    EXPECT_FALSE(v.view().enabled[kChankoHeight]); // points left, but one centimetre a visit
    EXPECT_FALSE(v.click(game, kChankoHeight));
    EXPECT_EQ(game.playerCopy.height * 100 + game.pointPool, 18111);
    EXPECT_EQ(v.view().height, "181");

    for (const auto& [pool, button, weight] : {std::tuple<int, std::size_t, int>{2, kChankoWeightDown, 129},
                                               {3, kChankoWeightUp, 131}}) {
        Game g = chankoGame(8, 0, pool);
        v.open(g);
        EXPECT_EQ(v.view().enabled[kChankoHeight], pool >= 3);
        ASSERT_TRUE(v.click(g, button));
        EXPECT_EQ(g.playerCopy.weight * 10 + g.pointPool, weight * 10 + pool - 2);
        EXPECT_FALSE(v.view().enabled[kChankoWeightUp] || v.view().enabled[kChankoWeightDown]);
        EXPECT_EQ(enabledCount(v), pool - 2 > 0 ? 12 : 0); // one point left: statistics only
    }
}

TEST(Chanko, StatisticsStopAtTheirCeilingsAndWhenPointsRunOut)
{
    Game game = chankoGame(12, 0, 6);
    game.playerCopy.baseStrength = 13; // 13 is the chanko ceiling for strength...
    game.playerCopy.tachiai = 13; // ...but 15 for the others
    game.playerCopy.stamina = 15;
    ChankoVisit v;
    v.open(game);
    EXPECT_FALSE(v.view().enabled[0] || v.view().enabled[11]);
    EXPECT_FALSE(v.click(game, 0));
    ASSERT_TRUE(v.click(game, 2));
    ASSERT_TRUE(v.click(game, 2));
    EXPECT_FALSE(v.view().enabled[2]);
    EXPECT_EQ(v.view().values[2] + " " + v.view().pointsLeft, "15 4");
    game.playerCopy.baseAgility = 12;
    ASSERT_TRUE(v.click(game, 1));
    EXPECT_FALSE(v.view().enabled[1]); // agility reached 13
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(v.click(game, 3));
    EXPECT_EQ(enabledCount(v), 0);
    EXPECT_FALSE(v.click(game, 3));
    EXPECT_EQ(game.pointPool, 0);
}
