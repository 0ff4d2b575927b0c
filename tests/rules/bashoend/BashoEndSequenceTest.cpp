// The end-of-basho sequence: order of the screens, chanko points, potential reset.
#include "rules/bashoend/BashoEnd.h"

#include "tests/support/RosterFixture.h"
#include "rules/core/BodyRatings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingScreens : public BashoEndScreens {
public:
    std::vector<std::string> opened;
    int quitAfter = 100;           // stopped() once this many screens were opened
    int dayAtYusho = 0;
    int poolAtChanko = 0;
    int playerPotentialAtPotential = -1;
    int strengthAtBanzuke = 0;

    void yusho(Game& g) override
    {
        opened.push_back("yusho");
        dayAtYusho = g.roster[0].day;
    }
    void chanko(Game& g) override
    {
        opened.push_back("chanko");
        poolAtChanko = g.pointPool;
        g.playerCopy.baseStrength += 3;   // spent on the copy, as the screen does
        g.pointPool -= 3;
    }
    void potential(Game& g) override
    {
        opened.push_back("potential");
        playerPotentialAtPotential = g.roster[39].potential;
    }
    void age(Game&) override { opened.push_back("age"); }
    void newBanzuke(Game& g) override
    {
        opened.push_back("banzuke");
        strengthAtBanzuke = g.roster[39].strength;
    }
    bool stopped() const override { return static_cast<int>(opened.size()) >= quitAfter; }
};

Game sequenceGame(int wins, int potential)
{
    Game game = makeGame();
    for (Rikishi& r : game.roster)
        r.day = 15;
    game.roster[39].isPlayer = 1;
    setRecord(game.roster[39], wins);
    game.roster[39].potential = potential;
    return game;
}

} // namespace

TEST(BashoEndSequence, ScreensInOrderWithChankoPointsAndPotentialReset)
{
    Game game = sequenceGame(10, 3);
    RecordingScreens screens;
    runBashoEnd(game, screens);
    EXPECT_EQ(screens.opened, (std::vector<std::string>{"yusho", "chanko", "potential", "age", "banzuke"}));
    EXPECT_EQ(screens.dayAtYusho, 16);
    EXPECT_EQ(screens.poolAtChanko, 7);   // 10 - 6 + 3
    EXPECT_EQ(screens.playerPotentialAtPotential, 0);
    EXPECT_EQ(game.roster[39].baseStrength, 8);   // the copy came back
    // The ratings were recomputed from the new base value before the revision.
    Rikishi rated = game.roster[39];
    computeBodyRatings(rated);
    EXPECT_EQ(screens.strengthAtBanzuke, rated.strength);
}

TEST(BashoEndSequence, NoPointsNoChankoButPotentialStillReset)
{
    Game game = sequenceGame(6, 0);
    RecordingScreens screens;
    runBashoEnd(game, screens);
    EXPECT_EQ(screens.opened, (std::vector<std::string>{"yusho", "potential", "age", "banzuke"}));

    Game negative = sequenceGame(12, -20);   // a damaged potential cancels the award
    RecordingScreens again;
    runBashoEnd(negative, again);
    EXPECT_EQ(again.opened.size(), 4u);
    EXPECT_EQ(negative.roster[39].potential, 0);
}

TEST(BashoEndSequence, StopsBeforeTheNextScreenWhenQuitting)
{
    Game game = sequenceGame(10, 0);
    RecordingScreens screens;
    screens.quitAfter = 2;
    runBashoEnd(game, screens);
    EXPECT_EQ(screens.opened, (std::vector<std::string>{"yusho", "chanko"}));
}
