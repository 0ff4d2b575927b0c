// The banzuke revision: its fixed passes, promotions, demotions and text.
#include "rules/bashoend/BanzukeRevision.h"

#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

namespace {

const std::string kGoodLuck = "      Good luck next basho!";

// A basho after which nothing changes rank and no message is due: Yokozuna
// 10 wins, everybody else 8 and no Sekiwake near Ozeki.
Game quietGame()
{
    Game game = makeGame();
    for (std::size_t i = 0; i < 40; ++i)
        setRecord(game.roster[i], i < 3 ? 10 : 8);
    return game;
}

// This basho's wins and the two before it.
void setHistory(Rikishi& r, int wins, int lastWins, int wins2Ago)
{
    setRecord(r, wins);
    r.lbw = lastWins;
    r.tbaw = wins2Ago;
}

int indexOf(const Game& game, const std::string& name)
{
    for (std::size_t i = 0; i < 40; ++i) {
        if (nameAt(game, i) == name)
            return static_cast<int>(i);
    }
    return -1;
}

int rankOf(const Game& game, const std::string& name)
{
    return game.roster[static_cast<std::size_t>(indexOf(game, name))].rank;
}

} // namespace

TEST(BanzukeRevision, QuietBashoGivesOnlyGoodLuckAndClosesEveryRecord)
{
    Game game = quietGame();
    for (std::size_t i = 0; i < 40; ++i) {
        game.roster[i].lbw = 9;
        game.roster[i].slot = 77;
    }
    const Roster before = game.roster;
    EXPECT_EQ(reviseBanzuke(game), kGoodLuck);
    for (std::size_t i = 0; i < 40; ++i) {
        const Rikishi& r = game.roster[i];
        EXPECT_EQ(nameAt(game, i), shikonaOf(before[i]));   // nobody moved
        EXPECT_EQ(r.rank, before[i].rank);
        EXPECT_EQ(r.day, 1);
        EXPECT_EQ(r.slot, static_cast<int>(i));
        EXPECT_EQ(r.cbw, 0);
        EXPECT_EQ(r.cbl, 0);
        EXPECT_EQ(r.lbw, before[i].cbw);
        EXPECT_EQ(r.tbaw, 9);
    }
    EXPECT_EQ(game.curDay, 1);
    EXPECT_EQ(game.lastResultsDay, 0);
}

TEST(BanzukeRevision, ThreePassesLimitHowFarARecordRises)
{
    Game game = quietGame();
    // Five Ozeki at 3..7; the last has the most wins and rises three places.
    for (std::size_t i = 3; i < 8; ++i)
        game.roster[i].rank = kOzeki;
    setRecord(game.roster[7], 12);
    // A Maegashira with a winning record climbs up to ten places; one with a
    // losing record never climbs.
    setRecord(game.roster[39], 7);
    setRecord(game.roster[38], 12);
    const std::string text = reviseBanzuke(game);
    EXPECT_EQ(indexOf(game, "R07"), 4);
    EXPECT_EQ(indexOf(game, "R38"), 28);
    EXPECT_EQ(indexOf(game, "R39"), 39);
    EXPECT_EQ(text, kGoodLuck);
}

TEST(BanzukeRevision, KadobanOzekiIsDemotedAfterASecondLosingRecord)
{
    Game game = quietGame();
    setHistory(game.roster[4], 6, 9, 0);
    EXPECT_EQ(reviseBanzuke(game), "For a make-koshi at Ozeki, R04 is on kadoban status.  "
                                   "A losing record next basho earns a demotion!      " + kGoodLuck);
    EXPECT_EQ(rankOf(game, "R04"), kOzeki);

    // The next basho: 7-8 again, and the status is found again from lbw.
    for (std::size_t i = 0; i < 40; ++i)
        setRecord(game.roster[i], i < 3 ? 10 : 8);
    setRecord(game.roster[static_cast<std::size_t>(indexOf(game, "R04"))], 7);
    EXPECT_EQ(reviseBanzuke(game), "For two successive make-koshi, R04 is demoted from Ozeki!      " + kGoodLuck);
    EXPECT_EQ(rankOf(game, "R04"), kSekiwake);
}

TEST(BanzukeRevision, PromotionsAtAndJustBelowTheirThresholds)
{
    Game game = quietGame();
    // Ozeki: 15 - 13 - 12 is promoted; 15 - 13 - 11 is not.
    setHistory(game.roster[5], 15, 13, 12);
    setHistory(game.roster[4], 15, 13, 11);
    // Sekiwake: 11 + 11 + 11 is promoted; 11 + 11 + 10 is not.
    setHistory(game.roster[7], 11, 11, 11);
    setHistory(game.roster[6], 11, 11, 10);
    EXPECT_EQ(reviseBanzuke(game), "The Kirimaki Association promotes R05 to Yokozuna!      "
                                   "The Kirimaki Association promotes R07 to Ozeki!      " + kGoodLuck);
    EXPECT_EQ(rankOf(game, "R05"), kYokozuna);
    EXPECT_EQ(rankOf(game, "R04"), kOzeki);
    EXPECT_EQ(rankOf(game, "R07"), kOzeki);
    EXPECT_EQ(rankOf(game, "R06"), kSekiwake);
    // The new Yokozuna stands with the Yokozuna, the new Ozeki with the Ozeki.
    EXPECT_EQ(indexOf(game, "R05"), 3);
    EXPECT_EQ(indexOf(game, "R07"), 6);
    for (std::size_t i = 1; i < 40; ++i)
        EXPECT_GE(game.roster[i - 1].rank, game.roster[i].rank) << i;
}

