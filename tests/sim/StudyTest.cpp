// The study's careers: the same for any number of threads, seeded from the
// master seed, build and career alone, and built only from legal builds.
#include "rules/career/CreationPools.h"
#include "sim/Study.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace {

Build build(std::int32_t height, std::int32_t weight, std::array<std::int32_t, kAbilityCount> abilities)
{
    Build b;
    b.values.height = height;
    b.values.weight = weight;
    b.values.abilities = abilities;
    return b;
}

StudySettings smallStudy(unsigned threads)
{
    StudySettings s;
    s.builds = {build(190, 120, {6, 6, 2, 1, 1, 1, 6, 1, 3, 1, 1, 1}), build(175, 80, {1, 1, 1, 1, 6, 6, 1, 1, 6, 6, 3, 1}),
                build(200, 110, {3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 1, 1})};
    s.careers = 5;
    s.basho = 4;
    s.tachiai = {3};
    s.moves = {1, 3, 5};
    s.master = 11;
    s.threads = threads;
    return s;
}

} // namespace

// Careers run at once on several threads must neither share state nor depend
// on which thread plays which career.
TEST(Study, SameTableForAnyNumberOfThreads)
{
    const std::vector<BuildSummary> one = playStudy(smallStudy(1));
    for (unsigned threads : {2u, 7u}) {
        const std::vector<BuildSummary> many = playStudy(smallStudy(threads));
        ASSERT_EQ(many.size(), one.size());
        for (std::size_t b = 0; b < one.size(); ++b) {
            SCOPED_TRACE("build " + std::to_string(b + 1) + ", threads " + std::to_string(threads));
            EXPECT_EQ(many[b].build, one[b].build);
            EXPECT_TRUE(std::equal(std::begin(many[b].reached), std::end(many[b].reached), std::begin(one[b].reached)));
            EXPECT_EQ(many[b].atOrAbove, one[b].atOrAbove);
            EXPECT_EQ(many[b].medianBashoToOzeki, one[b].medianBashoToOzeki);
            EXPECT_EQ(many[b].meanYusho, one[b].meanYusho);
            EXPECT_EQ(many[b].kachiKoshiRate, one[b].kachiKoshiRate);
        }
    }
    // The study is not trivially flat: its builds do not all end alike.
    std::set<double> kachiKoshi;
    for (const BuildSummary& row : one)
        kachiKoshi.insert(row.kachiKoshiRate);
    EXPECT_GT(kachiKoshi.size(), 1u);
}

// A career's seed comes from the master seed, its build and its number only:
// the careers around it, the basho count and the thread count do not matter.
TEST(Study, CareerDependsOnItsOwnSeedOnly)
{
    EXPECT_EQ(careerSeed(11, 2, 3), careerSeed(11, 2, 3));
    std::set<std::uint32_t> seeds;
    for (std::uint32_t m : {0u, 1u, 4294967295u})
        for (std::uint32_t b = 1; b <= 4; ++b)
            for (std::uint32_t k = 1; k <= 4; ++k)
                seeds.insert(careerSeed(m, b, k));
    EXPECT_EQ(seeds.size(), 3u * 4u * 4u);

    StudySettings alone = smallStudy(1);
    StudySettings longer = alone;
    longer.basho = 6;
    longer.careers = 50;
    const CareerResult a = playStudyCareer(alone, 2, 3);
    const CareerResult b = playStudyCareer(longer, 2, 3);
    ASSERT_EQ(a.rankAfter.size(), 4u);
    EXPECT_EQ(std::vector<std::uint8_t>(b.rankAfter.begin(), b.rankAfter.begin() + 4), a.rankAfter);
    EXPECT_NE(playStudyCareer(alone, 2, 4).finalRecord.gmw + 1000 * playStudyCareer(alone, 2, 4).finalRecord.gml,
              a.finalRecord.gmw + 1000 * a.finalRecord.gml)
        << "two careers of one build play different basho";
}

// Exactly what the creation screen's pools allow; random builds (the search's)
// are legal and span every height.
TEST(Study, BuildRefusalFollowsTheCreationPools)
{
    const std::pair<Build, bool> cases[] = {
        {build(220, 90, {6, 6, 6, 6, 6, 1, 1, 1, 1, 1, 1, 1}), true},   // both pools spent exactly
        {build(170, 140, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 4}), true},  // down the height, up the weight
        {build(220, 91, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), false},  // one over the body total
        {build(170, 141, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), false},
        {build(180, 130, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 5}), false}, // 26 ability points
    };
    for (const auto& [b, legal] : cases)
        EXPECT_EQ(buildRefusal(b.values).empty(), legal) << b.values.height << " " << b.values.weight;
    SearchRng rng(7);
    std::set<std::int32_t> heights;
    for (int i = 0; i < 500; ++i) {
        const Build b = randomBuild(rng);
        ASSERT_EQ(buildRefusal(b.values), "") << b.values.height << " " << b.values.weight;
        int points = 0;
        for (std::int32_t a : b.values.abilities)
            points += a - 1;
        EXPECT_EQ(points, kStartingStatPoints);
        heights.insert(b.values.height);
    }
    EXPECT_EQ(*heights.begin(), kMinHeight);
    EXPECT_EQ(*heights.rbegin(), kMaxHeight);
}
