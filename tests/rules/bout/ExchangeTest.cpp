// The exchanges: the move-strength ladder, the opponent's reading of the
// player's habits, fatigue, second winds and the end of the bout.
#include "tests/rules/bout/BoutTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace mirror;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Mirror wrestlers with the given genki, one exchange of `move` on a seed
// meeting `pins`.
void exchangeOn(Game& game, BoutEngine& engine, std::int32_t gp, std::int32_t go, const std::vector<Pin>& pins,
                int move = kYotsu)
{
    reachExchanges(game, engine, gp, go);
    game.rng.seed(seedWhere(pins));
    engine.exchange(game, move);
}

TEST(Exchange, MoveStrengthLadderAndItsBands)
{
    struct Case {
        std::int32_t strength;    // agility is 20: S = strength + 20
        int draw;                 // rand()/163
        const char* text;
        int points;
    };
    const Case cases[] = {
        {-20, 29, "--A super weak move!", -20}, {-20, 30, "--A weak move!", -10},
        {-20, 49, "--A weak move!", -10},       {-20, 50, "", 0},
        {10, 0, "--A weak move!", -10},         // S 30: no super weak move any more
        {30, 0, "", 0},                         // S 50: no weak move either
        {180, 0, "--A powerful move!", 10},     {180, 1, "--A super powerful move!", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.strength) + " " + std::to_string(c.draw));
        Game game = mirrorGame();
        game.playerCopy.strength = c.strength;
        BoutEngine engine;
        exchangeOn(game, engine, 500, 500, even({{kUserExtra, 3276, 0, 0}, {kUserLadder, 163, c.draw, c.draw}}));
        // Yotsu: strength/2 + 20 + 10, lucky x 1.4.
        const int base = static_cast<int>((c.strength / 2 + 30) * 1.4);
        EXPECT_EQ(engine.view().userStrategy, std::string("Player's strategy: Yotsu") + c.text);
        EXPECT_EQ(engine.view().userPoints, "Player's strategy worth " + std::to_string(base + c.points) + " points");
    }
    // The opponent's weakest move has its own words, and intangibles count half.
    Game game = mirrorGame();
    game.opponentCopy.strength = -20;
    game.opponentCopy.intangibles = 1;     // S = -20 + 20 + 0
    BoutEngine engine;
    exchangeOn(game, engine, 500, 500, even({{kCompLadder, 163, 10, 10}}));
    EXPECT_EQ(engine.view().compStrategy, "Opp's strategy: Yotsu--A very weak move!");
}

TEST(Exchange, LuckyDrawsGoByTheStrategyOrderAndThePlayerFirst)
{
    // Yotsu against Yotsu: the player's draw (lucky) before the opponent's.
    // Yotsu against Oshi: Oshi's draws come first, so the opponent's is the
    // lucky one. Yotsu 0 + 10 + 10 = 20, lucky 28; Oshi 20, lucky 34.
    for (int compCode : {kYotsu, kOshi}) {
        Game game = mirrorGame();
        for (Rikishi* r : {&game.playerCopy, &game.opponentCopy})
            r->yotsu = r->oshi = 10;
        Rikishi& o = game.opponentCopy;
        o.boutStrategy1 = o.boutStrategy2 = o.boutStrategy3 = compCode;
        BoutEngine engine;
        const bool oshi = compCode == kOshi;
        exchangeOn(game, engine, 500, 500,
                   even({{2, oshi ? 1560 : 1820, 0, 9}, {3, 1820, 10, 18}, {kUserExtra, 3276, 0, 0},
                         {kCompExtra, 3276, 0, 0}}));
        const std::string userPoints = oshi ? "Player's strategy worth 20 points" : "Player's strategy worth 28 points";
        EXPECT_EQ(engine.view().userPoints.rfind(userPoints, 0), 0u) << engine.view().userPoints;
        EXPECT_EQ(engine.view().compPoints, oshi ? "Opp's strategy worth 34 points" : "Opp's strategy worth 20 points");
    }
}