TEST(BanzukeRevision, RetirementSuggestionWithAndWithoutDemotion)
{
    Game game = quietGame();
    setHistory(game.roster[0], 7, 9, 0);
    setHistory(game.roster[1], 7, 7, 0);
    EXPECT_EQ(reviseBanzuke(game),
              "The sumo association suggests that Yokozuna R00 considers retirement...      "
              "The sumo association suggests that Yokozuna R01 considers retirement...      "
              "The Kirimaki Association, embarrased by the recent poor record of Yokozuna R01 demotes him to Ozeki!      " +
                  kGoodLuck);
    EXPECT_EQ(rankOf(game, "R00"), kYokozuna);
    EXPECT_EQ(rankOf(game, "R01"), kOzeki);
    EXPECT_EQ(indexOf(game, "R01"), 2);   // sinks below the Yokozuna
}

TEST(BanzukeRevision, WinningKomusubiAndLosingSekiwakeSwap)
{
    Game game = quietGame();
    setRecord(game.roster[6], 7);
    setRecord(game.roster[7], 7);
    // Komusubi 8..11: the first two 8-7 are promoted while the count of
    // winning Sekiwake is below two; the later ones stay.
    for (std::size_t i = 8; i < 12; ++i)
        setRecord(game.roster[i], 8);
    EXPECT_EQ(reviseBanzuke(game), kGoodLuck);
    for (const char* n : {"R08", "R09"})
        EXPECT_EQ(rankOf(game, n), kSekiwake) << n;
    for (const char* n : {"R06", "R07", "R10"})
        EXPECT_EQ(rankOf(game, n), kKomusubi) << n;
    EXPECT_EQ(indexOf(game, "R08"), 6);
    EXPECT_EQ(indexOf(game, "R09"), 7);
}

TEST(BanzukeRevision, EmptySekiwakeAndKomusubiRanksAreFilledInRosterOrder)
{
    // Both Sekiwake lose, no Komusubi wins: the losing Sekiwake become
    // Komusubi, so one Sekiwake place goes to the first Komusubi...
    Game game = quietGame();
    setRecord(game.roster[6], 7);
    setRecord(game.roster[7], 8);
    for (std::size_t i = 8; i < 12; ++i)
        setRecord(game.roster[i], 5);
    reviseBanzuke(game);
    EXPECT_EQ(rankOf(game, "R07"), kSekiwake);
    EXPECT_EQ(rankOf(game, "R06"), kSekiwake);   // first Komusubi after the demotion
    for (const char* n : {"R08", "R09", "R10", "R11"})
        EXPECT_EQ(rankOf(game, n), kMaegashira);
    // ...and both Komusubi places go to the first Maegashira in roster order.
    int komusubi = 0;
    for (const Rikishi& r : game.roster)
        komusubi += r.rank == kKomusubi;
    EXPECT_EQ(komusubi, 2);
    EXPECT_EQ(rankOf(game, "R12"), kKomusubi);
    EXPECT_EQ(rankOf(game, "R13"), kKomusubi);

    // With no Komusubi left at all, the first Maegashira becomes Sekiwake
    // (losing Maegashira keep their order).
    Game bare = quietGame();
    for (std::size_t i = 12; i < 40; ++i)
        setRecord(bare.roster[i], 7);
    setRecord(bare.roster[6], 3);
    bare.roster[6].rank = kMaegashira;
    setRecord(bare.roster[7], 8);
    for (std::size_t i = 8; i < 12; ++i) {
        bare.roster[i].rank = kMaegashira;
        setRecord(bare.roster[i], 3);
    }
    reviseBanzuke(bare);
    EXPECT_EQ(rankOf(bare, "R06"), kSekiwake);
    EXPECT_EQ(rankOf(bare, "R08"), kKomusubi);
    EXPECT_EQ(rankOf(bare, "R09"), kKomusubi);
}

TEST(BanzukeRevision, DamagedRanksCompareSignedAndFillingEnds)
{
    // A rank byte of 200 reads as -56: below Maegashira, so it sinks.
    Game game = quietGame();
    game.roster[0].rank = 200;
    reviseBanzuke(game);
    EXPECT_EQ(indexOf(game, "R00"), 39);

    // No record may take Sekiwake or Komusubi: the filling gives up.
    Game allYokozuna = quietGame();
    for (Rikishi& r : allYokozuna.roster) {
        r.rank = kYokozuna;
        setRecord(r, 10);
    }
    EXPECT_EQ(reviseBanzuke(allYokozuna), kGoodLuck);
    for (const Rikishi& r : allYokozuna.roster)
        EXPECT_EQ(r.rank, kYokozuna);

    // Extreme totals wrap instead of overflowing: INT_MAX + 1 + 0 is
    // INT_MIN, far below an Ozeki's 33.
    Game extreme = quietGame();
    setHistory(extreme.roster[6], 8, 1, 0);
    extreme.roster[6].cbw = INT32_MAX;
    reviseBanzuke(extreme);
    EXPECT_EQ(rankOf(extreme, "R06"), kSekiwake);
}
