// The schedule's shape: permutations, unique meetings, lines from the last pair.
#include "rules/tournament/Torikumi.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

TEST(Schedule, EveryDayIsAPermutationNoPairMeetsTwiceAndLinesRunFromTheLastPair)
{
    std::set<std::pair<int, int>> met;
    for (int day = 1; day <= 15; ++day) {
        EXPECT_EQ(std::set<int>(TorikumiTable[day], TorikumiTable[day] + 40).size(), 40u) << day;
        for (int k = 0; k < 20; ++k) {
            const SlotPair p = linePair(day, k);
            EXPECT_TRUE(p.a >= 0 && p.a < 40 && p.b >= 0 && p.b < 40);
            EXPECT_TRUE(met.insert({std::min(p.a, p.b), std::max(p.a, p.b)}).second) << p.a << "-" << p.b;
        }
    }
    EXPECT_EQ(linePair(1, 0).a * 100 + linePair(1, 0).b, 3839);
    EXPECT_EQ(linePair(1, 19).a * 100 + linePair(1, 19).b, 6);
    EXPECT_EQ(linePair(12, 13).a * 100 + linePair(12, 13).b, 2818);   // the one pair with the higher slot first
    EXPECT_FALSE(isScheduledDay(0));
    EXPECT_TRUE(isScheduledDay(1) && isScheduledDay(15));
    EXPECT_FALSE(isScheduledDay(16));
}
