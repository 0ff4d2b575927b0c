// The creation screen's point pools, driven as its scroll bars drive them.
#include "rules/career/CreationPools.h"

#include <gtest/gtest.h>

namespace {

// Each test starts as a freshly started program would.
struct CreationPoolsTest : ::testing::Test {
    BodyScrollMemory memory;
    CreationPools pools{memory};

    // "height weight pool" from the numbers, checked against the texts shown
    // and against the body total they must keep.
    std::string body() const
    {
        const CreationTexts t = pools.texts();
        const std::string shown = t.height + " " + t.weight + " " + t.hwPoints;
        EXPECT_EQ(shown, std::to_string(pools.chosenHeight()) + " " + std::to_string(pools.chosenWeight()) + " " +
                             std::to_string(pools.hwPoints()));
        EXPECT_EQ(pools.chosenHeight() + pools.chosenWeight() + pools.hwPoints(), kBodyTotal);
        return shown;
    }
};

TEST_F(CreationPoolsTest, OpensAtTheStartingValues)
{
    EXPECT_EQ(body(), "180 130 0");
    EXPECT_EQ(pools.statPoints(), 25);
    EXPECT_EQ(pools.texts().statPoints, "25");
    for (std::size_t i = 0; i < kAbilityCount; ++i) {
        EXPECT_EQ(pools.ability(i), 1);
        EXPECT_EQ(pools.texts().abilities[i], "1");
    }
}

TEST_F(CreationPoolsTest, HeightRisesOnlyWithPointsFreedByTheWeight)
{
    EXPECT_EQ(pools.scrollHeight(181), 180) << "the pool is empty at the start";
    EXPECT_EQ(pools.scrollWeight(120), 120);
    EXPECT_EQ(body(), "180 120 10");
    EXPECT_EQ(pools.scrollHeight(190), 190);
    EXPECT_EQ(body(), "190 120 0");
    EXPECT_EQ(pools.scrollHeight(191), 190) << "spent: refused again";
    EXPECT_EQ(pools.scrollHeight(185), 185) << "a fall is always taken";
    EXPECT_EQ(body(), "185 120 5");
}

TEST_F(CreationPoolsTest, MultiStepRiseOverdrawsThePoolWhenTheWeightWasNeverScrolled)
{
    pools.scrollHeight(175);
    // A page step of 10 with 5 points: taken whole, the pool goes negative.
    EXPECT_EQ(pools.scrollHeight(185), 185);
    EXPECT_EQ(pools.texts().hwPoints, "-5");
    EXPECT_EQ(pools.chosenWeight(), 130);
    EXPECT_EQ(pools.hwPoints(), -5);
    EXPECT_EQ(pools.scrollHeight(186), 185) << "no rise while overdrawn";
    EXPECT_EQ(pools.scrollWeight(131), 130);
    EXPECT_EQ(pools.scrollHeight(180), 180);
    EXPECT_EQ(pools.scrollHeight(181), 180) << "a pool of exactly 0 still refuses";
    EXPECT_EQ(body(), "180 130 0");
}

TEST_F(CreationPoolsTest, HeightRiseLowersTheWeightOnceTheWeightBarWasScrolled)
{
    pools.scrollWeight(130);  // the end of a gesture on the weight bar
    pools.scrollHeight(175);
    ASSERT_EQ(body(), "175 130 5");
    EXPECT_EQ(pools.scrollHeight(185), 185);
    EXPECT_EQ(body(), "185 125 0");
    EXPECT_EQ(memory.lastHeightPos, 185);
    EXPECT_EQ(memory.lastWeightPos, 125);
}

TEST_F(CreationPoolsTest, WeightRiseThatWouldNeedATooShortWrestlerIsRefused)
{
    pools.scrollHeight(170);
    // 170 + 150 > 310 would need a height of 160: refused.
    EXPECT_EQ(pools.scrollWeight(150), 130);
    EXPECT_EQ(body(), "170 130 10");
    // 170 + 140 = 310 fits without touching the height.
    EXPECT_EQ(pools.scrollWeight(140), 140);
    EXPECT_EQ(body(), "170 140 0");
}

TEST_F(CreationPoolsTest, WeightFallRunsTheHeightHandlerWhichMayRefuse)
{
    // An earlier screen left the height bar's memory high.
    memory.lastHeightPos = 210;
    EXPECT_EQ(pools.scrollWeight(120), 120);
    // The inner height run proposed 190 with an empty pool and was refused,
    // but it still counts as a scroll of the height bar.
    EXPECT_EQ(body(), "180 120 10");
    EXPECT_EQ(memory.lastHeightPos, 190);
}

TEST_F(CreationPoolsTest, BarMemoryOutlivesTheScreenButNothingElseDoes)
{
    pools.scrollWeight(120);
    pools.scrollAbility(0, 6);
    CreationPools next(memory);
    EXPECT_EQ(next.chosenWeight() * 100 + next.hwPoints(), 13000);
    EXPECT_EQ(next.ability(0) * 100 + next.statPoints(), 125);
    next.reset();
    EXPECT_EQ(memory.lastWeightPos, 120);
}

TEST_F(CreationPoolsTest, AbilityPoolRefusesOnlyWhenSpent)
{
    // Spend all 25: five abilities to 6.
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(pools.scrollAbility(i, 6), 6);
    EXPECT_EQ(pools.statPoints(), 0);
    EXPECT_EQ(pools.scrollAbility(5, 2), 1) << "spent: a rise is refused";
    EXPECT_EQ(pools.scrollAbility(4, 5), 5) << "a fall returns its point";
    EXPECT_EQ(pools.statPoints(), 1);
    EXPECT_EQ(pools.texts().abilities[4], "5");

    // With 1 point left a drag of five steps is taken whole.
    EXPECT_EQ(pools.scrollAbility(11, 6), 6);
    EXPECT_EQ(pools.texts().statPoints, "-4");
    EXPECT_EQ(pools.scrollAbility(10, 2), 1);
    EXPECT_EQ(pools.scrollAbility(9, 1), 1) << "no change, no refusal";
    EXPECT_EQ(pools.scrollAbility(kAbilityCount, 3), 3) << "an unknown bar changes nothing";
    EXPECT_EQ(pools.statPoints(), -4);
}

} // namespace
