// The tachiai: points by strategy and side, the draws in their order, the edge.
#include "tests/rules/bout/BoutTestSupport.h"

#include "rules/core/Wrap.h"

#include <gtest/gtest.h>

namespace {

// Draws of a tachiai in which both sides chose a valid strategy.
constexpr int kTime = 0;
constexpr int kUserExtra = 4;
constexpr int kCompExtra = 5;
constexpr int kUserPowerful = 6;
constexpr int kBonus = 10;

Game tachiaiGame(int compCode)
{
    Game game = mirrorGame();
    for (Rikishi* r : {&game.playerCopy, &game.opponentCopy}) {
        r->strength = 10;
        r->agility = 20;
        r->tachiai = 8;
        r->jump = 20;        // every Jump is lucky
        r->hatakikomi = 30;  // every Henka is lucky
    }
    game.opponentCopy.tachiaiStrategy1 = game.opponentCopy.tachiaiStrategy2 = compCode;
    return game;
}

// Genki lost by each side.
struct Drain {
    std::int32_t player;
    std::int32_t comp;
};

// Sets the bout up, seeds the generator to meet `pins` and plays `code`.
Drain playTachiai(Game& game, BoutEngine& engine, int code, const std::vector<Pin>& pins)
{
    engine.setUp(game);
    const Drain before{game.playerCopy.genki, game.opponentCopy.genki};
    game.rng.seed(seedWhere(pins));
    engine.tachiai(game, code);
    return {before.player - game.playerCopy.genki, before.comp - game.opponentCopy.genki};
}

TEST(Tachiai, JumpIsWorthMoreToTheOpponentThanToThePlayer)
{
    Game game = tachiaiGame(kJump);
    BoutEngine engine;
    const Drain d =
        playTachiai(game, engine, kJump, {{kTime, 10922, 1, 1}, {kUserExtra, 3276, 3, 3}, {kCompExtra, 3276, 0, 0}});

    // 8 + 20 + 10/2 + 20/2 = 43 points: 43 x 1.5 = 64 for the player, 43 x 1.6 = 68 for the opponent.
    const BoutView& v = engine.view();
    EXPECT_EQ(v.timeElapsed, "2");
    EXPECT_EQ(v.userStrategy, "Player's strategy: Jump");
    EXPECT_EQ(v.compStrategy, "Opp's strategy: Jump");
    EXPECT_EQ(v.userPoints, "Player's strategy worth 67 points");
    EXPECT_EQ(v.compPoints, "Opp's strategy worth 68 points");
    EXPECT_EQ(v.outcome, "Opp gets the edge at the tachiai, draining 1 genki units from Player");
    EXPECT_EQ(d.player, 1);
    EXPECT_EQ(d.comp, 0);
    EXPECT_FALSE(v.tachiaiButtons);
    EXPECT_TRUE(v.exchangeButtons);
    EXPECT_EQ(v.focus, BoutFocus::Yotsu);
}

TEST(Tachiai, StrategyBonusAndCrashingHeads)
{
    // Receive beats Henka: the bonus is the draw after both stumble tests,
    // and "worth" shows the points before it.
    {
        Game game = tachiaiGame(kHenka);
        BoutEngine engine;
        const Drain d = playTachiai(game, engine, kReceive,
                                    {{kUserExtra, 3276, 0, 0}, {kCompExtra, 3276, 0, 0}, {kBonus, 3276, 4, 4}});
        // Receive 8 + 20 + 5 + 10 = 43 x 1.4 = 60; Henka 8 + 30 + 20 = 58, doubled 116.
        EXPECT_EQ(engine.view().userPoints, "Player's strategy worth 60 points  + 5 strategy bonus points!");
        EXPECT_EQ(engine.view().compPoints, "Opp's strategy worth 116 points");
        EXPECT_EQ(engine.view().outcome, "Opp gets the edge at the tachiai, draining 51 genki units from Player");
        EXPECT_EQ(d.player, 51);
    }
    // Equal strategies give no bonus; equal points drain nothing.
    {
        Game game = tachiaiGame(kReceive);
        BoutEngine engine;
        const Drain d = playTachiai(game, engine, kReceive, {{kUserExtra, 3276, 7, 7}, {kCompExtra, 3276, 7, 7}});
        EXPECT_EQ(engine.view().userPoints, "Player's strategy worth 67 points");
        EXPECT_EQ(engine.view().compPoints, "Opp's strategy worth 67 points");
        EXPECT_EQ(engine.view().outcome, "You crash heads at the tachiai!");
        EXPECT_EQ(d.player, 0);
        EXPECT_EQ(d.comp, 0);
    }
}

TEST(Tachiai, PowerfulThresholdRisesWithTheTachiaiSkillAndStumblesCostTen)
{
    struct Case {
        std::int32_t tachiai;
        int draw;          // the player's powerful-tachiai draw, rand()/324
        bool powerful;
    };
    // 110 - (60 + 60)/2 + tachiai: a threshold of 50 with tachiai 0, 51 with 1.
    for (const Case& c : {Case{0, 51, true}, Case{0, 50, false}, Case{1, 51, false}, Case{1, 52, true}}) {
        Game game = tachiaiGame(kReceive);
        Rikishi& p = game.playerCopy;
        p.strength = p.agility = 60;
        p.tachiai = c.tachiai;
        p.receive = 0;                  // never lucky
        Rikishi& o = game.opponentCopy;
        o.strength = o.tachiai = 0;
        o.agility = -5;                 // always stumbles: no draw of 0..20 is at most -5
        BoutEngine engine;
        playTachiai(game, engine, kReceive,
                    {{kUserExtra, 3276, 0, 0}, {kCompExtra, 3276, 0, 0}, {kUserPowerful, 324, c.draw, c.draw}});

        const std::int32_t base = c.tachiai + 30 + 30;
        SCOPED_TRACE(c.draw);
        EXPECT_EQ(engine.view().userStrategy,
                  std::string("Player's strategy: Receive") + (c.powerful ? "--A powerful tachiai!" : ""));
        EXPECT_EQ(engine.view().userPoints,
                  "Player's strategy worth " + std::to_string(base + (c.powerful ? 10 : 0)) + " points");
        // Receive 0 + 20 + 0 + (-5)/2 = 18, lucky: 25; minus 10 for the stumble.
        EXPECT_EQ(engine.view().compStrategy, "Opp's strategy: Receive  He stumbles at the tachiai!");
        EXPECT_EQ(engine.view().compPoints, "Opp's strategy worth 15 points");
    }
}

TEST(Tachiai, UnknownStrategyCodeHasNoNameNoPointsAndNoLuckyDraw)
{
    Game game = tachiaiGame(9);
    BoutEngine engine;
    const std::vector<Pin> pins{{3, 3276, 2, 2}, {4, 3276, 6, 6}};
    playTachiai(game, engine, kJump, pins);
    // Time, choice, one lucky draw, two additions, two powerful and two
    // stumble tests; no bonus either way.
    EXPECT_EQ(drawsBetween(seedWhere(pins), game.rng.state()), 9);
    EXPECT_EQ(engine.view().compStrategy, "Opp's strategy: ");
    EXPECT_EQ(engine.view().userPoints, "Player's strategy worth 66 points");
    EXPECT_EQ(engine.view().compPoints, "Opp's strategy worth 6 points");
}

TEST(Tachiai, IsOfferedOnceAndNeverEndsTheBout)
{
    Game game = tachiaiGame(kHenka);
    game.playerCopy.power = 0;
    game.playerCopy.agility = 0;
    BoutEngine engine;
    engine.setUp(game);
    engine.tachiai(game, kReceive);
    // Henka (116+) against Receive (about 40) drives the player's genki
    // (0 to 10) far below 1, and still the exchanges follow.
    EXPECT_LT(game.playerCopy.genki, 1);
    EXPECT_TRUE(engine.view().exchangeButtons);
    EXPECT_FALSE(engine.view().lose);
    EXPECT_EQ(engine.view().userBar.width, 0);
    EXPECT_EQ(engine.view().userBar.colour, BarColour::Red);

    // A second tachiai, or a bad code, is refused and draws nothing.
    const std::uint32_t before = game.rng.state();
    engine.tachiai(game, kReceive);
    EXPECT_EQ(game.rng.state(), before);
    BoutEngine fresh;
    fresh.setUp(game);
    const std::uint32_t afterSetUp = game.rng.state();
    fresh.tachiai(game, 5);
    fresh.tachiai(game, 0);
    EXPECT_EQ(game.rng.state(), afterSetUp);
    EXPECT_TRUE(fresh.view().tachiaiButtons);
}

} // namespace
