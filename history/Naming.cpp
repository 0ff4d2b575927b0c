// Basho names and banzuke places, as the banzuke view lays them out.
#include "history/Naming.h"

#include "rules/tournament/BanzukeLayout.h"

namespace {

constexpr const char* kBashoNames[] = {"Hatsu", "Haru", "Natsu", "Nagoya", "Aki", "Kyushu"};
constexpr int kBashoPerYear = 6;
constexpr const char* kRankWords[] = {"Maegashira", "Komusubi", "Sekiwake", "Ozeki", "Yokozuna"};

std::string titleOf(const RankPlace& p)
{
    std::string title = kRankWords[p.rank];
    if (p.number > 0)
        title += " " + std::to_string(p.number);
    return title + (p.east ? " East" : " West");
}

} // namespace

std::string bashoName(int basho)
{
    const int n = basho < 1 ? 0 : basho - 1;
    return std::string(kBashoNames[n % kBashoPerYear]) + " " + std::to_string(n / kBashoPerYear + 1);
}

std::array<RankPlace, kRosterSize> rankPlaces(const Roster& roster)
{
    std::array<RankPlace, kRosterSize> places{};
    // The side is where the view puts the name; a Maegashira's number is
    // his row within the Maegashira rows, which open with an East name.
    int maegashiraRow = 0;
    for (const BanzukeItem& item : banzukeLayout(roster).items) {
        if (item.kind != BanzukeItem::Name)
            continue;
        RankPlace& p = places[static_cast<std::size_t>(item.slot)];
        p.rank = roster[static_cast<std::size_t>(item.slot)].rank;
        p.east = item.x != kBanzukeWestNameX;
        p.listed = true;
        if (p.rank == kMaegashira) {
            if (p.east || maegashiraRow == 0)
                ++maegashiraRow;
            p.number = maegashiraRow;
        }
        p.title = titleOf(p);
    }
    return places;
}

bool higherPlace(const RankPlace& a, const RankPlace& b)
{
    if (a.listed != b.listed)
        return a.listed;
    if (a.rank != b.rank)
        return a.rank > b.rank;
    if (a.number != b.number)
        return a.number < b.number;
    return a.east && !b.east;
}
