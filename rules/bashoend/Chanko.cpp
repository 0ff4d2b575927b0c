// Spending the chanko points: statistics, one step of height, weight.
#include "rules/bashoend/Chanko.h"

#include "rules/core/Game.h"
#include "rules/core/Wrap.h"

namespace {

// Strength and agility stop lower here than at the bonus screen.
std::int32_t chankoCeiling(std::size_t row) { return row < 2 ? 13 : kStatCeiling; }

} // namespace

int chankoPoints(int cbw, int potential)
{
    return wrap::add(cbw >= 7 ? cbw - 6 : 0, potential);
}

void ChankoVisit::open(const Game& game)
{
    const Rikishi& me = game.playerCopy;
    m_view = ChankoView{};
    m_view.message = "For your record of " + std::to_string(me.cbw) + "-" + std::to_string(me.cbl) +
                     " this basho, you have been awarded " + std::to_string(chankoPoints(me.cbw, 0)) +
                     " chanko points.";
    if (me.potential > 0)
        m_view.message += "  For your increased potential, you have earned " + std::to_string(me.potential) +
                          " chanko points.";
    m_view.title = shikonaOf(me) + "'s bonus points left to distribute:";
    m_view.enabled.fill(true);
    refresh(game);
}

bool ChankoVisit::click(Game& game, std::size_t button)
{
    if (button >= kChankoButtonCount || !m_view.enabled[button])
        return false;
    Rikishi& me = game.playerCopy;
    if (button == kChankoHeight) {
        me.height = wrap::add(me.height, 1);
        game.pointPool = wrap::sub(game.pointPool, 2);
        m_view.enabled[kChankoHeight] = false; // one centimetre a visit
    } else if (button == kChankoWeightUp) {
        me.weight = wrap::add(me.weight, 1);
        game.pointPool = wrap::sub(game.pointPool, 1);
    } else if (button == kChankoWeightDown) {
        me.weight = wrap::sub(me.weight, 1);
        game.pointPool = wrap::sub(game.pointPool, 1);
    } else {
        std::int32_t& field = me.*statRows()[button].field;
        field = wrap::add(field, 1);
    }
    game.pointPool = wrap::sub(game.pointPool, 1);
    refresh(game);
    return true;
}

void ChankoVisit::refresh(const Game& game)
{
    const Rikishi& me = game.playerCopy;
    const std::int32_t pool = game.pointPool;
    m_view.pointsLeft = std::to_string(pool);
    if (pool < 3)
        m_view.enabled[kChankoHeight] = false;
    if (pool < 2) {
        m_view.enabled[kChankoWeightUp] = false;
        m_view.enabled[kChankoWeightDown] = false;
    }
    const auto& rows = statRows();
    for (std::size_t row = 0; row < kStatRowCount; ++row) {
        const std::int32_t value = me.*rows[row].field;
        if (value >= chankoCeiling(row) || pool <= 0)
            m_view.enabled[row] = false;
        m_view.values[row] = std::to_string(value);
    }
    m_view.height = std::to_string(me.height);
    m_view.weight = std::to_string(me.weight);
}
