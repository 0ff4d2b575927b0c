// The end of a bout: close finishes, the mono-ii, and recording the result.
#include "tests/rules/bout/BoutTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace mirror;

// An exchange of equal points after which the first draw of the end (a
// close-finish or second-wind test) is `draw`, and the next one at least 80.
constexpr int kClose = 0;      // a close-finish draw below 25
constexpr int kNotClose = 25;  // 25 or more
void finishWith(Game& game, BoutEngine& engine, std::int32_t gp, std::int32_t go, int draw)
{
    const int hi = draw < 25 ? 24 : 100;
    reachExchanges(game, engine, gp, go);
    game.rng.seed(seedWhere(even({{kAfterStumbles, 327, draw, hi}, {kAfterStumbles + 1, 327, 80, 100}})));
    engine.exchange(game, kYotsu);
}

void judges(Game& game, BoutEngine& engine, int r, MonoiiDecision expected)
{
    engine.callMonoii();
    EXPECT_EQ(engine.view().endText, "Wait!  A mono-ii is called!");
    EXPECT_EQ(engine.view().focus, BoutFocus::MonoiiStart);
    game.rng.seed(seedWhere({{0, 327, r, r}}));
    EXPECT_EQ(engine.judgesDecide(game), expected);
}

// The player wins (or loses) clearly whatever the draws.
void reachEnd(Game& game, BoutEngine& engine, bool win)
{
    reachExchanges(game, engine, win ? 100 : -50, win ? -50 : 100);
    engine.exchange(game, kYotsu);
    ASSERT_TRUE(win ? engine.view().win : engine.view().lose);
}

TEST(Decision, CloseFinishAndEveryJudgesDecisionOnATournamentDay)
{
    struct Case {
        int r;
        MonoiiDecision decision;
        const char* text;
    };
    for (const Case& c : {Case{19, MonoiiDecision::PlayerWins, "Player wins!"},
                          Case{20, MonoiiDecision::OpponentWins, "Opp wins!"},
                          Case{39, MonoiiDecision::OpponentWins, "Opp wins!"},
                          Case{40, MonoiiDecision::ToriNaoshi,
                               "The shimpan declare it too close to decide and call for a tori-naoshi!"}}) {
        SCOPED_TRACE(c.r);
        Game game = mirrorGame();
        BoutEngine engine;
        finishWith(game, engine, 0, 1, kClose);
        // The apparent winner is the one with more genki left.
        EXPECT_EQ(engine.view().endText, "Opp wins!");
        EXPECT_TRUE(engine.view().monoiiClose);
        EXPECT_FALSE(engine.view().exchangeButtons);
        EXPECT_EQ(engine.view().focus, BoutFocus::MonoiiClose);

        judges(game, engine, c.r, c.decision);
        const BoutView& v = engine.view();
        EXPECT_EQ(v.endText, c.text);
        EXPECT_FALSE(v.monoiiStart || v.close);
        EXPECT_EQ(v.win, c.decision == MonoiiDecision::PlayerWins);
        EXPECT_EQ(v.lose, c.decision == MonoiiDecision::OpponentWins);
        EXPECT_EQ(v.monoiiFight, c.decision == MonoiiDecision::ToriNaoshi);
        EXPECT_FALSE(engine.resultRecorded());   // the Win or Lose button records it
    }
}

TEST(Decision, ToriNaoshiStartsAFreshBoutAndMayRepeat)
{
    Game game = mirrorGame();
    game.playerCopy.power = 40;
    game.opponentCopy.power = 60;
    BoutEngine engine;
    for (int rematch = 0; rematch < 2; ++rematch) {
        finishWith(game, engine, 0, 1, kClose);
        judges(game, engine, 70, MonoiiDecision::ToriNaoshi);
        game.rng.seed(seedWhere({{0, 3276, 3, 3}, {1, 3276, 10, 10}}));
        engine.toriNaoshi(game);
        const BoutView& v = engine.view();
        EXPECT_EQ(game.playerCopy.genki, 43);
        EXPECT_EQ(game.opponentCopy.genki, 70);
        EXPECT_EQ(v.timeElapsed, "0");
        EXPECT_TRUE(v.tachiaiButtons);
        EXPECT_EQ(v.focus, BoutFocus::Receive);
        EXPECT_FALSE(v.endLabel || v.monoiiFight || v.win || v.lose || v.close);
        EXPECT_EQ(v.userStrategy, "");
        EXPECT_EQ(v.outcome, "");
        EXPECT_EQ(game.playerCopy.gmw + game.playerCopy.gml, 0);
    }
}

