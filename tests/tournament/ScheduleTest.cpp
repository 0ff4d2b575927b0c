// The schedule's shape: permutations, unique meetings, the player's opponents.
#include "tournament/Torikumi.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

TEST(Schedule, EveryDayIsAPermutationAndNoPairMeetsTwice)
{
    for (int slot = 0; slot < 40; ++slot)
        EXPECT_EQ(TorikumiTable[0][slot], 0);

    std::set<std::pair<int, int>> met;
    std::vector<std::pair<int, std::pair<int, int>>> higherSecond;
    for (int day = 1; day <= 15; ++day) {
        std::set<int> seen(TorikumiTable[day], TorikumiTable[day] + 40);
        EXPECT_EQ(seen.size(), 40u) << "day " << day;
        EXPECT_EQ(*seen.begin(), 0);
        EXPECT_EQ(*seen.rbegin(), 39);
        for (int i = 0; i < 40; i += 2) {
            const int a = TorikumiTable[day][i];
            const int b = TorikumiTable[day][i + 1];
            EXPECT_TRUE(met.insert({std::min(a, b), std::max(a, b)}).second)
                << a << "-" << b << " meet twice (day " << day << ")";
            if (a > b)
                higherSecond.push_back({day, {a, b}});
        }
    }
    ASSERT_EQ(higherSecond.size(), 1u);
    EXPECT_EQ(higherSecond[0].first, 12);
    EXPECT_EQ(higherSecond[0].second, std::make_pair(28, 18));
}

TEST(Schedule, LinesRunFromTheLastPairAndSlot39MeetsItsFifteenOpponents)
{
    // Line 0 is the row's last pair, line 19 its first.
    EXPECT_EQ(linePair(1, 0).a, 38);
    EXPECT_EQ(linePair(1, 0).b, 39);
    EXPECT_EQ(linePair(1, 19).a, 0);
    EXPECT_EQ(linePair(1, 19).b, 6);
    EXPECT_EQ(linePair(12, 13).a, 28);   // 28-18 stands at positions 12, 13
    EXPECT_EQ(linePair(12, 13).b, 18);

    const int expected[15] = {38, 37, 34, 31, 36, 33, 25, 24, 27, 26, 35, 19, 32, 6, 30};
    for (int day = 1; day <= 15; ++day) {
        int opponent = -1;
        for (int k = 0; k < 20; ++k) {
            const SlotPair p = linePair(day, k);
            if (p.a == 39)
                opponent = p.b;
            if (p.b == 39)
                opponent = p.a;
        }
        EXPECT_EQ(opponent, expected[day - 1]) << "day " << day;
    }
}

TEST(Schedule, OnlyDaysOneToFifteenSelectARow)
{
    EXPECT_FALSE(isScheduledDay(0));
    EXPECT_TRUE(isScheduledDay(1));
    EXPECT_TRUE(isScheduledDay(15));
    EXPECT_FALSE(isScheduledDay(16));
    EXPECT_FALSE(isScheduledDay(-1));
    EXPECT_FALSE(isScheduledDay(INT32_MIN));
    EXPECT_FALSE(isScheduledDay(INT32_MAX));
}
