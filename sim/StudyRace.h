// The race: a search that finds the best of many builds with far fewer
// careers than playing every career of every build.
#pragma once

#include "sim/Study.h"

#include <vector>

// The confidence of the race's bounds: z of the normal law, two-sided 99 %.
constexpr double kRaceZ = 2.576;

// The Wilson score interval of a share of `hits` in `n` trials at kRaceZ.
struct ShareBounds {
    double lower = 0;
    double upper = 1;
};
ShareBounds wilsonBounds(int hits, int n);

// Successive halving with a confidence bound. The builds play in rounds;
// after round r every surviving build has played its first n_r careers,
// n_1 = careers / 8 (rounded up), each later round doubling it, the last
// round reaching `careers`. After every round but the last, a build is dropped
// when the upper bound of its Yokozuna share is below the highest lower bound
// among the surviving builds. When no surviving build has reached Yokozuna
// yet, the share of the highest rank one has reached is compared instead (a
// career that reached Yokozuna reached every rank below it, so a build far
// behind at Ozeki is behind at Yokozuna too). Then, of the builds left, at
// most half of those that began the round (rounded up) go on: the best by
// their careers so far, in the table's order. Each build plays the very
// careers (the same seeds) a full study gives it, so the survivors of the last
// round have the rows of a full search.
//
// The rows: the survivors of the last round best first, then the builds
// dropped in later rounds before those dropped earlier, each group best
// first; a row's `careers` is the number it played. progress counts the
// careers of every round so far; its total is at most builds × careers.
std::vector<BuildSummary> playRace(const StudySettings& settings, const StudyProgress& progress = {});
