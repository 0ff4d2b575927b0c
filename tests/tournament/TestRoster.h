// Hand-built careers for the tournament tests.
#pragma once

#include "core/Game.h"
#include "core/Rikishi.h"

#include <cstdio>
#include <functional>

// Forty wrestlers named R00..R39 at day `day`, the player at `playerSlot`,
// powers falling with the banzuke (slot 0 strongest) so contests are not ties.
inline Roster makeRoster(int day = 1, int playerSlot = 39)
{
    Roster roster{};
    for (int i = 0; i < 40; ++i) {
        Rikishi& r = roster[static_cast<std::size_t>(i)];
        char name[8];
        std::snprintf(name, sizeof name, "R%02d", i);
        setShikona(r, name);
        r.day = day;
        r.slot = i;
        r.height = 185;
        r.weight = 150;
        r.baseStrength = 8;
        r.baseAgility = 8;
        r.power = 100 - i;
        r.isPlayer = i == playerSlot ? 1 : 0;
    }
    return roster;
}

// The first seed from `from` on whose generator the predicate holds (the
// predicate draws from a copy). Finds draw values the rules branch on.
inline std::uint32_t seedWhere(const std::function<bool(Rng&)>& holds, std::uint32_t from = 1)
{
    for (std::uint32_t s = from;; ++s) {
        Rng rng;
        rng.seed(s);
        if (holds(rng))
            return s;
    }
}
