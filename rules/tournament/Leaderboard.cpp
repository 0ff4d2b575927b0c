// The race for the yusho as the leaderboard tells it.
#include "rules/tournament/Leaderboard.h"

#include "rules/core/Wrap.h"

namespace {

// The highest win count from `atMost` down to 0 that some record holds, or
// -1 when none does. The search counts down from the day and stops at 0, so
// counts above the day or below zero (a damaged file) are never listed.
std::int32_t highestHeldCount(const Roster& roster, std::int32_t atMost)
{
    std::int32_t best = -1;
    for (const Rikishi& r : roster)
        if (r.cbw >= 0 && r.cbw <= atMost && r.cbw > best)
            best = r.cbw;
    return best;
}

// "With N losses:    " and every name with `wins` wins in slot order.
std::string group(const Roster& roster, std::int32_t day, std::int32_t wins)
{
    std::string text;
    if (wins < 0)
        return text;
    const std::int32_t losses = wrap::sub(day, wins);
    text = "With " + std::to_string(losses) + (losses == 1 ? " loss:    " : " losses:    ");
    for (const Rikishi& r : roster)
        if (r.cbw == wins)
            text += shikonaOf(r) + "    ";
    return text;
}

} // namespace

LeaderboardTexts leaderboardTexts(const Roster& roster, std::int32_t day)
{
    LeaderboardTexts t;
    t.title = "Tournament Leaderboard After " + std::to_string(day) + " Days";
    const std::int32_t leaders = highestHeldCount(roster, day);
    t.leaders = group(roster, day, leaders);
    // When everybody shares the leaders' record there is nobody behind them,
    // and the second line stays empty.
    const std::int32_t chasers = leaders <= 0 ? -1 : highestHeldCount(roster, leaders - 1);
    t.chasers = group(roster, day, chasers);
    return t;
}