TEST(Exchange, RepeatsAreAnticipatedMoreOftenAndTheCountOutlivesTheBout)
{
    Game game = mirrorGame();
    game.opponentCopy.intangibles = 4;      // a read is worth 2 x 4 + 10 = 18
    BoutEngine engine;
    reachExchanges(game, engine, 500, 500);
    // The anticipation draw is 59: it takes 20 x repeats > 59, the third repeat.
    const std::uint32_t at59 = seedWhere(even({{kCompExtra, 3276, 0, 0}, {kAnticipation, 327, 59, 59}}));
    for (int exchange = 1; exchange <= 4; ++exchange) {
        game.rng.seed(at59);
        engine.exchange(game, kYotsu);
        SCOPED_TRACE(exchange);
        EXPECT_EQ(engine.repeatCount(), exchange - 1);
        const bool read = exchange == 4;
        EXPECT_EQ(contains(engine.view().compStrategy, "--He anticipates your move!"), read);
        EXPECT_EQ(engine.view().compPoints, std::string("Opp's strategy worth ") + (read ? "60" : "42") + " points");
    }

    // A new bout clears the history but not the count: the fourth repeat
    // beats a draw of 79 (80 > 79) at once.
    exchangeOn(game, engine, 500, 500, even({{kAnticipation, 327, 79, 79}}));
    EXPECT_EQ(engine.repeatCount(), 4);
    EXPECT_EQ(engine.view().compStrategy, "Opp's strategy: Yotsu--He anticipates your move!");

    // Any other move starts counting again.
    game.rng.seed(seedWhere(even({{kAnticipation, 327, 0, 0}})));
    engine.exchange(game, kOshi);
    EXPECT_EQ(engine.repeatCount(), 0);
    EXPECT_EQ(engine.lastUserStrategy(), kOshi);
    EXPECT_FALSE(contains(engine.view().compStrategy, "anticipates"));
}

TEST(Exchange, AlternatingMovesAreCounteredFromTheFourthExchange)
{
    // The counter draw (when it is made) comes right after the anticipation
    // draw; the opponent's ladder follows it.
    const std::uint32_t counterSeed = seedWhere({{kUserExtra, 3276, 5, 5}, {kCompExtra, 3276, 5, 5},
                                                 {kUserLadder, 163, 30, 150}, {8, 327, 49, 49}, {9, 163, 30, 150},
                                                 {9, 327, 5, 94}, {10, 327, 5, 94}});
    Game game = mirrorGame();
    BoutEngine engine;
    reachExchanges(game, engine, 500, 500);
    const int moves[] = {kOshi, kYotsu, kOshi, kYotsu};
    for (int i = 0; i < 4; ++i) {
        game.rng.seed(counterSeed);
        engine.exchange(game, moves[i]);
        SCOPED_TRACE(i);
        const bool countered = i == 3;
        EXPECT_EQ(contains(engine.view().compStrategy, "--He counters your move!"), countered);
        // Yotsu beats Oshi: the opponent draws a bonus after every Oshi.
        const int expected = 12 + (moves[i] == kOshi ? 1 : 0) + (countered ? 1 : 0);
        EXPECT_EQ(drawsBetween(counterSeed, game.rng.state()), expected);
    }
    EXPECT_EQ(engine.view().compStrategy, "Opp's strategy: Yotsu--He counters your move!");
    EXPECT_EQ(engine.view().compPoints, "Opp's strategy worth 57 points");   // 42 + 5 + 10

    // The tachiai clears the history: the same moves carried over from the
    // last bout form no pattern.
    reachExchanges(game, engine, 500, 500);
    for (int move : {kOshi, kYotsu}) {
        game.rng.seed(counterSeed);
        engine.exchange(game, move);
        EXPECT_FALSE(contains(engine.view().compStrategy, "counters"));
    }

    // Four equal moves match the pattern too, but a move already anticipated
    // is not also countered, and the counter draw is not made.
    Game again = mirrorGame();
    BoutEngine repeat;
    reachExchanges(again, repeat, 500, 500);
    const std::uint32_t readSeed = seedWhere(even({{kAnticipation, 327, 0, 0}}));
    for (int i = 0; i < 4; ++i) {
        again.rng.seed(readSeed);
        repeat.exchange(again, kYotsu);
    }
    EXPECT_EQ(repeat.view().compStrategy, "Opp's strategy: Yotsu--He anticipates your move!");
    EXPECT_EQ(drawsBetween(readSeed, again.rng.state()), 12);
}

