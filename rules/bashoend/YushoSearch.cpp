// The downward search over win totals behind the yusho and the jun-yusho.
#include "rules/bashoend/YushoSearch.h"

#include "rules/core/Wrap.h"

std::int32_t highestTotalFrom(const Roster& roster, std::int32_t start)
{
    // Counting down one by one and scanning the roster at each total finds
    // the total nearest below `start`. Measuring that distance directly
    // gives the same answer without walking through up to 2^32 empty totals.
    std::int32_t best = roster[0].cbw;
    std::uint32_t bestDistance = static_cast<std::uint32_t>(wrap::sub(start, best));
    for (const Rikishi& r : roster) {
        const auto distance = static_cast<std::uint32_t>(wrap::sub(start, r.cbw));
        if (distance < bestDistance) {
            best = r.cbw;
            bestDistance = distance;
        }
    }
    return best;
}
