// How the history names a basho and a place on the banzuke.
#pragma once

#include "rules/core/Rikishi.h"

#include <array>
#include <string>

// "Hatsu 1", "Haru 1", ... "Kyushu 1", "Hatsu 2": basho n (from 1) of a
// career, by its place in the sumo year and the year of the career.
std::string bashoName(int basho);

// A wrestler's place as the banzuke shows it.
struct RankPlace {
    int rank = 0; // the rank code
    int number = 0; // the Maegashira row (1 up), 0 for the named ranks
    bool east = true;
    bool listed = false; // false: no rank code, the banzuke leaves him out
    std::string title; // e.g. "Maegashira 3 East", "Ozeki West"
};

// The places of every record, by roster index.
std::array<RankPlace, kRosterSize> rankPlaces(const Roster& roster);

// Whether place a stands higher than place b.
bool higherPlace(const RankPlace& a, const RankPlace& b);