TEST(Exchange, FatigueTurnsIntoAGainFromStaminaTwelve)
{
    Game game = mirrorGame();
    game.playerCopy.stamina = 12;     // 5 - 6: gains 1
    game.opponentCopy.stamina = 9;    // 5 - 4: loses 1
    BoutEngine engine;
    exchangeOn(game, engine, 50, 50, even());
    EXPECT_EQ(engine.view().outcome, "OOOOOOI!!!  HAKKEOOOI!!!");
    EXPECT_EQ(game.playerCopy.genki, 51);
    EXPECT_EQ(game.opponentCopy.genki, 49);
    EXPECT_EQ(engine.view().userBar.width, 102);
    EXPECT_TRUE(engine.view().exchangeButtons);
}

TEST(Exchange, SecondWinds)
{
    // The opponent's: below 10 against a player above 14, a draw of 0..13 at
    // most its intangibles (13: always), then rand()/3276 + 10/3 + 13/2 + 1.
    {
        Game game = mirrorGame();
        game.opponentCopy.intangibles = 13;
        BoutEngine engine;
        exchangeOn(game, engine, 30, 5, even({{kAfterStumbles + 1, 3276, 2, 2}}));
        EXPECT_EQ(game.opponentCopy.genki, 5 + 2 + 3 + 6 + 1);
        EXPECT_EQ(engine.view().outcome, "OOOOOOI!!!  HAKKEOOOI!!!  Opp gets a second wind!");
        EXPECT_EQ(engine.view().compBar.colour, BarColour::Blue);   // 17: not turned red
    }
    // The player's: a quarter chance, then rand()/3276 + skill/13 + stamina/2 + 1.
    for (int chance : {24, 25}) {
        Game game = mirrorGame();
        BoutEngine engine;
        exchangeOn(game, engine, 5, 30,
                   even({{kAfterStumbles, 327, chance, chance}, {kAfterStumbles + 1, 3276, 1, 1}}));
        const bool wind = chance < 25;
        EXPECT_EQ(game.playerCopy.genki, wind ? 5 + 1 + 7 + 5 + 1 : 5);
        EXPECT_EQ(engine.view().outcome,
                  std::string("OOOOOOI!!!  HAKKEOOOI!!!") + (wind ? "  Player gets a second wind!" : ""));
        EXPECT_EQ(engine.view().userBar.colour, wind ? BarColour::Blue : BarColour::Red);
    }
}

TEST(Exchange, TooLateToCounterAndTheClearFinish)
{
    Game game = mirrorGame();
    BoutEngine engine;
    // The player's second wind is tried (and missed) before the end.
    exchangeOn(game, engine, -5, 100,
               even({{kUserExtra, 3276, 8, 8}, {kCompExtra, 3276, 0, 0}, {kAfterStumbles, 327, 25, 100},
                     {kAfterStumbles + 1, 327, 0, 39}}));
    const BoutView& v = engine.view();
    EXPECT_EQ(v.outcome, "Player tries to counter, but it's too late!");
    EXPECT_EQ(game.opponentCopy.genki, 92);
    EXPECT_EQ(v.endText, "Opp sends Player flying out of the dohyo!");
    EXPECT_TRUE(v.endLabel && v.lose);
    EXPECT_FALSE(v.win || v.exchangeButtons);
    EXPECT_EQ(v.focus, BoutFocus::Lose);

    // The three ways a clear winner is announced; the opponent's second wind
    // is tried (and missed) before the end.
    for (int r : {39, 40, 79, 80}) {
        Game g = mirrorGame();
        BoutEngine e;
        exchangeOn(g, e, 100, -50, even({{kAfterStumbles, 2520, 1, 13}, {kAfterStumbles + 1, 327, r, r}}));
        const char* expected = r < 40   ? "Player sends Opp flying out of the dohyo!"
                               : r < 80 ? "Player crushes Opp down onto the dohyo!"
                                        : "Player wins!";
        EXPECT_EQ(e.view().endText, expected);
        EXPECT_TRUE(e.view().win);
        EXPECT_EQ(e.view().focus, BoutFocus::Win);
    }
}

} // namespace
