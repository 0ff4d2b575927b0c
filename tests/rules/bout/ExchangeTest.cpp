// The exchanges' draw order: lucky draws, the opponent's reading of the
// player's habits (the golden scenarios prove the ladder, fatigue, second
// winds and the end of a bout).
#include "tests/rules/bout/BoutTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace mirror;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// One exchange of `move` with the given genki on a seed meeting `pins`.
void exchangeOn(Game& game, BoutEngine& engine, std::int32_t gp, std::int32_t go, const std::vector<Pin>& pins,
                int move = kYotsu)
{
    reachExchanges(game, engine, gp, go);
    game.rng.seed(seedWhere(pins));
    engine.exchange(game, move);
}

TEST(Exchange, LuckyDrawsGoByTheStrategyOrderAndThePlayerFirst)
{
    // Against Yotsu the player's draw (lucky) comes first; against Oshi,
    // Oshi's draws come first, so the opponent's is the lucky one.
    for (int compCode : {kYotsu, kOshi}) {
        Game game = mirrorGame();
        for (Rikishi* r : {&game.playerCopy, &game.opponentCopy})
            r->yotsu = r->oshi = 10;
        game.opponentCopy.boutStrategy1 = game.opponentCopy.boutStrategy2 = game.opponentCopy.boutStrategy3 = compCode;
        BoutEngine engine;
        const bool oshi = compCode == kOshi;
        exchangeOn(game, engine, 500, 500,
                   even({{2, oshi ? 1560 : 1820, 0, 9}, {3, 1820, 10, 18}, {kUserExtra, 3276, 0, 0}, {kCompExtra, 3276, 0, 0}}));
        EXPECT_EQ(engine.view().userPoints.rfind(oshi ? "Player's strategy worth 20" : "Player's strategy worth 28", 0), 0u);
        EXPECT_EQ(engine.view().compPoints, oshi ? "Opp's strategy worth 34 points" : "Opp's strategy worth 20 points");
    }
}

TEST(Exchange, RepeatsAreAnticipatedAndAlternationsCounteredWithTheirOwnDraws)
{
    Game game = mirrorGame();
    game.opponentCopy.intangibles = 4; // a read is worth 2 x 4 + 10 = 18
    BoutEngine engine;
    reachExchanges(game, engine, 500, 500);
    // A draw of 59 is beaten by 20 x repeats from the third repeat on.
    const std::uint32_t at59 = seedWhere(even({{kCompExtra, 3276, 0, 0}, {kAnticipation, 327, 59, 59}}));
    for (int exchange = 1; exchange <= 4; ++exchange) {
        game.rng.seed(at59);
        engine.exchange(game, kYotsu);
        EXPECT_EQ(engine.repeatCount(), exchange - 1);
        EXPECT_EQ(engine.view().compPoints, std::string("Opp's strategy worth ") + (exchange == 4 ? "60" : "42") + " points");
    }
    // A new bout keeps the count: the fourth repeat beats 79 at once; the
    // anticipated move is not also countered, and no counter draw is made.
    const std::uint32_t at79 = seedWhere(even({{kAnticipation, 327, 79, 79}}));
    reachExchanges(game, engine, 500, 500);
    game.rng.seed(at79);
    engine.exchange(game, kYotsu);
    EXPECT_EQ(engine.view().compStrategy, "Opp's strategy: Yotsu--He anticipates your move!");
    EXPECT_EQ(drawsBetween(at79, game.rng.state()), 12);
    game.rng.seed(at59);
    engine.exchange(game, kOshi); // any other move starts counting again
    EXPECT_EQ(engine.repeatCount() * 10 + engine.lastUserStrategy(), kOshi);

    // The counter draw comes right after the anticipation draw, from the fourth exchange of a pattern.
    const std::uint32_t counterSeed = seedWhere({{kUserExtra, 3276, 5, 5}, {kCompExtra, 3276, 5, 5}, {kUserLadder, 163, 30, 150}, {8, 327, 49, 49}, {9, 163, 30, 150}, {9, 327, 5, 94}, {10, 327, 5, 94}});
    Game alt = mirrorGame();
    BoutEngine counter;
    for (int bout = 0; bout < 2; ++bout) { // the tachiai clears the pattern: no counter before the fourth
        reachExchanges(alt, counter, 500, 500);
        for (int i = 0; i < 4; ++i) {
            alt.rng.seed(counterSeed);
            counter.exchange(alt, i % 2 ? kYotsu : kOshi);
            const bool countered = i == 3;
            EXPECT_EQ(contains(counter.view().compStrategy, "--He counters your move!"), countered);
            // Yotsu beats Oshi: the opponent draws a bonus after every Oshi.
            EXPECT_EQ(drawsBetween(counterSeed, alt.rng.state()), 12 + (i % 2 ? 0 : 1) + (countered ? 1 : 0));
        }
        EXPECT_EQ(counter.view().compPoints, "Opp's strategy worth 57 points"); // 42 + 5 + 10
    }
}

TEST(Exchange, TheClearFinishNamesItsWayByTheDraw)
{
    for (int r : {39, 40, 79, 80}) { // the opponent's second wind is tried (and missed) first
        Game game = mirrorGame();
        BoutEngine engine;
        exchangeOn(game, engine, 100, -50, even({{kAfterStumbles, 2520, 1, 13}, {kAfterStumbles + 1, 327, r, r}}));
        EXPECT_EQ(engine.view().endText, r < 40   ? "Player sends Opp flying out of the dohyo!"
                                         : r < 80 ? "Player crushes Opp down onto the dohyo!"
                                                  : "Player wins!");
        EXPECT_TRUE(engine.view().win);
    }
}

TEST(Exchange, TheWinnerOfAnExchangeCountersTooLateOnlyBelowTheLoser)
{
    // The opponent, his genki already spent (-5), takes the exchange by 4:
    // level with the player afterwards he still drains him, one below it is too late.
    for (const int playerGenki : {-1, 0}) {
        Game game = mirrorGame();
        BoutEngine engine;
        exchangeOn(game, engine, playerGenki, -5, even({{kCompExtra, 3276, 9, 9}}));
        EXPECT_EQ(engine.view().outcome, playerGenki < 0 ? "Opp gets the upper hand, draining 4 genki units from Player"
                                                         : "Opp tries to counter, but it's too late!");
    }
}

} // namespace
