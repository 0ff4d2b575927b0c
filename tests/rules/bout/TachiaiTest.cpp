// The tachiai: its draws in their order, and a tachiai that is offered once
// (the golden scenarios prove every kind's points, and that a genki driven
// below 1 at the tachiai still leads on to the exchanges); the genki bars.
#include "tests/rules/bout/BoutTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Draws of a tachiai in which both sides chose a valid strategy.
constexpr int kTime = 0;
constexpr int kUserExtra = 4;
constexpr int kCompExtra = 5;
constexpr int kBonus = 10;

Game tachiaiGame(int compCode)
{
    Game game = mirrorGame();
    for (Rikishi* r : {&game.playerCopy, &game.opponentCopy}) {
        r->strength = 10;
        r->tachiai = 8;
        r->jump = 20; // every Jump is lucky
        r->hatakikomi = 30; // every Henka is lucky
    }
    game.opponentCopy.tachiaiStrategy1 = game.opponentCopy.tachiaiStrategy2 = compCode;
    return game;
}

// Sets the bout up, seeds the generator to meet `pins`, plays `code` and
// returns the genki the player lost.
std::int32_t playTachiai(Game& game, BoutEngine& engine, int code, const std::vector<Pin>& pins)
{
    engine.setUp(game);
    const std::int32_t before = game.playerCopy.genki;
    game.rng.seed(seedWhere(pins));
    engine.tachiai(game, code);
    return before - game.playerCopy.genki;
}

TEST(Tachiai, DrawsComeInTheirOrder)
{
    // Time first, then the lucky draws, the additions, and the bonus after both stumble tests.
    Game game = tachiaiGame(kJump);
    BoutEngine engine;
    EXPECT_EQ(playTachiai(game, engine, kJump, {{kTime, 10922, 1, 1}, {kUserExtra, 3276, 3, 3}, {kCompExtra, 3276, 0, 0}}),
              1);
    // 8 + 20 + 10/2 + 20/2 = 43 points: x 1.5 for the player, x 1.6 for the opponent.
    EXPECT_EQ(engine.view().timeElapsed, "2");
    EXPECT_EQ(engine.view().userPoints + "|" + engine.view().compPoints,
              "Player's strategy worth 67 points|Opp's strategy worth 68 points");

    engine = BoutEngine();
    game = tachiaiGame(kHenka); // Receive beats Henka: "worth" shows the points before the bonus
    EXPECT_EQ(playTachiai(game, engine, kReceive, {{kUserExtra, 3276, 0, 0}, {kCompExtra, 3276, 0, 0}, {kBonus, 3276, 4, 4}}),
              51);
    EXPECT_EQ(engine.view().userPoints, "Player's strategy worth 60 points  + 5 strategy bonus points!");

    // An unknown code: no name, no points, no lucky draw, no bonus: 9 draws.
    engine = BoutEngine();
    game = tachiaiGame(9);
    const std::vector<Pin> pins{{3, 3276, 2, 2}, {4, 3276, 6, 6}};
    playTachiai(game, engine, kJump, pins);
    EXPECT_EQ(drawsBetween(seedWhere(pins), game.rng.state()), 9);
    EXPECT_EQ(engine.view().compStrategy + "|" + engine.view().compPoints, "Opp's strategy: |Opp's strategy worth 6 points");
}

TEST(Tachiai, IsOfferedOnce)
{
    Game game = tachiaiGame(kHenka);
    BoutEngine engine;
    engine.setUp(game);
    engine.tachiai(game, kReceive);
    // A second tachiai, or a bad code, is refused and draws nothing.
    const std::uint32_t before = game.rng.state();
    engine.tachiai(game, kReceive);
    EXPECT_EQ(game.rng.state(), before);
    BoutEngine fresh;
    fresh.setUp(game);
    EXPECT_FALSE(fresh.view().exchangeButtons);
    const std::uint32_t afterSetUp = game.rng.state();
    fresh.exchange(game, kYotsu); // no exchange before the tachiai
    fresh.tachiai(game, 5);
    fresh.tachiai(game, 0);
    EXPECT_EQ(game.rng.state(), afterSetUp);
    EXPECT_TRUE(fresh.view().tachiaiButtons);
}

TEST(GenkiBar, IsTwiceTheGenkiUpToItsWidthAndEmptyAtOrBelowZero)
{
    const int cases[][2] = {{-3, 0}, {0, 0}, {1, 2}, {200, 400}, {201, 400}, {INT32_MAX, 400}, {INT32_MIN, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(genkiBarWidth(c[0]), c[1]) << c[0];
}

} // namespace
