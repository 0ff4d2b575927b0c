// The chanko visit: its message, costs, ceilings and the single height step.
#include "rules/bashoend/Chanko.h"

#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

namespace {

Game chankoGame(int wins, int potential, int pool)
{
    Game game = makeGame();
    setRecord(game.roster[39], wins);
    game.roster[39].potential = potential;
    setShikona(game.roster[39], "Kiriyama");
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

TEST(Chanko, MessageTitleAndPointsOnOpening)
{
    Game game = chankoGame(10, 0, 4);
    ChankoVisit v;
    v.open(game);
    EXPECT_EQ(v.view().message, "For your record of 10-5 this basho, you have been awarded 4 chanko points.");
    EXPECT_EQ(v.view().title, "Kiriyama's bonus points left to distribute:");
    EXPECT_EQ(v.view().pointsLeft, "4");
    EXPECT_EQ(v.view().height, "180");
    EXPECT_EQ(v.view().weight, "130");
    EXPECT_EQ(v.view().values[0], "5");
    EXPECT_EQ(enabledCount(v), 15);

    Game poor = chankoGame(6, 3, 3);
    v.open(poor);
    EXPECT_EQ(v.view().message, "For your record of 6-9 this basho, you have been awarded 0 chanko points."
                                "  For your increased potential, you have earned 3 chanko points.");
    EXPECT_EQ(v.view().pointsLeft, "3");
}

TEST(Chanko, HeightCostsThreeAndIsOfferedOncePerVisit)
{
    Game game = chankoGame(9, 0, 3);
    ChankoVisit v;
    v.open(game);
    ASSERT_TRUE(v.click(game, kChankoHeight));
    EXPECT_EQ(game.playerCopy.height, 181);
    EXPECT_EQ(game.pointPool, 0);
    EXPECT_EQ(v.view().pointsLeft, "0");
    EXPECT_EQ(v.view().height, "181");
    EXPECT_EQ(enabledCount(v), 0);

    // With points left the height button is still off after one step.
    Game rich = chankoGame(15, 5, 14);
    v.open(rich);
    ASSERT_TRUE(v.click(rich, kChankoHeight));
    EXPECT_FALSE(v.view().enabled[kChankoHeight]);
    EXPECT_FALSE(v.click(rich, kChankoHeight));
    EXPECT_EQ(rich.playerCopy.height, 181);
    EXPECT_EQ(rich.pointPool, 11);
}

TEST(Chanko, TwoPointsBuyOneWeightStepAndNothingElse)
{
    Game game = chankoGame(8, 0, 2);
    ChankoVisit v;
    v.open(game);
    EXPECT_FALSE(v.view().enabled[kChankoHeight]);
    EXPECT_TRUE(v.view().enabled[kChankoWeightDown]);
    ASSERT_TRUE(v.click(game, kChankoWeightDown));
    EXPECT_EQ(game.playerCopy.weight, 129);
    EXPECT_EQ(v.view().weight, "129");
    EXPECT_EQ(game.pointPool, 0);
    EXPECT_EQ(enabledCount(v), 0);

    Game up = chankoGame(10, 0, 3);
    v.open(up);
    ASSERT_TRUE(v.click(up, kChankoWeightUp));
    EXPECT_EQ(up.playerCopy.weight, 131);
    // One point left: statistics only.
    EXPECT_FALSE(v.view().enabled[kChankoWeightUp] || v.view().enabled[kChankoWeightDown]);
    EXPECT_TRUE(v.view().enabled[2]);
}

TEST(Chanko, StatisticsStopAtTheirCeilingsAndWhenPointsRunOut)
{
    Game game = chankoGame(12, 0, 6);
    game.playerCopy.baseStrength = 13;   // 13 is the chanko ceiling for strength...
    game.playerCopy.tachiai = 13;        // ...but 15 for the others
    game.playerCopy.stamina = 15;
    ChankoVisit v;
    v.open(game);
    EXPECT_FALSE(v.view().enabled[0]);
    EXPECT_TRUE(v.view().enabled[2]);
    EXPECT_FALSE(v.view().enabled[11]);
    EXPECT_FALSE(v.click(game, 0));
    EXPECT_EQ(game.playerCopy.baseStrength, 13);

    ASSERT_TRUE(v.click(game, 2));
    ASSERT_TRUE(v.click(game, 2));
    EXPECT_EQ(game.playerCopy.tachiai, 15);
    EXPECT_FALSE(v.view().enabled[2]);
    EXPECT_EQ(v.view().values[2], "15");
    EXPECT_EQ(game.pointPool, 4);

    game.playerCopy.baseAgility = 12;
    ASSERT_TRUE(v.click(game, 1));
    EXPECT_FALSE(v.view().enabled[1]);   // agility reached 13
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(v.click(game, 3));
    EXPECT_EQ(game.pointPool, 0);
    EXPECT_EQ(enabledCount(v), 0);
    EXPECT_FALSE(v.click(game, 3));
}
