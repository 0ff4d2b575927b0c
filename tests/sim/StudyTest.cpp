// The study's careers: the same for any number of threads, and built only
// from legal builds (each career's own seed is proven by the replays of the
// study command's test).
#include "rules/career/CreationPools.h"
#include "sim/Study.h"
#include "sim/StudyRace.h"
#include "sim/StudyRun.h"
#include "sim/StudyWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <iterator>
#include <set>
#include <thread>

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

void expectSameRows(const std::vector<BuildSummary>& got, const std::vector<BuildSummary>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t b = 0; b < want.size(); ++b) {
        SCOPED_TRACE("build " + std::to_string(b + 1));
        EXPECT_EQ(got[b].build, want[b].build);
        EXPECT_EQ(got[b].careers, want[b].careers);
        EXPECT_TRUE(std::equal(std::begin(got[b].reached), std::end(got[b].reached), std::begin(want[b].reached)));
        EXPECT_EQ(got[b].atOrAbove, want[b].atOrAbove);
        EXPECT_EQ(got[b].medianBashoToOzeki, want[b].medianBashoToOzeki);
        EXPECT_EQ(got[b].meanYusho, want[b].meanYusho);
        EXPECT_EQ(got[b].kachiKoshiRate, want[b].kachiKoshiRate);
    }
}

