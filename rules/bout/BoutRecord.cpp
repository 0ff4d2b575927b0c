// Recording the bout's result: wins and losses, upsets, and what a defeat costs.
#include "rules/bout/BoutEngine.h"

#include "rules/bout/StatLoss.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"

#include <algorithm>

namespace {

using wrap::add;
using wrap::sub;

// One point to spend on the stat increase screen after a great upset.
constexpr std::int32_t kUpsetBonusPoints = 1;
// At most this many points are taken for each cause of a defeat.
constexpr std::int32_t kMaxLossPoints = 3;

} // namespace

void BoutEngine::recordPlayoffResult(Game& game, bool playerWon)
{
    if (playerWon) {
        game.playoffWins = add(game.playoffWins, 1);
        game.playoffLosses = 0;
    } else {
        game.playoffLosses = add(game.playoffLosses, 1);
        game.playoffWins = 0;
    }
}

bool BoutEngine::recordPlayoffOnly(Game& game, bool& resultButton, bool playerWon)
{
    if (game.witness)
        game.witness->playerMove(PlayerMove::Result, playerWon ? 1 : 2);
    m_recorded = true;
    m_view.boutLabels = false;
    resultButton = false;
    m_view.close = true;
    m_view.focus = BoutFocus::Close;
    if (!isPlayoffDay(game.curDay))
        return false;
    recordPlayoffResult(game, playerWon);
    return true;
}

void BoutEngine::recordWin(Game& game)
{
    if (!m_view.win || recordPlayoffOnly(game, m_view.win, true))
        return;

    Rikishi& player = game.playerCopy;
    Rikishi& opponent = game.opponentCopy;
    player.gmw = add(player.gmw, 1);
    player.cbw = add(player.cbw, 1);
    if (player.cbw == 8) {
        m_view.resultLabels[kKachiKoshiLabel] = true;
        if (game.curDay == 15)
            m_view.resultLabels[kLastDayLabel] = true;
    }

    // A lower slot stands higher on the banzuke.
    auto offerBonus = [&](ResultLabel label) {
        m_view.resultLabels[label] = true;
        game.pointPool = kUpsetBonusPoints;
        m_view.close = false;
        m_view.bonus = true;
        m_view.focus = BoutFocus::Bonus;
    };
    if (opponent.power >= add(player.power, 5) && opponent.slot < player.slot) {
        player.potential = add(player.potential, wrap::div(sub(opponent.power, player.power), 5));
        m_view.resultLabels[kPotentialLabel] = true;
        if (opponent.power >= add(player.power, 10))
            offerBonus(kBonusLabel);
    } else if (player.slot >= add(opponent.slot, 7)) {
        m_view.resultLabels[kUpsetPotentialLabel] = true;
        player.potential = add(player.potential, wrap::div(sub(player.slot, opponent.slot), 7));
        if (player.slot >= add(opponent.slot, 14))
            offerBonus(kUpsetBonusLabel);
    }

    opponent.cbl = add(opponent.cbl, 1);
    opponent.gml = add(opponent.gml, 1);
}

void BoutEngine::recordLoss(Game& game)
{
    if (!m_view.lose || recordPlayoffOnly(game, m_view.lose, false))
        return;

    Rikishi& player = game.playerCopy;
    Rikishi& opponent = game.opponentCopy;
    player.gml = add(player.gml, 1);
    player.cbl = add(player.cbl, 1);

    // Losing to a weaker wrestler and losing to a lower-ranked one each cost
    // up to three points; a rank gap of 1 to 4 costs none but still shows.
    if (player.power >= add(opponent.power, 5)) {
        game.pointPool = std::min(wrap::div(sub(player.power, opponent.power), 5), kMaxLossPoints);
        m_view.resultLabels[kDrainLabel] = true;
        LoseStatPoints(player, game.pointPool, game.rng);
    }
    if (player.slot < opponent.slot) {
        m_view.resultLabels[kSappedLabel] = true;
        game.pointPool = std::min(wrap::div(sub(opponent.slot, player.slot), 5), kMaxLossPoints);
        LoseStatPoints(player, game.pointPool, game.rng);
    }

    if (player.cbl == 8) {
        m_view.resultLabels[kDrainLabel] = false;
        m_view.resultLabels[kMakeKoshiLabel] = true;
        if (game.curDay == 15) {
            m_view.resultLabels[kSappedLabel] = false;
            m_view.resultLabels[kYaochoLabel] = true;
        }
    }

    opponent.cbw = add(opponent.cbw, 1);
    opponent.gmw = add(opponent.gmw, 1);
}
