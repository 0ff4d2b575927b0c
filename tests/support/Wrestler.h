// A wrestler for a bout on the screens, every skill at one level.
#pragma once

#include "rules/core/Game.h"

inline Rikishi wrestler(const char* name, std::int32_t slot, std::int32_t level)
{
    Rikishi r{};
    setShikona(r, name);
    r.strength = r.baseStrength = level;
    r.agility = r.baseAgility = level;
    for (auto field : {&Rikishi::tachiai, &Rikishi::jump, &Rikishi::receive, &Rikishi::hatakikomi,
                       &Rikishi::tsuppari, &Rikishi::oshi, &Rikishi::yotsu, &Rikishi::tenage, &Rikishi::defense,
                       &Rikishi::stamina, &Rikishi::intangibles})
        r.*field = level;
    r.skill = 13 * level;
    r.power = 4 * level;
    r.slot = slot;
    r.weight = 150;
    r.tachiaiStrategy1 = 1;
    r.tachiaiStrategy2 = 3;
    r.boutStrategy1 = 2;
    r.boutStrategy2 = 1;
    r.boutStrategy3 = 6;
    return r;
}

// A far stronger player against an opponent 10 power above him who stands
// higher: a quick win with the great-upset bonus.
inline void setUpBonusBout(Game& game)
{
    game.playerCopy = wrestler("Kiriyama", 39, 100);
    game.playerCopy.power = 10;
    game.playerCopy.stamina = 40;
    game.playerCopy.baseStrength = 7;
    game.opponentCopy = wrestler("Comp00", 0, 0);
    game.opponentCopy.power = 20;
    game.curDay = 4;
    game.rng.seed(3);
}
