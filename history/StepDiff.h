// What one save of the career did, read from the roster before and after it.
#pragma once

#include "rules/core/Rikishi.h"

#include <array>
#include <string>
#include <vector>

// What the player chose in his bout: his tachiai codes (one per set-up,
// comma-separated) and exchange codes, and how often the judges were called
// and ordered a rematch.
struct PlayerChoices {
    std::string tachiai;
    std::string strategies;
    int monoii = 0;
    int toriNaoshi = 0;
};

// A bout, by roster index; `seq` orders the bouts of a day (the result line
// of a scheduled pair) and keys it, so that writing it twice keeps one.
struct BoutRow {
    int day = 0;
    int seq = 0;
    int east = 0;
    int west = 0;
    int winner = 0;
    bool player = false;
    PlayerChoices choices; // the player's bouts only
};

// The bouts of before's day that the step between the two rosters put into
// the records: each wrestler with one more career win or loss is one side of
// one bout. The day's scheduled pairs first, by result line; any other pair
// (a bout fought outside the schedule) after them, in roster order.
std::vector<BoutRow> boutsBetween(const Roster& before, const Roster& after);

// Where each record of `after` stood in `before`, when `after` is the banzuke
// revision of `before`: the same wrestler, his career totals unchanged and
// his win history moved back one basho. Records alike in all of that cannot
// be told apart and are taken in banzuke order. False when some record of
// `after` comes from none of `before` (another career).
bool revisionOrigins(const Roster& before, const Roster& after, std::array<int, kRosterSize>& origin);

enum class StepKind {
    Unchanged, // nothing to record
    WithinBasho, // the same 40 wrestlers in the same places
    Revision, // the next basho's banzuke
    OtherCareer, // nothing connects the two rosters
};

StepKind stepKind(const Roster& before, const Roster& after);
