// The end-of-basho sequence: quitting between its screens, a damaged potential.
#include "rules/bashoend/BashoEnd.h"

#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

namespace {

struct CountingScreens : BashoEndScreens {
    std::size_t opened = 0;
    std::size_t quitAfter = 100; // stopped() once this many screens were opened
    void yusho(Game&) override { ++opened; }
    void chanko(Game&) override { ++opened; }
    void potential(Game&) override { ++opened; }
    void age(Game&) override { ++opened; }
    void newBanzuke(Game&) override { ++opened; }
    bool stopped() const override { return opened >= quitAfter; }
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

TEST(BashoEndSequence, StopsBeforeTheNextScreenWhenQuittingAndADamagedPotentialSkipsTheChanko)
{
    for (std::size_t quitAfter = 1; quitAfter <= 4; ++quitAfter) {
        Game game = sequenceGame(10, 0);
        CountingScreens screens;
        screens.quitAfter = quitAfter;
        runBashoEnd(game, screens);
        EXPECT_EQ(screens.opened, quitAfter);
    }
    // 12 wins less a potential of -20: no points, no chanko, and the potential is reset all the same.
    Game game = sequenceGame(12, -20);
    CountingScreens screens;
    runBashoEnd(game, screens);
    EXPECT_EQ(screens.opened, 4u);
    EXPECT_EQ(game.roster[39].potential, 0);
}
