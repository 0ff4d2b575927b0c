// The twelve trainable statistics in the order the training screens show
// and test them: one table shared by the bonus screen and the chanko rules.
#pragma once

#include "rules/core/Rikishi.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct StatRow {
    const char* buttonName;            // object name of the row's "+" button
    const char* caption;               // the caption label's text
    const char* valueLabelName;        // object name of the label showing the value
    std::int32_t Rikishi::*field;      // the record field the row trains
};

constexpr std::size_t kStatRowCount = 12;
// The ceiling every trainable statistic is raised to at most.
constexpr std::int32_t kStatCeiling = 15;

inline const std::array<StatRow, kStatRowCount>& statRows()
{
    static const std::array<StatRow, kStatRowCount> rows{{
        {"StrengthButton", "Strength:", "StrengthLabel", &Rikishi::baseStrength},
        {"AgilityButton", "Agility:", "AgilityLabel", &Rikishi::baseAgility},
        {"TachiaiButton", "Tachiai:", "TachiaiLabel", &Rikishi::tachiai},
        {"JumpButton", "Jump:", "JumpLabel", &Rikishi::jump},
        {"ReceiveButton", "Receive:", "ReceiveLabel", &Rikishi::receive},
        {"DefenseButton", "Defense:", "DefenseLabel", &Rikishi::defense},
        {"OshiButton", "Oshi :", "OshiLabel", &Rikishi::oshi},
        {"YotsuButton", "Yotsu:", "YotsuLabel", &Rikishi::yotsu},
        {"TsuppariButton", "Tsuppari:", "TsuppariLabel", &Rikishi::tsuppari},
        {"TenageButton", "Tenage:", "TenageLabel", &Rikishi::tenage},
        {"HatakikomiButton", "Henka:", "HenkaLabel", &Rikishi::hatakikomi},
        {"StaminaButton", "Stamina:", "StaminaLabel", &Rikishi::stamina},
    }};
    return rows;
}

// Index of the row whose button has this object name, or -1.
int statRowByButton(const std::string& buttonName);
