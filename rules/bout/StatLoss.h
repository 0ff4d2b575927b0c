// The stat loss: points taken from a wrestler's abilities at random.
#pragma once

#include "rules/core/Rikishi.h"

#include <cstdint>

class Rng;

// Takes pointPool points from the wrestler and leaves pointPool at 0 (a pool
// at or below 0 takes nothing and draws nothing). Each draw k = rand()/2340+1
// picks: 1..12 an ability of the chain baseStrength, baseAgility, tachiai,
// oshi, yotsu, tenage, tsuppari, jump, receive, hatakikomi, defense,
// stamina, lowered by one unless it stands at exactly 1 (a damaged 0 or
// less is lowered too); 13 intangibles, lowered unless at 1 or below; 14 the weight, lowered only from 70 kg up
// but spending the point whatever it is; 15 nothing. A draw that lowers
// nothing and spends nothing is simply drawn again.
//
// A pool above kStatLossDrawLimit is more than any penalty of the game and
// can only come from a damaged value: that many points are drawn for and
// the rest is written off, so that it cannot keep the game drawing for hours
// (with every field at its floor only one draw in fifteen spends a point).
void LoseStatPoints(Rikishi& r, std::int32_t& pointPool, Rng& rng);

// The most points one call draws for.
constexpr std::int32_t kStatLossDrawLimit = 1 << 16;
