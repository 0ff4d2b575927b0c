// The end of a playoff bout: the judges' word and a result recorded once (the
// golden scenarios prove close finishes, tori-naoshi, the captions and what a
// result records on a tournament day, upsets and stat losses included).
#include "tests/rules/bout/BoutTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace mirror;

// An exchange of equal points after which the first draw of the end (a
// close-finish or second-wind test) is `draw` (below 25: close), the next one at least 80.
void finishWith(Game& game, BoutEngine& engine, std::int32_t gp, std::int32_t go, int draw)
{
    reachExchanges(game, engine, gp, go);
    game.rng.seed(seedWhere(even({{kAfterStumbles, 327, draw, draw < 25 ? 24 : 100}, {kAfterStumbles + 1, 327, 80, 100}})));
    engine.exchange(game, kYotsu);
}

MonoiiDecision judges(Game& game, BoutEngine& engine, int r)
{
    engine.callMonoii();
    game.rng.seed(seedWhere({{0, 327, r, r}}));
    return engine.judgesDecide(game);
}

// The player wins (or loses) clearly whatever the draws.
void reachEnd(Game& game, BoutEngine& engine, bool win)
{
    reachExchanges(game, engine, win ? 100 : -50, win ? -50 : 100);
    engine.exchange(game, kYotsu);
    ASSERT_TRUE(win ? engine.view().win : engine.view().lose);
}

TEST(Decision, PlayoffBoutRecordsOnlyWhoWon)
{
    for (int r : {5, 25}) { // the judges' word ends a playoff bout at once
        Game game = mirrorGame();
        game.curDay = 16;
        game.playoffWins = game.playoffLosses = 2;
        BoutEngine engine;
        finishWith(game, engine, 1, 0, 0);
        const Rikishi player = game.playerCopy, opponent = game.opponentCopy;
        judges(game, engine, r);
        EXPECT_EQ(game.playoffWins * 10 + game.playoffLosses, r < 20 ? 30 : 3);
        EXPECT_TRUE(engine.resultRecorded() && engine.view().close && !engine.view().win && !engine.view().lose);
        EXPECT_TRUE(sameRecord(player, game.playerCopy) && sameRecord(opponent, game.opponentCopy));
    }
    // Win and Lose: even a great upset changes no record and offers no bonus.
    Game game = mirrorGame();
    game.curDay = 16;
    game.opponentCopy.power = 1020;
    game.playoffLosses = 1;
    BoutEngine engine;
    reachEnd(game, engine, true);
    const Rikishi player = game.playerCopy, opponent = game.opponentCopy;
    engine.recordWin(game);
    engine.recordWin(game); // recorded once
    engine.recordLoss(game);
    EXPECT_EQ(game.playoffWins * 10 + game.playoffLosses, 10);
    EXPECT_TRUE(sameRecord(player, game.playerCopy) && sameRecord(opponent, game.opponentCopy));
    EXPECT_EQ(engine.view().visibleResultLabels(), "");
    EXPECT_FALSE(engine.view().bonus);
    reachEnd(game, engine, false);
    engine.recordLoss(game);
    EXPECT_EQ(game.playoffWins * 10 + game.playoffLosses, 1);
}

} // namespace
