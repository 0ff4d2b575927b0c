// The ratings derived from body and abilities: strength, agility, skill, power.
#pragma once

#include "rules/core/Rikishi.h"

#include <cstdint>

// Height class 1..15 and weight class 1..21, used only by the power rating.
std::int32_t heightClass(std::int32_t height);
std::int32_t weightClass(std::int32_t weight);

// Recomputes strength, agility, skill and power of one record from its base
// values, height and weight. Draws nothing; idempotent.
void computeBodyRatings(Rikishi& r);

// The same for all 40 records of the roster.
void computeBodyRatings(Roster& roster);
