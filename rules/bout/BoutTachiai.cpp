// The tachiai: the charge that opens every bout.
#include "rules/bout/BoutEngine.h"

#include "rules/bout/BoutStrategies.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"

#include <string>

namespace {

using wrap::add;
using wrap::half;
using wrap::sub;

// A quick, strong wrestler with a good charge rarely gets a powerful tachiai:
// the threshold rises with agility and strength less than with tachiai. The
// balance of the game rests on this formula as it stands.
void powerfulTachiai(Rng& rng, const Rikishi& r, std::string& label, std::int32_t& pts)
{
    const int draw = rng.draw(324);
    const std::int32_t threshold = add(sub(110, half(add(r.agility, r.strength))), r.tachiai);
    if (draw > threshold) {
        label += "--A powerful tachiai!";
        pts = add(pts, 10);
    }
}

void stumble(Rng& rng, const Rikishi& r, const char* text, std::string& label, std::int32_t& pts)
{
    const int draw = rng.draw(1638);
    if (draw > add(r.agility, r.tachiai)) {
        label += text;
        pts = sub(pts, 10);
    }
}

} // namespace

void BoutEngine::tachiai(Game& game, int userCode)
{
    if (!m_view.tachiaiButtons || userCode < kJump || userCode > kHenka)
        return;
    if (game.witness)
        game.witness->playerMove(PlayerMove::Tachiai, userCode);
    Rng& rng = game.rng;
    Rikishi& player = game.playerCopy;
    Rikishi& opponent = game.opponentCopy;

    m_strategyHistory.fill(0);
    addTime(game);
    const int u = userCode;
    const int r = rng.draw(327);
    const int c = r > 30 ? opponent.tachiaiStrategy1 : opponent.tachiaiStrategy2;
    m_view.userStrategy = shikonaOf(player) + "'s strategy: " + tachiaiName(u);
    m_view.compStrategy = shikonaOf(opponent) + "'s strategy: " + tachiaiName(c);

    m_userPts = tachiaiBasePoints(player, u);
    m_compPts = tachiaiBasePoints(opponent, c);
    tachiaiLuckyDraws(rng, player, u, m_userPts, opponent, c, m_compPts);
    addRandomPoints(rng);

    powerfulTachiai(rng, player, m_view.userStrategy, m_userPts);
    powerfulTachiai(rng, opponent, m_view.compStrategy, m_compPts);
    stumble(rng, player, "  You stumble at the tachiai!", m_view.userStrategy, m_userPts);
    stumble(rng, opponent, "  He stumbles at the tachiai!", m_view.compStrategy, m_compPts);

    m_view.userPoints = pointsCaption(rng, player, tachiaiBeats(u, c), 3276, m_userPts);
    m_view.compPoints = pointsCaption(rng, opponent, tachiaiBeats(c, u), 3276, m_compPts);

    const std::string p = shikonaOf(player);
    const std::string o = shikonaOf(opponent);
    if (m_userPts > m_compPts) {
        const std::int32_t d = sub(m_userPts, m_compPts);
        opponent.genki = sub(opponent.genki, d);
        m_view.outcome = p + " gets the edge at the tachiai, draining " + std::to_string(d) + " genki units from " + o;
    } else if (m_compPts > m_userPts) {
        const std::int32_t d = sub(m_compPts, m_userPts);
        player.genki = sub(player.genki, d);
        m_view.outcome = o + " gets the edge at the tachiai, draining " + std::to_string(d) + " genki units from " + p;
    } else {
        m_view.outcome = "You crash heads at the tachiai!";
    }
    showBarsAfterPlay(game);

    // The tachiai never ends the bout, whatever the genki: the first
    // exchange always follows.
    m_view.tachiaiButtons = false;
    m_view.exchangeButtons = true;
    m_view.focus = BoutFocus::Yotsu;
}
