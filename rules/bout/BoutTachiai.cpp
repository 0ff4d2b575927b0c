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
void powerfulTachiai(Rng& rng, const Rikishi& r, std::string* label, std::int32_t& pts)
{
    const int draw = rng.draw(324);
    const std::int32_t threshold = add(sub(110, half(add(r.agility, r.strength))), r.tachiai);
    if (draw > threshold) {
        if (label)
            *label += "--A powerful tachiai!";
        pts = add(pts, 10);
    }
}

void stumble(Rng& rng, const Rikishi& r, const char* text, std::string* label, std::int32_t& pts)
{
    const int draw = rng.draw(1638);
    if (draw > add(r.agility, r.tachiai)) {
        if (label)
            *label += text;
        pts = sub(pts, 10);
    }
}

// Who gets the edge at the tachiai, and by how much.
std::string tachiaiOutcome(const Rikishi& winner, std::int32_t d, const Rikishi& loser)
{
    return shikonaOf(winner) + " gets the edge at the tachiai, draining " + std::to_string(d) + " genki units from " +
           shikonaOf(loser);
}

} // namespace

void BoutEngine::drainAtTachiai(Game& game)
{
    Rikishi& player = game.playerCopy;
    Rikishi& opponent = game.opponentCopy;
    drainGenki(player, opponent, wantedCaption(game, m_view.outcome), tachiaiOutcome, "You crash heads at the tachiai!");
}

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
    std::string* userLabel = wantedCaption(game, m_view.userStrategy);
    std::string* compLabel = wantedCaption(game, m_view.compStrategy);
    if (game.captionsWanted) {
        *userLabel = shikonaOf(player) + "'s strategy: " + tachiaiName(u);
        *compLabel = shikonaOf(opponent) + "'s strategy: " + tachiaiName(c);
    }

    m_userPts = tachiaiBasePoints(player, u);
    m_compPts = tachiaiBasePoints(opponent, c);
    tachiaiLuckyDraws(rng, player, u, m_userPts, opponent, c, m_compPts);
    addRandomPoints(rng);

    powerfulTachiai(rng, player, userLabel, m_userPts);
    powerfulTachiai(rng, opponent, compLabel, m_compPts);
    stumble(rng, player, "  You stumble at the tachiai!", userLabel, m_userPts);
    stumble(rng, opponent, "  He stumbles at the tachiai!", compLabel, m_compPts);

    strategyPoints(rng, player, tachiaiBeats(u, c), 3276, m_userPts, wantedCaption(game, m_view.userPoints));
    strategyPoints(rng, opponent, tachiaiBeats(c, u), 3276, m_compPts, wantedCaption(game, m_view.compPoints));
    drainAtTachiai(game);
    showBarsAfterPlay(game);

    // The tachiai never ends the bout, whatever the genki: the first
    // exchange always follows.
    m_view.tachiaiButtons = false;
    m_view.exchangeButtons = true;
    m_view.focus = BoutFocus::Yotsu;
}
