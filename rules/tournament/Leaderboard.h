// The leaderboard's texts: the basho's leaders and the group just behind them.
#pragma once

#include "rules/core/Rikishi.h"

#include <cstdint>
#include <string>

struct LeaderboardTexts {
    std::string title; // "Tournament Leaderboard After N Days"
    std::string leaders; // the leaders' line
    std::string chasers; // the chasers' line; empty when nobody is behind
};

// The texts after day `day` over the roster's cbw: the highest win count held
// by anyone, then the next lower one held by anyone ("With N losses:    "
// and the names in slot order, each followed by four blanks; losses counted
// as day - wins). When nobody has fewer wins than the leaders the chasers'
// text is empty. Draws nothing.
LeaderboardTexts leaderboardTexts(const Roster& roster, std::int32_t day);
