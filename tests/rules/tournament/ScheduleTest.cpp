// The schedule's shape: permutations, unique meetings, the player's opponents.
#include "rules/tournament/Torikumi.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

TEST(Schedule, EveryDayIsAPermutationAndNoPairMeetsTwice)
{
    for (int slot = 0; slot < 40; ++slot)
        EXPECT_EQ(TorikumiTable[0][slot], 0);
    std::set<std::pair<int, int>> met;
    std::set<std::pair<int, int>> higherSecond;   // (day, a) where a > b
    for (int day = 1; day <= 15; ++day) {
        EXPECT_EQ(std::set<int>(TorikumiTable[day], TorikumiTable[day] + 40).size(), 40u) << day;
        for (int i = 0; i < 40; i += 2) {
            const int a = TorikumiTable[day][i];
            const int b = TorikumiTable[day][i + 1];
            EXPECT_TRUE(a >= 0 && a < 40 && b >= 0 && b < 40);
            EXPECT_TRUE(met.insert({std::min(a, b), std::max(a, b)}).second) << a << "-" << b;
            if (a > b)
                higherSecond.insert({day, a * 100 + b});
        }
    }
    EXPECT_EQ(higherSecond, (std::set<std::pair<int, int>>{{12, 2818}}));
}

TEST(Schedule, LinesRunFromTheLastPairAndSlot39MeetsItsFifteenOpponents)
{
    EXPECT_EQ(linePair(1, 0).a, 38);
    EXPECT_EQ(linePair(1, 0).b, 39);
    EXPECT_EQ(linePair(1, 19).a, 0);
    EXPECT_EQ(linePair(1, 19).b, 6);
    EXPECT_FALSE(isScheduledDay(0));
    EXPECT_FALSE(isScheduledDay(16));

    const int expected[15] = {38, 37, 34, 31, 36, 33, 25, 24, 27, 26, 35, 19, 32, 6, 30};
    for (int day = 1; day <= 15; ++day) {
        int opponent = -1;
        for (int k = 0; k < 20; ++k) {
            const SlotPair p = linePair(day, k);
            if (p.a == 39 || p.b == 39)
                opponent = p.a + p.b - 39;
        }
        EXPECT_EQ(opponent, expected[day - 1]) << "day " << day;
    }
}
