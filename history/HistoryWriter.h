// The rows one step of the career adds to the history.
#pragma once

#include "history/StepDiff.h"
#include "rules/core/Rikishi.h"

#include <array>
#include <vector>

class Database;

// Where the history stands: the career, its last step and basho, and who
// stands where on the current banzuke.
struct HistoryPosition {
    std::int64_t career = 0; // 0: no career yet
    std::int64_t step = 0;
    int basho = 0;
    std::array<int, kRosterSize> wrestlerAt{}; // roster index -> wrestler number
    Roster bashoStart{}; // the roster at the first step of the basho
};

// Each call writes inside the caller's transaction and moves `at` on.

// A new career whose history begins with `roster`: its wrestlers numbered
// 1 to 40 in banzuke order, and its first basho.
void beginCareer(Database& db, const Roster& roster, HistoryPosition& at);
// A step within the basho: the roster and its bouts.
void recordWithinBasho(Database& db, const Roster& roster, const std::vector<BoutRow>& bouts, HistoryPosition& at);
// The banzuke revision: the results of the basho that ends (from `before`)
// and the next basho's banzuke.
void recordRevision(Database& db, const Roster& before, const Roster& after, HistoryPosition& at);

// The position at the latest step of the latest career whose roster is
// `roster`, with every row of a later step of that career dropped; false
// (nothing changed) when no step holds it.
bool returnToStep(Database& db, const Roster& roster, HistoryPosition& at);
// Drops what the steps after `at` wrote (a save that failed).
void dropStepsAfter(Database& db, const HistoryPosition& at);
