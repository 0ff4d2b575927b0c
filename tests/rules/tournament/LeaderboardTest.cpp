// The leaderboard's texts: leaders, chasers, and rosters that end the search early.
#include "rules/tournament/Leaderboard.h"

#include "tests/support/DayFixtures.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Everybody at `others` wins, the listed slots at their own.
Roster withWins(int others, std::initializer_list<std::pair<int, int>> slots)
{
    Roster roster = makeRoster(8);
    for (Rikishi& r : roster)
        r.cbw = others;
    for (const auto& s : slots)
        roster[static_cast<std::size_t>(s.first)].cbw = s.second;
    return roster;
}

} // namespace

TEST(Leaderboard, LeadersAndTheNextHeldRecordInSlotOrder)
{
    LeaderboardTexts t = leaderboardTexts(withWins(4, {{30, 7}, {10, 8}, {5, 7}, {2, 7}}), 8);
    EXPECT_EQ(t.title, "Tournament Leaderboard After 8 Days");
    EXPECT_EQ(t.leaders, "With 0 losses:    R10    ");
    EXPECT_EQ(t.chasers, "With 1 loss:    R02    R05    R30    ");

    // Nobody at 7: the chasers are the next count held, however far below.
    t = leaderboardTexts(withWins(3, {{9, 8}, {11, 6}, {0, 6}}), 8);
    EXPECT_EQ(t.chasers, "With 2 losses:    R00    R11    ");

    t = leaderboardTexts(withWins(2, {{39, 6}, {1, 6}, {20, 5}}), 9);
    EXPECT_EQ(t.leaders, "With 3 losses:    R01    R39    ");
    EXPECT_EQ(t.chasers, "With 4 losses:    R20    ");
}

TEST(Leaderboard, TheSearchEndsWhenNobodyIsBehindOrTheRecordsAreDamaged)
{
    // All 40 at 4-4: everybody leads, nobody follows, the second line is empty.
    LeaderboardTexts t = leaderboardTexts(withWins(4, {}), 8);
    EXPECT_EQ(t.leaders.size(), std::string("With 4 losses:    ").size() + 40 * 7);
    EXPECT_EQ(t.chasers, "");
    t = leaderboardTexts(withWins(0, {}), 8);
    EXPECT_EQ(t.leaders.rfind("With 8 losses:    R00    R01", 0), 0u);
    EXPECT_EQ(t.chasers, "");

    // Counts no day can hold are never listed, and the search still ends.
    t = leaderboardTexts(withWins(INT_MAX, {{3, -1}, {4, INT_MIN}}), 8);
    EXPECT_EQ(t.leaders + t.chasers, "");
    t = leaderboardTexts(withWins(9, {{7, 2}}), 8);
    EXPECT_EQ(t.leaders, "With 6 losses:    R07    ");
    EXPECT_EQ(t.chasers, "");
}