TEST(Decision, EqualGenkiNamesThePlayerInACloseFinishButGoesToTheOpponentOtherwise)
{
    Game close = mirrorGame();
    BoutEngine a;
    finishWith(close, a, 0, 0, kClose);
    EXPECT_EQ(a.view().endText, "Player wins!");
    EXPECT_TRUE(a.view().monoiiClose);

    Game clear = mirrorGame();
    BoutEngine b;
    finishWith(clear, b, 0, 0, kNotClose);   // the next draw (80 or more) names the winner
    EXPECT_EQ(b.view().endText, "Opp wins!");
    EXPECT_TRUE(b.view().lose);
}

TEST(Decision, PlayoffBoutRecordsOnlyWhoWon)
{
    // The judges' word ends a playoff bout at once.
    for (int r : {5, 25}) {
        Game game = mirrorGame();
        game.curDay = 16;
        game.playoffWins = 2;
        game.playoffLosses = 2;
        BoutEngine engine;
        finishWith(game, engine, 1, 0, kClose);
        const Rikishi player = game.playerCopy;
        const Rikishi opponent = game.opponentCopy;
        judges(game, engine, r, r < 20 ? MonoiiDecision::PlayerWins : MonoiiDecision::OpponentWins);
        EXPECT_EQ(game.playoffWins, r < 20 ? 3 : 0);
        EXPECT_EQ(game.playoffLosses, r < 20 ? 0 : 3);
        EXPECT_TRUE(engine.resultRecorded());
        EXPECT_TRUE(engine.view().close);
        EXPECT_FALSE(engine.view().win || engine.view().lose);
        EXPECT_TRUE(sameRecord(player, game.playerCopy) && sameRecord(opponent, game.opponentCopy));
    }
    // Win and Lose: even a great upset changes no record and offers no bonus.
    Game game = mirrorGame();
    game.curDay = 16;
    game.opponentCopy.power = 1020;
    game.playoffLosses = 1;
    BoutEngine engine;
    reachEnd(game, engine, true);
    const Rikishi player = game.playerCopy;
    const Rikishi opponent = game.opponentCopy;
    engine.recordWin(game);
    EXPECT_EQ(game.playoffWins, 1);
    EXPECT_EQ(game.playoffLosses, 0);
    EXPECT_TRUE(sameRecord(player, game.playerCopy) && sameRecord(opponent, game.opponentCopy));
    EXPECT_EQ(engine.view().visibleResultLabels(), "");
    EXPECT_TRUE(engine.view().close);
    EXPECT_FALSE(engine.view().bonus);

    reachEnd(game, engine, false);
    engine.recordLoss(game);
    EXPECT_EQ(game.playoffWins, 0);
    EXPECT_EQ(game.playoffLosses, 1);
    EXPECT_EQ(game.playerCopy.cbl, 0);
}

TEST(Decision, WinsKachiKoshiAndTheCountersOfBothSides)
{
    struct Case {
        std::int32_t cbw;
        std::int32_t day;
        const char* labels;
    };
    for (const Case& c : {Case{7, 14, "KachiKoshiLabel"}, Case{7, 15, "KachiKoshiLabel,LastDayLabel"},
                          Case{8, 15, ""}}) {
        Game game = mirrorGame();
        game.curDay = c.day;
        game.playerCopy.slot = 11;      // one place below: no upset
        game.playerCopy.cbw = c.cbw;
        game.playerCopy.gmw = 30;
        game.opponentCopy.cbl = 2;
        game.opponentCopy.gml = 40;
        BoutEngine engine;
        reachEnd(game, engine, true);
        engine.recordWin(game);
        EXPECT_EQ(engine.view().visibleResultLabels(), c.labels);
        EXPECT_EQ(game.playerCopy.cbw, c.cbw + 1);
        EXPECT_EQ(game.playerCopy.gmw, 31);
        EXPECT_EQ(game.opponentCopy.cbl, 3);
        EXPECT_EQ(game.opponentCopy.gml, 41);
        EXPECT_EQ(game.playerCopy.potential, 0);
        EXPECT_FALSE(engine.view().boutLabels);
        EXPECT_EQ(engine.view().focus, BoutFocus::Close);

        // The result is recorded once.
        engine.recordWin(game);
        engine.recordLoss(game);
        EXPECT_EQ(game.playerCopy.cbw, c.cbw + 1);
        EXPECT_EQ(game.playerCopy.cbl, 0);
    }
}

