// Spending bonus points on the player's statistics.
#include "rules/bashoend/StatIncrease.h"

#include "rules/core/Wrap.h"

#include <algorithm>

void StatIncreaseVisit::fill(const Rikishi& player, std::int32_t pointPool)
{
    m_view.title = shikonaOf(player) + "'s bonus points left to distribute:";
    m_view.enabled.fill(true);
    m_view.pointsLeft = std::to_string(pointPool);
    disableFull(player);
    // Opened with nothing to spend, it offers nothing: a click would take
    // the pool below 0.
    if (pointPool <= 0)
        m_view.enabled.fill(false);
    showValues(player);
}

bool StatIncreaseVisit::click(Rikishi& player, std::int32_t& pointPool, int row)
{
    if (row < 0 || row >= static_cast<int>(kStatRowCount) || !m_view.enabled[static_cast<std::size_t>(row)])
        return false;
    std::int32_t& field = player.*statRows()[static_cast<std::size_t>(row)].field;
    field = wrap::add(field, 1);
    pointPool = wrap::sub(pointPool, 1);
    m_view.pointsLeft = std::to_string(pointPool);
    disableFull(player);
    if (pointPool <= 0)
        m_view.enabled.fill(false);
    showValues(player);
    return true;
}

void StatIncreaseVisit::disableFull(const Rikishi& player)
{
    const auto& rows = statRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (player.*rows[i].field >= kStatCeiling)
            m_view.enabled[i] = false;
}

void StatIncreaseVisit::showValues(const Rikishi& player)
{
    const auto& rows = statRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        m_view.values[i] = std::to_string(player.*rows[i].field);
}
