// The abilities in the order the random draws of growth and loss name them.
#pragma once

#include "rules/core/Rikishi.h"

#include <array>
#include <cstdint>

// A draw of k names entry k - 1: 1 strength, 2 agility, 3 tachiai ... 12
// stamina, and 13 intangibles, which only the growth of potential reaches.
inline constexpr std::array<std::int32_t Rikishi::*, 13> kAbilityChain{{
    &Rikishi::baseStrength,
    &Rikishi::baseAgility,
    &Rikishi::tachiai,
    &Rikishi::oshi,
    &Rikishi::yotsu,
    &Rikishi::tenage,
    &Rikishi::tsuppari,
    &Rikishi::jump,
    &Rikishi::receive,
    &Rikishi::hatakikomi,
    &Rikishi::defense,
    &Rikishi::stamina,
    &Rikishi::intangibles,
}};
