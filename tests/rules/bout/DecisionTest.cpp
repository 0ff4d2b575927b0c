// The end of a bout: the judges in a playoff, and what a result records (the
// golden scenarios prove close finishes, tori-naoshi and the captions).
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
    for (int r : {5, 25}) {   // the judges' word ends a playoff bout at once
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
    EXPECT_EQ(game.playoffWins * 10 + game.playoffLosses, 10);
    EXPECT_TRUE(sameRecord(player, game.playerCopy) && sameRecord(opponent, game.opponentCopy));
    EXPECT_EQ(engine.view().visibleResultLabels(), "");
    EXPECT_FALSE(engine.view().bonus);
    reachEnd(game, engine, false);
    engine.recordLoss(game);
    EXPECT_EQ(game.playoffWins * 10 + game.playoffLosses, 1);
}

TEST(Decision, WinsAreRecordedOnceWithKachiKoshiAndUpsets)
{
    // Opponent's power above the player's, his slot (the player is at 20),
    // cbw before, day, potential gained, labels.
    const std::tuple<int, int, int, int, int, const char*> cases[] = {
        {0, 21, 7, 14, 0, "KachiKoshiLabel"},
        {0, 21, 7, 15, 0, "KachiKoshiLabel,LastDayLabel"},
        {0, 21, 8, 15, 0, ""},
        {20, 10, 0, 5, 4, "PotentialLabel,BonusLabel"},   // the rank test is then skipped
        {9, 10, 0, 5, 1, "PotentialLabel"},
        {4, 10, 0, 5, 1, "UpsetPotentialLabel"},
        {20, 30, 0, 5, 0, ""},                             // stronger but lower: no upset
        {4, 14, 0, 5, 0, ""},                              // 6 places higher
        {4, 13, 0, 5, 1, "UpsetPotentialLabel"},           // 7 places higher
        {4, 7, 0, 5, 1, "UpsetPotentialLabel"},            // 13
        {4, 6, 0, 5, 2, "UpsetPotentialLabel,UpsetBonusLabel"},   // 14
    };
    for (const auto& [above, slot, cbw, day, potential, labels] : cases) {
        SCOPED_TRACE(std::to_string(above) + " " + std::to_string(slot));
        Game game = mirrorGame();
        game.curDay = day;
        game.playerCopy.cbw = cbw;
        game.playerCopy.potential = 3;
        game.opponentCopy.power = game.playerCopy.power + above;
        game.opponentCopy.slot = slot;
        BoutEngine engine;
        reachEnd(game, engine, true);
        engine.recordWin(game);
        engine.recordWin(game);   // recorded once
        engine.recordLoss(game);
        const BoutView& v = engine.view();
        EXPECT_EQ(v.visibleResultLabels(), labels);
        EXPECT_EQ(game.playerCopy.potential, 3 + potential);
        const bool bonus = std::string(labels).find("Bonus") != std::string::npos;
        EXPECT_EQ(v.bonus, bonus);
        EXPECT_EQ(game.pointPool, bonus ? 1 : 0);
        EXPECT_EQ(v.focus, bonus ? BoutFocus::Bonus : BoutFocus::Close);
        EXPECT_EQ(game.playerCopy.cbw * 100 + game.playerCopy.gmw * 10 + game.playerCopy.cbl, (cbw + 1) * 100 + 10);
        EXPECT_EQ(game.opponentCopy.cbl * 10 + game.opponentCopy.gml, 11);
        if (bonus) {
            engine.bonusSpent();
            EXPECT_EQ(engine.view().focus, BoutFocus::Close);
        }
    }
}

TEST(Decision, LossesToWeakerOrLowerWrestlersCostPoints)
{
    // Opponent's power below the player's, his slot (the player is at 10),
    // cbl before, day, points taken, labels.
    const std::tuple<int, int, int, int, int, const char*> cases[] = {
        {20, 30, 7, 15, 6, "MakeKoshiLabel,YaochoLabel"},   // 3 + 3, messages replaced
        {20, 30, 7, 14, 6, "MakeKoshiLabel,SappedLabel"},
        {20, 30, 8, 15, 6, "DrainLabel,SappedLabel"},       // a ninth loss is no news
        {10, 14, 2, 5, 2, "DrainLabel,SappedLabel"},        // 4 places lower: sapped, but nothing for it
        {4, 9, 2, 5, 0, ""},                                // stronger, higher
        {0, 25, 2, 5, 3, "SappedLabel"},
    };
    for (const auto& [below, slot, cbl, day, taken, labels] : cases) {
        SCOPED_TRACE(std::to_string(below) + " " + std::to_string(slot) + " " + std::to_string(day));
        Game game = mirrorGame();
        game.curDay = day;
        Rikishi& p = game.playerCopy;
        p.baseStrength = p.baseAgility = 10;
        p.intangibles = 5;
        p.weight = 150;
        p.slot = 10;
        p.cbl = cbl;
        game.opponentCopy.power = p.power - below;
        game.opponentCopy.slot = slot;
        BoutEngine engine;
        reachEnd(game, engine, false);
        const std::int64_t before = statTotal(p);
        engine.recordLoss(game);
        EXPECT_EQ(before - statTotal(p), taken);
        EXPECT_EQ(engine.view().visibleResultLabels(), labels);
        EXPECT_EQ(p.cbl * 10 + p.gml, (cbl + 1) * 10 + 1);
        EXPECT_EQ(game.opponentCopy.cbw * 10 + game.opponentCopy.gmw, 11);
    }
}

} // namespace
