// The leaderboard's texts: leaders, chasers, and rosters that end the search early.
#include "rules/tournament/Leaderboard.h"

#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// "leaders|chasers" on `day` when everybody has `others` wins and the listed slots their own.
std::string board(int day, int others, std::initializer_list<std::pair<int, int>> slots)
{
    Roster roster = makeRoster(day);
    for (Rikishi& r : roster)
        r.cbw = others;
    for (const auto& s : slots)
        roster[static_cast<std::size_t>(s.first)].cbw = s.second;
    const LeaderboardTexts t = leaderboardTexts(roster, day);
    return t.leaders + "|" + t.chasers;
}

} // namespace

TEST(Leaderboard, TheSearchEndsWhenNobodyIsBehindOrTheRecordsAreDamaged)
{
    // All 40 on one total: everybody leads, nobody follows.
    EXPECT_EQ(board(8, 4, {}).size(), std::string("With 4 losses:    |").size() + 40 * 7);
    EXPECT_EQ(board(8, 0, {}).substr(0, 28), "With 8 losses:    R00    R01");
    EXPECT_EQ(board(8, 0, {}).back(), '|');
    // Counts no day can hold are never listed, and the search still ends.
    EXPECT_EQ(board(8, INT_MAX, {{3, -1}, {4, INT_MIN}}), "|");
    EXPECT_EQ(board(8, 9, {{7, 2}}), "With 6 losses:    R07    |");
    // Leaders on a single win are still followed by the wrestlers on none.
    EXPECT_EQ(board(8, 0, {{5, 1}}).substr(0, 47), "With 7 losses:    R05    |With 8 losses:    R00");
}
