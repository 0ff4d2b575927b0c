// A study in a player's words: the autopilot's style, the progress, the
// cells of a window's table.
#pragma once

#include "sim/Study.h"

#include <optional>
#include <string>
#include <vector>

// The tachiai codes 1 to 4 and the exchange codes 1 to 6, as the bout
// screen's buttons name them.
extern const char* const kTachiaiWords[4];
extern const char* const kMoveWords[6];

// "Meets every tachiai with Receive, then Jump, in turn; fights the
// exchanges with Yotsu."
std::string styleWords(const std::vector<int>& tachiai, const std::vector<int>& moves);

// "120 of 600 careers played, about 12 s left"; no time before the first
// careers are done.
std::string progressWords(long done, long total, double seconds);

// The share as a whole percentage ("12 %"), the median basho to Ozeki
// ("14", "14.5" or "never").
std::string percentWords(double share);
std::string medianWords(const std::optional<double>& median);

// The ranks a window lets the player chart: Komusubi to Yokozuna.
extern const char* const kRankWords[5];

// The lab's chart in words, for a screen reader: for each row, the share at
// or above `rank` after a third, two thirds and all of the basho.
// `numbers` names the rows' builds as the window numbers them.
std::string shareWords(const std::vector<BuildSummary>& rows, const std::vector<int>& numbers, int rank);
