// Hand-built rosters for the end-of-basho tests.
#pragma once

#include "rules/core/Game.h"

#include <string>

// Forty computer wrestlers R00..R39 in a new career's rank layout (3
// Yokozuna, 3 Ozeki, 2 Sekiwake, 4 Komusubi, 28 Maegashira), at day 16 of a
// basho in which nobody won a bout, with plain abilities; slot = index.
inline Game makeGame()
{
    Game game;
    for (std::size_t i = 0; i < game.roster.size(); ++i) {
        Rikishi& r = game.roster[i];
        std::string name = "R";
        name += static_cast<char>('0' + i / 10);
        name += static_cast<char>('0' + i % 10);
        setShikona(r, name);
        r.day = 16;
        r.slot = static_cast<std::int32_t>(i);
        r.rank = i < 3 ? kYokozuna : i < 6 ? kOzeki : i < 8 ? kSekiwake : i < 12 ? kKomusubi : kMaegashira;
        r.cbl = 15;
        r.age = 25.0f;
        r.height = 180;
        r.weight = 130;
        r.baseStrength = r.baseAgility = r.tachiai = r.oshi = r.yotsu = r.tenage = 5;
        r.tsuppari = r.jump = r.receive = r.hatakikomi = r.defense = r.stamina = r.intangibles = 5;
    }
    return game;
}

// The record's basho: wins and losses of 15 bouts.
inline void setRecord(Rikishi& r, int wins)
{
    r.cbw = wins;
    r.cbl = 15 - wins;
}

inline std::string nameAt(const Game& game, std::size_t i) { return shikonaOf(game.roster[i]); }
