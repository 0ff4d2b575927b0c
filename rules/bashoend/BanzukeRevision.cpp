// Promotion, demotion and re-ordering of the roster between two basho.
#include "rules/bashoend/BanzukeRevision.h"

#include "rules/core/Game.h"
#include "rules/core/Wrap.h"
#include "rules/core/CurrentDay.h"

#include <cstdint>
#include <utility>

namespace {

// Ranks compare as signed bytes: a damaged code of 128 or more counts below
// Maegashira and sinks to the foot of the banzuke.
std::int8_t rankOf(const Rikishi& r) { return static_cast<std::int8_t>(r.rank); }

bool kachiKoshi(std::int32_t wins) { return wins >= 8; }

// One pass from the top down, exchanging neighbours i-1 and i wherever
// `climbs(upper, lower)` holds; it goes on with whatever record then stands
// at the next position. The fixed number of passes limits how far a record
// can rise in one revision.
template <typename Climbs>
void passes(Roster& roster, int count, Climbs climbs)
{
    for (int pass = 0; pass < count; ++pass) {
        for (std::size_t i = 1; i < roster.size(); ++i) {
            if (climbs(roster[i - 1], roster[i]))
                std::swap(roster[i - 1], roster[i]);
        }
    }
}

// Within one rank, more wins climb past fewer.
void orderWithinRank(Roster& roster, std::int8_t rank)
{
    passes(roster, 3, [rank](const Rikishi& upper, const Rikishi& lower) {
        return rankOf(upper) == rank && rankOf(lower) == rank && lower.cbw > upper.cbw;
    });
}

// While fewer than two records hold `rank`, the first record in roster order
// that `eligible` accepts takes it, without moving. A damaged roster may hold
// no eligible record at all; then the rank stays short rather than the
// search going on for ever.
template <typename Eligible>
void fillRank(Roster& roster, std::int8_t rank, Eligible eligible)
{
    int count = 0;
    for (const Rikishi& r : roster) {
        if (rankOf(r) == rank)
            ++count;
    }
    while (count < 2) {
        Rikishi* taken = nullptr;
        for (Rikishi& r : roster) {
            if (eligible(r)) {
                taken = &r;
                break;
            }
        }
        if (!taken)
            return;
        taken->rank = static_cast<std::uint8_t>(rank);
        ++count;
    }
}

// The top ranks in order before anyone moves between them.
void orderTopRanks(Roster& roster)
{
    // Yokozuna with more wins climb past whatever stands above them.
    passes(roster, 3, [](const Rikishi& upper, const Rikishi& lower) {
        return rankOf(lower) == kYokozuna && lower.cbw > upper.cbw;
    });
    orderWithinRank(roster, kOzeki);
    orderWithinRank(roster, kSekiwake);
    orderWithinRank(roster, kKomusubi);
}

// Retirement hints, promotions to Yokozuna and Ozeki, and kadoban warnings.
void promoteToTheTop(Roster& roster, std::string& text)
{
    for (const Rikishi& r : roster) {
        if (rankOf(r) == kYokozuna && r.cbw < 10 && r.lbw < 10)
            text += "The sumo association suggests that Yokozuna " + shikonaOf(r) + " considers retirement...      ";
    }

    for (Rikishi& r : roster) {
        if (rankOf(r) != kOzeki)
            continue;
        if (r.cbw >= 14 && r.lbw >= 13 && r.tbaw >= 12) {
            text += "The Kirimaki Association promotes " + shikonaOf(r) + " to Yokozuna!      ";
            r.rank = kYokozuna;
        }
        // Kadoban is not stored: the demotion step finds it again from lbw.
        if (!kachiKoshi(r.cbw) && kachiKoshi(r.lbw)) {
            text += "For a make-koshi at Ozeki, " + shikonaOf(r) + " is on kadoban status.  ";
            text += "A losing record next basho earns a demotion!      ";
        }
    }

    for (Rikishi& r : roster) {
        // The earlier results count whatever rank they were won at.
        if (rankOf(r) == kSekiwake && wrap::add(wrap::add(r.cbw, r.lbw), r.tbaw) >= 33) {
            text += "The Kirimaki Association promotes " + shikonaOf(r) + " to Ozeki!      ";
            r.rank = kOzeki;
        }
    }
}

// Komusubi with a strong record rise to Sekiwake while places allow; losing
// Komusubi and Sekiwake drop one rank.
void reviseSanyaku(Roster& roster)
{
    int sekiwakeCount = 0;
    for (const Rikishi& r : roster) {
        if (rankOf(r) == kSekiwake && kachiKoshi(r.cbw))
            ++sekiwakeCount;
    }
    for (Rikishi& r : roster) {
        if (rankOf(r) != kKomusubi)
            continue;
        if (r.cbw >= 12 || (r.cbw >= 9 && r.lbw >= 9) || (kachiKoshi(r.cbw) && sekiwakeCount < 2)) {
            r.rank = kSekiwake;
            ++sekiwakeCount;
        }
    }
    for (Rikishi& r : roster) {
        if (rankOf(r) == kKomusubi && !kachiKoshi(r.cbw))
            r.rank = kMaegashira;
    }
    for (Rikishi& r : roster) {
        if (rankOf(r) == kSekiwake && !kachiKoshi(r.cbw))
            r.rank = kKomusubi;
    }
}

// Ozeki and Yokozuna with two losing basho in a row drop one rank.
void demoteFromTheTop(Roster& roster, std::string& text)
{
    for (Rikishi& r : roster) {
        if (rankOf(r) == kOzeki && !kachiKoshi(r.cbw) && !kachiKoshi(r.lbw)) {
            text += "For two successive make-koshi, " + shikonaOf(r) + " is demoted from Ozeki!      ";
            r.rank = kSekiwake;
        }
    }
    for (Rikishi& r : roster) {
        if (rankOf(r) == kYokozuna && !kachiKoshi(r.cbw) && !kachiKoshi(r.lbw)) {
            text += "The Kirimaki Association, embarrased by the recent poor record of Yokozuna " + shikonaOf(r) +
                    " " + "demotes him to Ozeki!      ";
            r.rank = kOzeki;
        }
    }
}

// The new order of the list and the ranks left empty filled from below.
void reorderAndFill(Roster& roster)
{
    // Higher ranks above lower: a record of higher rank rises only one place
    // per pass, so three passes lift a new promotion at most three places.
    passes(roster, 3, [](const Rikishi& upper, const Rikishi& lower) { return rankOf(upper) < rankOf(lower); });

    // Maegashira with a winning record climb past Maegashira with fewer wins.
    passes(roster, 10, [](const Rikishi& upper, const Rikishi& lower) {
        return rankOf(upper) == kMaegashira && rankOf(lower) == kMaegashira && lower.cbw > upper.cbw &&
               kachiKoshi(lower.cbw);
    });

    fillRank(roster, kSekiwake, [](const Rikishi& r) { return rankOf(r) == kMaegashira || rankOf(r) == kKomusubi; });
    fillRank(roster, kKomusubi, [](const Rikishi& r) { return rankOf(r) == kMaegashira; });
}

// The win history moves back a basho and every record takes its new slot.
void shiftRecords(Roster& roster)
{
    for (std::size_t i = 0; i < roster.size(); ++i) {
        Rikishi& r = roster[i];
        r.tbaw = r.lbw;
        r.lbw = r.cbw;
        r.cbw = 0;
        r.cbl = 0;
        r.slot = static_cast<std::int32_t>(i);
    }
}

} // namespace

std::string reviseBanzuke(Game& game)
{
    Roster& roster = game.roster;
    std::string text;

    orderTopRanks(roster);
    promoteToTheTop(roster, text);
    reviseSanyaku(roster);
    demoteFromTheTop(roster, text);
    reorderAndFill(roster);
    shiftRecords(roster);
    text += "      Good luck next basho!";

    beginFirstDay(game);
    return text;
}
