// The twelve trainable statistics in the order the training screens show
// and test them: one table shared by the bonus screen and the chanko rules.
#pragma once

#include "rules/core/Rikishi.h"

#include <array>
#include <cstddef>
#include <cstdint>

struct StatRow {
    const char* caption; // the row's caption, as the training screens show it
    std::int32_t Rikishi::*field; // the record field the row trains
};

constexpr std::size_t kStatRowCount = 12;
// The ceiling every trainable statistic is raised to at most.
constexpr std::int32_t kStatCeiling = 15;

inline const std::array<StatRow, kStatRowCount>& statRows()
{
    static const std::array<StatRow, kStatRowCount> rows{{
        {"Strength:", &Rikishi::baseStrength},
        {"Agility:", &Rikishi::baseAgility},
        {"Tachiai:", &Rikishi::tachiai},
        {"Jump:", &Rikishi::jump},
        {"Receive:", &Rikishi::receive},
        {"Defense:", &Rikishi::defense},
        {"Oshi :", &Rikishi::oshi},
        {"Yotsu:", &Rikishi::yotsu},
        {"Tsuppari:", &Rikishi::tsuppari},
        {"Tenage:", &Rikishi::tenage},
        {"Henka:", &Rikishi::hatakikomi},
        {"Stamina:", &Rikishi::stamina},
    }};
    return rows;
}
