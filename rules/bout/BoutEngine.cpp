// The bout's flow: set-up, the end of the exchanges, the mono-ii, closing.
#include "rules/bout/BoutEngine.h"

#include "rules/core/Game.h"
#include "rules/core/Wrap.h"

#include <string>

namespace {

void setBar(GenkiBar& bar, std::int32_t genki)
{
    bar.width = genkiBarWidth(genki);
    bar.genki = genki;
}

} // namespace

void BoutEngine::setUp(Game& game)
{
    Rikishi& player = game.playerCopy;
    Rikishi& opponent = game.opponentCopy;
    m_timeElapsed = 0;
    m_recorded = false;
    m_view.userStrategy.clear();
    m_view.compStrategy.clear();
    m_view.userPoints.clear();
    m_view.compPoints.clear();
    m_view.outcome.clear();

    const int userExtra = game.rng.draw(3276);
    player.genki = wrap::add(player.power, userExtra);
    const int compExtra = game.rng.draw(3276);
    opponent.genki = wrap::add(opponent.power, compExtra);

    // A fresh bout turns a bar blue only when there is a fair amount of genki
    // in it; a weak wrestler's bar keeps the colour of his last bout.
    setBar(m_view.userBar, player.genki);
    if (player.genki > 10)
        m_view.userBar.colour = BarColour::Blue;
    setBar(m_view.compBar, opponent.genki);
    if (opponent.genki > 10)
        m_view.compBar.colour = BarColour::Blue;

    m_view.userShikona = shikonaOf(player);
    m_view.compShikona = shikonaOf(opponent);
    m_view.timeElapsed = "0";

    m_view.tachiaiButtons = true;
    m_view.exchangeButtons = false;
    m_view.focus = BoutFocus::Receive;
    m_view.boutLabels = true;
    m_view.endLabel = false;
    m_view.monoiiClose = false;
    m_view.monoiiStart = false;
    m_view.monoiiFight = false;
    m_view.win = false;
    m_view.lose = false;
    m_view.close = false;
    m_view.bonus = false;
    m_view.resultLabels.fill(false);
}

void BoutEngine::addTime(Game& game)
{
    const int step = game.rng.draw(10922);
    m_timeElapsed = wrap::add(m_timeElapsed, step + 1);
    if (game.captionsWanted)
        m_view.timeElapsed = std::to_string(m_timeElapsed);
}

void BoutEngine::addRandomPoints(Rng& rng)
{
    const int userExtra = rng.draw(3276);
    m_userPts = wrap::add(m_userPts, userExtra);
    const int compExtra = rng.draw(3276);
    m_compPts = wrap::add(m_compPts, compExtra);
}

void BoutEngine::showBarsAfterPlay(const Game& game)
{
    // Play only ever turns a bar red; blue comes back at the next set-up.
    setBar(m_view.userBar, game.playerCopy.genki);
    if (game.playerCopy.genki < 10)
        m_view.userBar.colour = BarColour::Red;
    setBar(m_view.compBar, game.opponentCopy.genki);
    if (game.opponentCopy.genki < 10)
        m_view.compBar.colour = BarColour::Red;
}

void BoutEngine::showResultButtons(bool& button, BoutFocus focus)
{
    m_view.exchangeButtons = false;
    button = true;
    m_view.focus = focus;
    m_view.endLabel = true;
}

void BoutEngine::decideBout(Game& game)
{
    const std::int32_t gp = game.playerCopy.genki;
    const std::int32_t go = game.opponentCopy.genki;
    if (gp >= 1 && go >= 1)
        return;
    const bool captions = game.captionsWanted;
    if (gp < 2 && go < 2) {
        const int r = game.rng.draw(327);
        if (r < 25) {
            if (captions)
                m_view.endText = shikonaOf(go > gp ? game.opponentCopy : game.playerCopy) + " wins!";
            showResultButtons(m_view.monoiiClose, BoutFocus::MonoiiClose);
            return;
        }
    }

    // Equal genki at a clear finish goes to the opponent.
    const bool playerWins = go < gp;
    const int r = game.rng.draw(327);
    if (captions) {
        const std::string winner = shikonaOf(playerWins ? game.playerCopy : game.opponentCopy);
        const std::string loser = shikonaOf(playerWins ? game.opponentCopy : game.playerCopy);
        if (r < 40)
            m_view.endText = winner + " sends " + loser + " flying out of the dohyo!";
        else if (r < 80)
            m_view.endText = winner + " crushes " + loser + " down onto the dohyo!";
        else
            m_view.endText = winner + " wins!";
    }
    if (playerWins)
        showResultButtons(m_view.win, BoutFocus::Win);
    else
        showResultButtons(m_view.lose, BoutFocus::Lose);
}

void BoutEngine::callMonoii()
{
    if (!m_view.monoiiClose)
        return;
    m_view.monoiiClose = false;
    m_view.endText = "Wait!  A mono-ii is called!";
    m_view.monoiiStart = true;
    m_view.focus = BoutFocus::MonoiiStart;
}

MonoiiDecision BoutEngine::judgesDecide(Game& game)
{
    if (!m_view.monoiiStart)
        return MonoiiDecision::NotCalled;
    m_view.monoiiStart = false;
    // The judges look at neither the genki nor the apparent winner.
    const int r = game.rng.draw(327);
    if (game.witness)
        game.witness->playerMove(PlayerMove::Monoii, r >= 40 ? 3 : r < 20 ? 1
                                                                          : 2);
    if (r >= 40) {
        m_view.endText = "The shimpan declare it too close to decide and call for a tori-naoshi!";
        m_view.monoiiFight = true;
        m_view.focus = BoutFocus::MonoiiFight;
        return MonoiiDecision::ToriNaoshi;
    }
    const bool playerWins = r < 20;
    m_view.endText = shikonaOf(playerWins ? game.playerCopy : game.opponentCopy) + " wins!";
    if (!isPlayoffDay(game.curDay)) {
        if (playerWins) {
            m_view.win = true;
            m_view.focus = BoutFocus::Win;
        } else {
            m_view.lose = true;
            m_view.focus = BoutFocus::Lose;
        }
    } else {
        // A playoff bout records only who won, and the judges' word is final.
        if (game.witness)
            game.witness->playerMove(PlayerMove::Result, playerWins ? 1 : 2);
        recordPlayoffResult(game, playerWins);
        m_recorded = true;
        m_view.close = true;
        m_view.focus = BoutFocus::Close;
    }
    return playerWins ? MonoiiDecision::PlayerWins : MonoiiDecision::OpponentWins;
}

void BoutEngine::toriNaoshi(Game& game)
{
    if (!m_view.monoiiFight)
        return;
    if (game.witness)
        game.witness->playerMove(PlayerMove::ToriNaoshi, 0);
    setUp(game);
}

void BoutEngine::bonusSpent()
{
    if (!m_view.bonus)
        return;
    m_view.bonus = false;
    m_view.close = true;
    m_view.focus = BoutFocus::Close;
}

void BoutEngine::close()
{
    if (!m_view.close)
        return;
    m_view.close = false;
    m_view.focus = BoutFocus::None;
}