// The report of a run once it has left Playing.
StudyReport ended(const StudyRun& run)
{
    for (;;) {
        StudyReport r = run.report();
        if (r.state != StudyReport::State::Playing)
            return r;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

// Careers run at once on several threads must neither share state nor depend
// on which thread plays which career.
TEST(Study, SameTableForAnyNumberOfThreads)
{
    const std::vector<BuildSummary> one = playStudy(smallStudy(1));
    for (unsigned threads : {2u, 7u}) {
        SCOPED_TRACE("threads " + std::to_string(threads));
        expectSameRows(playStudy(smallStudy(threads)), one);
    }
    // The study is not trivially flat: its builds do not all end alike.
    std::set<double> kachiKoshi;
    for (const BuildSummary& row : one)
        kachiKoshi.insert(row.kachiKoshiRate);
    EXPECT_GT(kachiKoshi.size(), 1u);
}

// Random builds (the search's) are legal and span every height and weight;
// the refusals of builds read from a file are the study command's test.
TEST(Study, RandomBuildsAreLegal)
{
    SearchRng rng(7);
    std::set<std::int32_t> heights;
    std::int32_t mostBody = 0; // the search also tries builds that spend the whole body pool
    for (int i = 0; i < 500; ++i) {
        const Build b = randomBuild(rng);
        ASSERT_EQ(buildRefusal(b.values), "") << b.values.height << " " << b.values.weight;
        int points = 0;
        for (std::int32_t a : b.values.abilities)
            points += a - 1;
        EXPECT_EQ(points, kStartingStatPoints);
        heights.insert(b.values.height);
        mostBody = std::max(mostBody, b.values.height + b.values.weight);
    }
    EXPECT_EQ(mostBody, kBodyTotal);
    EXPECT_EQ(*heights.begin(), kMinHeight);
    EXPECT_EQ(*heights.rbegin(), kMaxHeight);
}

// A window stops the study from its progress report: the careers under way
// are finished and nothing half-summed comes back.
TEST(Study, StoppedFromItsProgressReport)
{
    StudySettings s = smallStudy(2);
    s.careers = 40;
    long reports = 0;
    EXPECT_THROW(playStudy(s,
                           [&reports](int, long) {
                               ++reports;
                               return false;
                           }),
                 StudyStopped);
    EXPECT_EQ(reports, 1);
}

TEST(StudyRace, WilsonBounds)
{
    EXPECT_NEAR(wilsonBounds(0, 25).lower, 0.0, 1e-12);
    EXPECT_NEAR(wilsonBounds(0, 25).upper, 6.635776 / 31.635776, 1e-6);
    EXPECT_NEAR(wilsonBounds(25, 25).lower, 25 / 31.635776, 1e-6);
    EXPECT_NEAR(wilsonBounds(25, 25).upper, 1.0, 1e-12);
    const ShareBounds even = wilsonBounds(10, 20);
    EXPECT_NEAR(even.lower + even.upper, 1.0, 1e-12);
    EXPECT_NEAR(even.upper - even.lower, 2 * 2.576 * std::sqrt(0.25 / 20 + 6.635776 / 1600) / (1 + 6.635776 / 20),
                1e-9);
}

// The race plays the full study's own careers: a build that ran to the end
// has the full study's row. Rounds halve the field at least, the later
// dropped come before the earlier, and the progress counts every round.
TEST(StudyRace, FinalistsHaveTheFullStudysRows)
{
    StudySettings s = smallStudy(2);
    s.builds.push_back(build(220, 75, {1, 1, 1, 1, 1, 1, 1, 1, 1, 6, 6, 6}));
    s.builds.push_back(build(185, 115, {3, 3, 3, 1, 1, 1, 3, 1, 3, 3, 2, 1}));
    s.careers = 16;
    s.basho = 6;
    s.moves = {1, 3};
    std::vector<BuildSummary> full = playStudy(s);
    long lastReport = 0;
    bool monotonic = true;
    const std::vector<BuildSummary> race = playRace(s, [&](int, long careers) {
        monotonic = monotonic && careers >= lastReport;
        lastReport = careers;
        return true;
    });
    ASSERT_EQ(race.size(), s.builds.size());
    long played = 0;
    for (std::size_t i = 0; i < race.size(); ++i) {
        played += race[i].careers;
        if (i > 0) {
            EXPECT_LE(race[i].careers, race[i - 1].careers);
        }
    }
    // 5 builds: 3 after 2 careers, 2 after 4, 1 after 8 played to 16.
    EXPECT_EQ(race[0].careers, 16);
    EXPECT_LT(race[1].careers, 16);
    EXPECT_LE(played, 5 * 2 + 3 * 2 + 2 * 4 + 1 * 8);
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(lastReport, played);
    const BuildSummary& same = full[static_cast<std::size_t>(race[0].build - 1)];
    EXPECT_TRUE(std::equal(std::begin(race[0].reached), std::end(race[0].reached), std::begin(same.reached)));
    EXPECT_EQ(race[0].atOrAbove, same.atOrAbove);
    EXPECT_EQ(race[0].meanYusho, same.meanYusho);
}

// The lab's study: each round's rows are those of a study of that many
// careers, the last the whole study's; on its own thread it ends with them,
// and a stop keeps the rounds played.
TEST(StudyRun, RoundsGrowIntoTheWholeStudy)
{
    EXPECT_EQ(roundSizes(25), (std::vector<int>{10, 20, 25}));
    EXPECT_EQ(roundSizes(10), (std::vector<int>{10}));
    EXPECT_EQ(roundSizes(3), (std::vector<int>{3}));
    StudySettings s = smallStudy(2);
    s.builds.pop_back();
    s.careers = 25;
    std::vector<int> rounds;
    const std::vector<BuildSummary> rows =
        playStudyInRounds(s, [&](const std::vector<BuildSummary>& sofar, int careersEach) {
            rounds.push_back(careersEach);
            StudySettings fewer = s;
            fewer.careers = careersEach;
            SCOPED_TRACE("round of " + std::to_string(careersEach));
            expectSameRows(sofar, playStudy(fewer));
        });
    EXPECT_EQ(rounds, roundSizes(25));
    expectSameRows(rows, playStudy(s));

    std::atomic<int> notes{0};
    StudyRun run(s, [&notes] { ++notes; });
    const StudyReport done = ended(run);
    EXPECT_EQ(done.state, StudyReport::State::Finished);
    EXPECT_EQ(done.careersEach, 25);
    EXPECT_EQ(done.careersDone, 50);
    EXPECT_EQ(done.careersTotal, 50);
    expectSameRows(done.rows, rows);
    EXPECT_GT(notes.load(), 0);
}

TEST(StudyRun, StopKeepsTheRoundsPlayed)
{
    StudySettings s = smallStudy(2);
    s.careers = 100000;
    StudyRun run(s, {});
    while (run.report().careersEach < 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    run.stop();
    const StudyReport stopped = ended(run);
    EXPECT_EQ(stopped.state, StudyReport::State::Stopped);
    EXPECT_GE(stopped.careersEach, 10);
    EXPECT_LT(stopped.careersDone, stopped.careersTotal);
    StudySettings played = s;
    played.careers = stopped.careersEach;
    expectSameRows(stopped.rows, playStudy(played));
}

// The lab's words: the time left from the pace so far, none before the first
// career or after the last; a median in whole basho unless it falls between.
TEST(StudyWords, ProgressAndMedians)
{
    EXPECT_EQ(progressWords(120, 600, 3.0), "120 of 600 careers played, about 12 s left");
    EXPECT_EQ(progressWords(7, 10, 1.0), "7 of 10 careers played, about 1 s left");
    EXPECT_EQ(progressWords(0, 600, 2.0), "0 of 600 careers played");
    EXPECT_EQ(progressWords(600, 600, 9.0), "600 of 600 careers played");
    EXPECT_EQ(medianWords(23.0), "23");
    EXPECT_EQ(medianWords(17.5), "17.5");
    EXPECT_EQ(medianWords(std::nullopt), "never");
}
