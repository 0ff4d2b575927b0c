// The bonus stat increase: ceilings, the pool, and what a visit offers.
#include "rules/bashoend/StatIncrease.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Rikishi player()
{
    Rikishi r{};
    for (const StatRow& row : statRows())
        r.*row.field = 5;
    return r;
}

int enabledCount(const StatIncreaseVisit& visit)
{
    const auto& e = visit.view().enabled;
    return static_cast<int>(std::count(e.begin(), e.end(), true));
}

TEST(StatIncrease, CeilingsAndThePoolDecideWhatIsOffered)
{
    Rikishi r = player();
    r.baseAgility = 15;
    r.stamina = r.yotsu = 14;
    r.tachiai = 40; // a damaged value above the ceiling is not raised further
    std::int32_t pool = 2;
    StatIncreaseVisit visit;
    visit.fill(r, pool);
    EXPECT_FALSE(visit.view().enabled[1] || visit.view().enabled[2]);
    EXPECT_EQ(enabledCount(visit), 10);
    EXPECT_TRUE(visit.click(r, pool, 11)); // stamina 14 -> 15
    EXPECT_FALSE(visit.click(r, pool, 11));
    EXPECT_EQ(r.stamina * 10 + pool, 151);
    EXPECT_EQ(enabledCount(visit), 9);
    EXPECT_EQ(visit.view().pointsLeft + " " + visit.view().values[11], "1 15");
    EXPECT_TRUE(visit.click(r, pool, 10)); // the last point: nothing is offered any more
    EXPECT_EQ(r.hatakikomi, 6);
    EXPECT_EQ(enabledCount(visit), 0);
    EXPECT_FALSE(visit.click(r, pool, 3));
    EXPECT_EQ(r.jump * 10 + pool, 50);

    // Opened with no point to spend, no button may take the pool below 0.
    for (std::int32_t empty : {0, -3}) {
        StatIncreaseVisit none;
        none.fill(r, empty);
        EXPECT_EQ(enabledCount(none), 0);
        EXPECT_FALSE(none.click(r, empty, 0));
    }
}

} // namespace
