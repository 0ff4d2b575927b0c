// The creation screen's point pools, driven as its scroll bars drive them.
#include "rules/career/CreationPools.h"

#include <gtest/gtest.h>

namespace {

// Each test starts as a freshly started program would.
struct CreationPoolsTest : ::testing::Test {
    BodyScrollMemory memory;
    CreationPools pools{memory};

    // "height weight pool" as shown; the three must keep the body total.
    std::string body() const
    {
        EXPECT_EQ(pools.chosenHeight() + pools.chosenWeight() + pools.hwPoints(), kBodyTotal);
        const CreationTexts t = pools.texts();
        return t.height + " " + t.weight + " " + t.hwPoints;
    }
};

TEST_F(CreationPoolsTest, HeightRisesOnlyWithPointsFreedByTheWeight)
{
    EXPECT_EQ(body(), "180 130 0");
    EXPECT_EQ(pools.texts().statPoints + pools.texts().abilities[0] + pools.texts().abilities[11], "2511");
    EXPECT_EQ(pools.scrollHeight(181), 180) << "the pool is empty at the start";
    EXPECT_EQ(pools.scrollWeight(120), 120);
    EXPECT_EQ(pools.scrollHeight(190), 190);
    EXPECT_EQ(body(), "190 120 0");
    EXPECT_EQ(pools.scrollHeight(191), 190) << "spent: refused again";
    EXPECT_EQ(pools.scrollHeight(185), 185) << "a fall is always taken";
    EXPECT_EQ(body(), "185 120 5");
}

TEST_F(CreationPoolsTest, MultiStepRiseOverdrawsThePoolWhenTheWeightWasNeverScrolled)
{
    pools.scrollHeight(175);
    EXPECT_EQ(pools.scrollHeight(185), 185); // a page step of 10 with 5 points, taken whole
    EXPECT_EQ(body(), "185 130 -5");
    EXPECT_EQ(pools.scrollHeight(186), 185) << "no rise while overdrawn";
    EXPECT_EQ(pools.scrollWeight(131), 130);
    EXPECT_EQ(pools.scrollHeight(180), 180);
    EXPECT_EQ(pools.scrollHeight(181), 180) << "a pool of exactly 0 still refuses";
}

TEST_F(CreationPoolsTest, ABarScrolledBeforeMovesItsPartnerOrRefuses)
{
    pools.scrollWeight(130); // the end of a gesture on the weight bar
    pools.scrollHeight(175);
    EXPECT_EQ(pools.scrollHeight(185), 185);
    EXPECT_EQ(body(), "185 125 0");
    EXPECT_EQ(memory.lastHeightPos * 1000 + memory.lastWeightPos, 185125);

    CreationPools other(memory);
    other.scrollHeight(170);
    // 170 + 150 > 310 would need a height of 160: refused; 140 fits as it is.
    EXPECT_EQ(other.scrollWeight(150), 130);
    EXPECT_EQ(other.scrollWeight(140), 140);
    EXPECT_EQ(other.hwPoints(), 0);
}

TEST_F(CreationPoolsTest, WeightFallRunsTheHeightHandlerWhichMayRefuse)
{
    memory.lastHeightPos = 210; // an earlier screen left the height bar's memory high
    EXPECT_EQ(pools.scrollWeight(120), 120);
    // The inner height run proposed 190 with an empty pool and was refused,
    // but it still counts as a scroll of the height bar.
    EXPECT_EQ(body(), "180 120 10");
    EXPECT_EQ(memory.lastHeightPos, 190);

    // The bars' memory outlives the screen; nothing else does.
    pools.scrollAbility(0, 6);
    CreationPools next(memory);
    EXPECT_EQ(next.chosenWeight() * 100 + next.hwPoints(), 13000);
    EXPECT_EQ(next.ability(0) * 100 + next.statPoints(), 125);
    next.reset();
    EXPECT_EQ(memory.lastWeightPos, 120);
}

TEST_F(CreationPoolsTest, AbilityPoolRefusesOnlyWhenSpent)
{
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(pools.scrollAbility(i, 6), 6); // all 25 spent
    EXPECT_EQ(pools.scrollAbility(5, 2), 1) << "spent: a rise is refused";
    EXPECT_EQ(pools.scrollAbility(4, 5), 5) << "a fall returns its point";
    EXPECT_EQ(pools.scrollAbility(11, 6), 6) << "with 1 point left a drag of five steps is taken whole";
    EXPECT_EQ(pools.texts().statPoints, "-4");
    EXPECT_EQ(pools.scrollAbility(10, 2), 1);
    EXPECT_EQ(pools.scrollAbility(kAbilityCount, 3), 3) << "an unknown bar changes nothing";
    EXPECT_EQ(pools.statPoints(), -4);
    EXPECT_EQ(pools.texts().abilities[4] + pools.texts().abilities[11], "56");
}

} // namespace
