// The bonus stat increase: one point per click on the twelve trainable
// statistics, each up to its ceiling, paid from the point pool.
#pragma once

#include "rules/core/StatRows.h"
#include "rules/core/Rikishi.h"

#include <array>
#include <cstdint>
#include <string>

struct StatIncreaseView {
    std::string title;
    std::string pointsLeft;
    std::array<bool, kStatRowCount> enabled{}; // the "+" buttons
    std::array<std::string, kStatRowCount> values; // the value labels
};

// One visit of the screen. fill() runs once when the screen opens; a click
// only ever disables buttons, so nothing is enabled again during a visit.
class StatIncreaseVisit {
public:
    // Every button whose statistic is below its ceiling is enabled, as long
    // as there is a point to spend.
    void fill(const Rikishi& player, std::int32_t pointPool);

    // Adds 1 to the row's statistic and takes 1 from the pool, then
    // disables the rows at their ceiling, and every row once the pool is
    // spent. A row that is not enabled is refused (returns false, changes
    // nothing), so the ceiling and the pool hold whoever calls.
    bool click(Rikishi& player, std::int32_t& pointPool, int row);

    const StatIncreaseView& view() const { return m_view; }

private:
    void disableFull(const Rikishi& player);
    void showValues(const Rikishi& player);

    StatIncreaseView m_view;
};
