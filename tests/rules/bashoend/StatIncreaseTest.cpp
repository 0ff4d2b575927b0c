// The bonus stat increase: ceilings, the pool, and what a visit offers.
#include "rules/bashoend/StatIncrease.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

Rikishi player()
{
    Rikishi r{};
    setShikona(r, "Kiriyama");
    for (const StatRow& row : statRows())
        r.*row.field = 5;
    return r;
}

int enabledCount(const StatIncreaseVisit& visit)
{
    const auto& e = visit.view().enabled;
    return static_cast<int>(std::count(e.begin(), e.end(), true));
}

TEST(StatIncrease, OnePointRaisesOneFieldAndThenNothingIsOffered)
{
    Rikishi r = player();
    std::int32_t pool = 1;
    StatIncreaseVisit visit;
    visit.fill(r, pool);
    EXPECT_EQ(visit.view().title, "Kiriyama's bonus points left to distribute:");
    EXPECT_EQ(visit.view().pointsLeft, "1");
    EXPECT_EQ(enabledCount(visit), 12);

    // Row 10 is Henka, the hatakikomi field.
    EXPECT_TRUE(visit.click(r, pool, 10));
    EXPECT_EQ(r.hatakikomi, 6);
    EXPECT_EQ(r.baseStrength, 5);
    EXPECT_EQ(pool, 0);
    EXPECT_EQ(visit.view().pointsLeft, "0");
    EXPECT_EQ(visit.view().values[10], "6");
    EXPECT_EQ(enabledCount(visit), 0);
    // A click on a button no longer offered changes nothing.
    EXPECT_FALSE(visit.click(r, pool, 3));
    EXPECT_EQ(r.jump, 5);
    EXPECT_EQ(pool, 0);
}

TEST(StatIncrease, CeilingsDisableTheirRows)
{
    Rikishi r = player();
    r.baseAgility = 15;
    r.stamina = r.yotsu = 14;
    r.tachiai = 40;    // a damaged value above the ceiling is not raised further
    std::int32_t pool = 2;
    StatIncreaseVisit visit;
    visit.fill(r, pool);
    EXPECT_FALSE(visit.view().enabled[1]);
    EXPECT_FALSE(visit.view().enabled[2]);
    EXPECT_EQ(enabledCount(visit), 10);
    EXPECT_EQ(visit.view().values[2], "40");

    EXPECT_TRUE(visit.click(r, pool, 11));      // stamina 14 -> 15
    EXPECT_EQ(r.stamina, 15);
    EXPECT_FALSE(visit.view().enabled[11]);
    EXPECT_EQ(enabledCount(visit), 9);
    EXPECT_EQ(visit.view().pointsLeft, "1");
    EXPECT_FALSE(visit.click(r, pool, 11));
    EXPECT_EQ(r.stamina, 15);

    // The last point, to a ceiling, leaves nothing offered.
    EXPECT_TRUE(visit.click(r, pool, 7));
    EXPECT_EQ(r.yotsu, 15);
    EXPECT_EQ(enabledCount(visit), 0);
}

TEST(StatIncrease, NothingSpentChangesNothingAndAnEmptyPoolOffersNothing)
{
    Rikishi r = player();
    const Rikishi before = r;
    std::int32_t pool = 2;
    StatIncreaseVisit visit;
    visit.fill(r, pool);
    EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0);
    EXPECT_EQ(pool, 2);

    // Opened with no point to spend, no button may take the pool below 0.
    for (std::int32_t empty : {0, -3}) {
        StatIncreaseVisit none;
        none.fill(r, empty);
        EXPECT_EQ(enabledCount(none), 0);
        EXPECT_FALSE(none.click(r, empty, 0));
        EXPECT_EQ(r.baseStrength, 5);
    }
}

} // namespace
