// Whether a saved career can play a tournament day, and what to tell the player if not.
#pragma once

#include "rules/core/Rikishi.h"
#include "rules/tournament/DaySheet.h"

#include <string>

enum class CareerState {
    Playable, // exactly one player's wrestler, a day from 1 to 15
    NoPlayer, // no record is the player's
    SeveralPlayers, // more than one record is the player's
    BashoUnfinished, // day 16: the game ended during the end of a basho
    NotATournamentDay, // any other day outside 1 to 15
};

// Looks at isPlayer of all 40 records and at record 0's day.
CareerState careerState(const Roster& roster);

// One sentence on what keeps the career from a day; empty when Playable.
std::string careerProblem(const Roster& roster);

// The day results screen's sheet for a career that cannot play a day: what
// is wrong and what the player can do (Unfinished offers to finish the basho,
// NotPlayable only the way back to the main menu).
DaySheet problemSheet(const Roster& roster);
