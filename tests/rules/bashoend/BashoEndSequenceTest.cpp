// The end-of-basho sequence: the chanko copy, a damaged potential, quitting.
#include "rules/bashoend/BashoEnd.h"

#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RecordingScreens : BashoEndScreens {
    std::vector<std::string> opened;
    std::size_t quitAfter = 100;   // stopped() once this many screens were opened
    int strengthAtBanzuke = 0;
    void yusho(Game&) override { opened.push_back("yusho"); }
    void chanko(Game& g) override
    {
        opened.push_back("chanko");
        g.playerCopy.baseStrength += 3;   // spent on the copy, as the screen does
    }
    void potential(Game&) override { opened.push_back("potential"); }
    void age(Game&) override { opened.push_back("age"); }
    void newBanzuke(Game& g) override
    {
        opened.push_back("banzuke");
        strengthAtBanzuke = g.roster[39].strength;
    }
    bool stopped() const override { return opened.size() >= quitAfter; }
};

Game sequenceGame(int wins, int potential)
{
    Game game = makeGame();
    game.roster[39].isPlayer = 1;
    setRecord(game.roster[39], wins);
    game.roster[39].potential = potential;
    return game;
}

} // namespace

TEST(BashoEndSequence, TheChankoCopyComesBackAndIsRatedBeforeTheRevision)
{
    Game game = sequenceGame(10, 3);
    RecordingScreens screens;
    runBashoEnd(game, screens);
    EXPECT_EQ(screens.opened, (std::vector<std::string>{"yusho", "chanko", "potential", "age", "banzuke"}));
    EXPECT_EQ(game.roster[39].baseStrength * 10 + game.roster[39].potential, 80);
    EXPECT_EQ(screens.strengthAtBanzuke, 6);   // 8 less 2 for 130 kg

    // A damaged potential cancels the award, and is reset all the same.
    Game negative = sequenceGame(12, -20);
    RecordingScreens again;
    runBashoEnd(negative, again);
    EXPECT_EQ(again.opened.size(), 4u);
    EXPECT_EQ(negative.roster[39].potential, 0);
}

TEST(BashoEndSequence, StopsBeforeTheNextScreenWhenQuitting)
{
    for (std::size_t quitAfter = 1; quitAfter <= 4; ++quitAfter) {
        Game game = sequenceGame(10, 0);
        RecordingScreens screens;
        screens.quitAfter = quitAfter;
        runBashoEnd(game, screens);
        EXPECT_EQ(screens.opened.size(), quitAfter);
    }
}
