// The study: many careers of each build played in memory, on several threads,
// exactly as `play` would play them from a new career's file.
#pragma once

#include "rules/career/CreationValues.h"
#include "rules/core/Rikishi.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// One build: the options of `new` that make it (as typed, for the replay's
// command line) and the creation values they give.
struct Build {
    std::vector<std::string> options;
    CreationValues values;
};

// Why the creation screen would not let a player make this build, or empty.
// The build is set up on a creation screen's pools of its own, one step at a
// time, falls before rises, as a player clicks the bars.
std::string buildRefusal(const CreationValues& values);

// The build of a body and abilities, with the options of `new` that make it
// (height, weight, stats; the names stay the opening ones).
Build buildOf(const CreationValues& values);

// A small generator of the study's own for --search, apart from the game's:
// the draws of the builds never touch a career's seed.
class SearchRng {
public:
    explicit SearchRng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t m_state;
};

// A legal build drawn at random: a height, a weight that fits the pool beside
// it, and all 25 ability points spent one at a time on abilities still below 6.
Build randomBuild(SearchRng& rng);

// The seed of career k of build b (both counted from 1) under master seed m:
// three rounds of the 64-bit finaliser known as splitmix64, over m, then b,
// then k; the upper 32 bits. Depends on nothing else, so any thread count
// plays the same careers.
std::uint32_t careerSeed(std::uint32_t master, std::uint32_t build, std::uint32_t career);

struct StudySettings {
    std::vector<Build> builds;
    int careers = 200;
    int basho = 30;
    std::vector<int> tachiai{2};
    std::vector<int> moves{2};
    std::vector<int> train{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::uint32_t master = 0;
    unsigned threads = 1;
};

// What one career did.
struct CareerResult {
    std::vector<std::uint8_t> rankAfter; // the player's rank on each new banzuke, basho 1..B
    std::uint8_t bestRank = 0; // the best rank he held, Maegashira at the start
    int firstOzeki = 0; // the basho whose banzuke first made him Ozeki or better; 0: never
    int yusho = 0;
    int kachiKoshi = 0; // basho with 8 wins or more
    Rikishi finalRecord{}; // the player's record after the last basho
};

// Career k of build b (counted from 1), played in memory.
CareerResult playStudyCareer(const StudySettings& settings, int build, int career);

// What a career's outcome is made of (its rank after each basho, its yusho and
// kachi-koshi), with the rest worked out from them: the best rank and the
// first basho at Ozeki.
CareerResult careerOutcome(std::vector<std::uint8_t> rankAfter, int yusho, int kachiKoshi);

// The careers of a study are numbered from 0: career k of build b (both
// counted from 1) is number (b - 1) * careers + (k - 1).
using CareerNumber = long;
inline CareerNumber careerNumber(const StudySettings& s, int build, int career)
{
    return static_cast<CareerNumber>(build - 1) * s.careers + (career - 1);
}

// One row of the table.
struct BuildSummary {
    int build = 0; // counted from 1, in the order given
    int careers = 0;
    double reached[5] = {}; // share whose best rank reached each rank (index: RankCode)
    std::optional<double> medianBashoToOzeki;
    double meanYusho = 0;
    double kachiKoshiRate = 0;
    // atOrAbove[rank][j]: the share of careers at or above that rank on the
    // banzuke after basho j (j = 0: the first banzuke, everybody Maegashira).
    std::vector<std::vector<double>> atOrAbove;
};

// Builds done so far and careers played, for a progress line or bar. It
// returns false to stop the study: the careers under way are finished and
// the study throws StudyStopped.
using StudyProgress = std::function<bool(int buildsDone, long careersDone)>;

struct StudyStopped : std::runtime_error {
    StudyStopped() : std::runtime_error("the study was stopped") {}
};

// Plays the careers numbered in `which` on settings.threads threads; result j
// is that of career which[j]. progress, when given, is called from the
// calling thread a few times a second (builds done: builds all of whose
// careers in `which` are played). Identical for any number of threads.
std::vector<CareerResult> playCareers(const StudySettings& settings, const std::vector<CareerNumber>& which,
                                      const StudyProgress& progress = {});

// The row of build b (counted from 1) from its careers' outcomes.
BuildSummary summarise(int build, const std::vector<CareerResult>& careers, int basho);

// Plays every career of every build and sums them up, in the order of the
// builds: the engine of the study, for the command line and for a window.
std::vector<BuildSummary> playStudy(const StudySettings& settings, const StudyProgress& progress = {});

// Best first: Yokozuna share, then Ozeki, Sekiwake, Komusubi, mean yusho.
bool bestFirst(const BuildSummary& a, const BuildSummary& b);
void sortBestFirst(std::vector<BuildSummary>& rows);
