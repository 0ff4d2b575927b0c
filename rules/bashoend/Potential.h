// The potential step: young computer wrestlers grow, their weights drift.
#pragma once

#include "rules/core/Rikishi.h"

#include <string>

class Rng;

// For each computer wrestler in roster order (the player's wrestler is
// skipped and draws nothing): weight += rand()/4681 - 3; then r = rand()/327,
// and a wrestler with 3 x age below r and potential left turns one point of
// it: k = rand()/2520 + 1 raises the first chain field from k on that is
// below 15 (none for k = 14), and he is listed whether or not a field rose.
// Returns the list, each ring name followed by four blanks. Does not save.
std::string fulfilPotential(Roster& roster, Rng& rng);