TEST(Decision, UpsetsRaisePotentialAndGreatOnesOfferABonus)
{
    struct Case {
        std::int32_t powerAbove;   // the opponent's power above the player's
        std::int32_t slot;         // the opponent's slot; the player is at 20
        std::int32_t potential;    // gained
        const char* labels;
        bool bonus;
    };
    const Case cases[] = {
        {20, 10, 4, "PotentialLabel,BonusLabel", true},      // the rank test is then skipped
        {7, 10, 1, "PotentialLabel", false},
        {20, 30, 0, "", false},                              // stronger but lower: no upset
        {4, 13, 1, "UpsetPotentialLabel", false},            // 7 places higher
        {4, 8, 1, "UpsetPotentialLabel", false},             // 12 places higher
        {4, 6, 2, "UpsetPotentialLabel,UpsetBonusLabel", true},   // 14 places higher
        {0, 0, 2, "UpsetPotentialLabel,UpsetBonusLabel", true},   // 20 places higher
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.powerAbove) + " " + std::to_string(c.slot));
        Game game = mirrorGame();
        game.playerCopy.potential = 3;
        game.opponentCopy.power = game.playerCopy.power + c.powerAbove;
        game.opponentCopy.slot = c.slot;
        BoutEngine engine;
        reachEnd(game, engine, true);
        engine.recordWin(game);
        const BoutView& v = engine.view();
        EXPECT_EQ(game.playerCopy.potential, 3 + c.potential);
        EXPECT_EQ(v.visibleResultLabels(), c.labels);
        EXPECT_EQ(v.bonus, c.bonus);
        EXPECT_EQ(game.pointPool, c.bonus ? 1 : 0);
        EXPECT_EQ(v.focus, c.bonus ? BoutFocus::Bonus : BoutFocus::Close);
        if (c.bonus) {
            engine.bonusSpent();
            EXPECT_FALSE(engine.view().bonus);
            EXPECT_EQ(engine.view().focus, BoutFocus::Close);
        }
        engine.close();
        EXPECT_FALSE(engine.view().close);
        EXPECT_TRUE(engine.resultRecorded());
    }
}

TEST(Decision, LossesToWeakerOrLowerWrestlersCostPoints)
{
    struct Case {
        std::int32_t powerBelow;   // the opponent's power below the player's
        std::int32_t slot;         // the opponent's slot; the player is at 10
        std::int32_t cbl;
        std::int32_t day;
        int taken;
        const char* labels;
    };
    const Case cases[] = {
        {20, 30, 7, 15, 6, "MakeKoshiLabel,YaochoLabel"},   // 3 + 3, messages replaced
        {20, 30, 7, 14, 6, "MakeKoshiLabel,SappedLabel"},
        {20, 30, 2, 15, 6, "DrainLabel,SappedLabel"},
        {20, 30, 8, 15, 6, "DrainLabel,SappedLabel"},       // a ninth loss is no news
        {10, 14, 2, 5, 2, "DrainLabel,SappedLabel"},        // 4 places lower: sapped, but nothing for it
        {4, 9, 2, 5, 0, ""},                                // stronger, higher
        {0, 25, 2, 5, 3, "SappedLabel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.powerBelow) + " " + std::to_string(c.slot) + " " + std::to_string(c.day));
        Game game = mirrorGame();
        game.curDay = c.day;
        Rikishi& p = game.playerCopy;
        p.baseStrength = p.baseAgility = 10;
        p.intangibles = 5;
        p.weight = 150;
        p.slot = 10;
        p.cbl = c.cbl;
        game.opponentCopy.power = p.power - c.powerBelow;
        game.opponentCopy.slot = c.slot;
        BoutEngine engine;
        reachEnd(game, engine, false);
        const std::int64_t before = statTotal(p);
        engine.recordLoss(game);
        EXPECT_EQ(before - statTotal(p), c.taken);
        EXPECT_EQ(engine.view().visibleResultLabels(), c.labels);
        EXPECT_EQ(game.pointPool, 0);
        EXPECT_EQ(p.cbl, c.cbl + 1);
        EXPECT_EQ(p.gml, 1);
        EXPECT_EQ(game.opponentCopy.cbw, 1);
        EXPECT_EQ(game.opponentCopy.gmw, 1);
    }
}

TEST(Decision, BarsKeepTheirColourFromTheLastBoutWhenGenkiIsLow)
{
    Game game = mirrorGame();
    BoutEngine engine;
    // The first bout leaves the player's bar red (a draw of 25 or more gives
    // him no second wind).
    finishWith(game, engine, 5, 50, kNotClose);
    EXPECT_EQ(engine.view().userBar.colour, BarColour::Red);

    game.playerCopy.power = 5;
    for (int extra : {5, 6}) {
        game.rng.seed(seedWhere({{0, 3276, extra, extra}}));
        engine.setUp(game);
        EXPECT_EQ(game.playerCopy.genki, 5 + extra);
        EXPECT_EQ(engine.view().userBar.width, 2 * (5 + extra));
        // Only above 10 does a set-up turn it blue again.
        EXPECT_EQ(engine.view().userBar.colour, extra == 5 ? BarColour::Red : BarColour::Blue);
        // A huge genki fills the bar's space and no more.
        EXPECT_EQ(engine.view().compBar.width, kGenkiBarMaxWidth);
        EXPECT_EQ(engine.view().compBar.colour, BarColour::Blue);
    }
}

} // namespace
