// Finding the best and second-best basho records on the roster.
#pragma once

#include "rules/core/Rikishi.h"

#include <cstdint>

// The first win total, counting down from `start`, that some record's cbw
// holds. The count wraps like a 32-bit counter (below INT_MIN comes
// INT_MAX), so it always ends: a sound roster gives the highest total at or
// below `start`, and a damaged one whose every total lies above it gives the
// highest total of all.
std::int32_t highestTotalFrom(const Roster& roster, std::int32_t start);
