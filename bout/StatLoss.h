// The stat loss: points taken from a wrestler's abilities at random.
#pragma once

#include "core/Rikishi.h"

#include <cstdint>

class Rng;

// Takes pointPool points from the wrestler and leaves pointPool at 0 (a pool
// at or below 0 takes nothing and draws nothing). Each draw k = rand()/2340+1
// picks: 1..12 an ability of the chain baseStrength, baseAgility, tachiai,
// oshi, yotsu, tenage, tsuppari, jump, receive, hatakikomi, defense,
// stamina, lowered by one unless it stands at 1 or below; 13 intangibles,
// likewise unless at 1 or below; 14 the weight, lowered only from 70 kg up
// but spending the point whatever it is; 15 nothing. A draw that lowers
// nothing and spends nothing is simply drawn again.
//
// Once nothing but the pool can change any more (every ability and
// intangibles at their floor, weight below 70), a pool too large to be a
// real bout's penalty is written off without drawing on, so that a damaged
// value cannot keep the game drawing for hours.
void LoseStatPoints(Rikishi& r, std::int32_t& pointPool, Rng& rng);

// Above this many points left at the floor, the rest is written off at once.
constexpr std::int32_t kStatLossDrawLimit = 1 << 16;
