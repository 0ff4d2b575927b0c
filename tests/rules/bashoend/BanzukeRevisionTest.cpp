// The banzuke revision at its thresholds and on damaged rosters (the golden
// scenarios prove its messages for every kind of promotion and demotion).
#include "rules/bashoend/BanzukeRevision.h"

#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A basho after which nothing changes rank and no message is due: Yokozuna
// 10 wins, everybody else 8 and no Sekiwake near Ozeki.
Game quietGame()
{
    Game game = makeGame();
    for (std::size_t i = 0; i < 40; ++i)
        setRecord(game.roster[i], i < 3 ? 10 : 8);
    return game;
}

void setHistory(Rikishi& r, int wins, int lastWins, int wins2Ago)
{
    setRecord(r, wins);
    r.lbw = lastWins;
    r.tbaw = wins2Ago;
}

// "R07:5" for each name: where the record now stands and its rank.
std::string where(const Game& game, std::initializer_list<const char*> names)
{
    std::string out;
    for (const char* n : names)
        for (std::size_t i = 0; i < 40; ++i)
            if (nameAt(game, i) == n)
                out += std::string(n) + "@" + std::to_string(i) + ":" + std::to_string(game.roster[i].rank) + " ";
    return out;
}

} // namespace

TEST(BanzukeRevision, ThreePassesLimitHowFarARecordRises)
{
    Game game = quietGame();
    for (std::size_t i = 3; i < 8; ++i)   // five Ozeki; the last has the most wins and rises three places
        game.roster[i].rank = kOzeki;
    setRecord(game.roster[7], 12);
    // A Maegashira with a winning record climbs up to ten places; one with a losing record never climbs.
    setRecord(game.roster[39], 7);
    setRecord(game.roster[38], 12);
    game.roster[0].lbw = 9;
    game.roster[20].rank = kOzeki;   // a higher rank far down rises three places, no more
    EXPECT_EQ(reviseBanzuke(game), "      Good luck next basho!");
    EXPECT_EQ(where(game, {"R07", "R20", "R38", "R39"}), "R07@4:3 R20@17:3 R38@28:0 R39@39:0 ");
    const Rikishi& r = game.roster[0];   // every record closed: the basho moves into the history
    EXPECT_EQ((std::vector<int>{r.tbaw, r.lbw, r.cbw, r.cbl, r.day, game.roster[9].slot, game.curDay, game.lastResultsDay}),
              (std::vector<int>{9, 10, 0, 0, 1, 9, 1, 0}));
}

TEST(BanzukeRevision, PromotionsAndKadobanAtAndJustBelowTheirThresholds)
{
    Game game = quietGame();
    setHistory(game.roster[5], 14, 13, 12);   // Ozeki to Yokozuna: 14 - 13 - 12, not 14 - 13 - 11
    setHistory(game.roster[4], 14, 13, 11);
    setHistory(game.roster[7], 11, 11, 11);   // Sekiwake to Ozeki: 33, not 32
    setHistory(game.roster[6], 11, 11, 10);
    setHistory(game.roster[3], 7, 8, 0);      // kadoban: not stored, found again from lbw
    EXPECT_EQ(reviseBanzuke(game), "The Kirimaki Association promotes R05 to Yokozuna!      "
                                   "For a make-koshi at Ozeki, R03 is on kadoban status.  "
                                   "A losing record next basho earns a demotion!      "
                                   "The Kirimaki Association promotes R07 to Ozeki!      "
                                   "      Good luck next basho!");
    // The new Yokozuna stands with the Yokozuna, the new Ozeki with the Ozeki.
    EXPECT_EQ(where(game, {"R05", "R04", "R07", "R06", "R03"}), "R05@3:4 R04@4:3 R07@6:3 R06@7:2 R03@5:3 ");
}

TEST(BanzukeRevision, DamagedRanksCompareSignedFillingEndsAndTotalsWrap)
{
    Game game = quietGame();
    game.roster[0].rank = 200;   // reads as -56: below Maegashira, so it sinks
    reviseBanzuke(game);
    EXPECT_EQ(where(game, {"R00"}), "R00@39:200 ");

    game = quietGame();          // no record may take Sekiwake or Komusubi: the filling gives up
    for (Rikishi& r : game.roster)
        r.rank = kYokozuna;
    reviseBanzuke(game);
    for (const Rikishi& r : game.roster)
        EXPECT_EQ(r.rank, kYokozuna);

    game = quietGame();          // INT_MAX + 1 + 0 is INT_MIN, far below an Ozeki's 33
    setHistory(game.roster[6], 8, 1, 0);
    game.roster[6].cbw = INT32_MAX;
    reviseBanzuke(game);
    EXPECT_EQ(game.roster[6].rank, kSekiwake);
}
