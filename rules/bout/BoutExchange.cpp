// One exchange of the bout, and the opponent's reading of the player's habits.
#include "rules/bout/BoutEngine.h"

#include "rules/bout/BoutStrategies.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"

#include <string>

namespace {

using wrap::add;
using wrap::half;
using wrap::sub;

// How well a move comes off, from one draw against the side's speed and
// strength: strong sides make powerful moves more often and weak ones never.
void moveStrength(Rng& rng, std::int32_t s, const char* superWeakText, std::string* label, std::int32_t& pts)
{
    const int r = rng.draw(163);
    const char* text = nullptr;
    if (r > sub(200, s)) {
        text = "--A super powerful move!";
        pts = add(pts, 20);
    } else if (r > sub(180, s)) {
        text = "--A powerful move!";
        pts = add(pts, 10);
    } else if (r < sub(30, s)) {
        text = superWeakText;
        pts = sub(pts, 20);
    } else if (r < sub(50, s)) {
        text = "--A weak move!";
        pts = sub(pts, 10);
    }
    if (label && text)
        *label += text;
}

// The points a read of the player's move is worth to the opponent.
std::int32_t readBonus(const Rikishi& opponent) { return add(wrap::mul(2, opponent.intangibles), 10); }

// The side with more points drains the other; a winner already spent, and no
// fresher than the other, only tries to counter.
std::string drainText(const Rikishi& winner, std::int32_t d, const Rikishi& loser)
{
    const std::string w = shikonaOf(winner);
    if (winner.genki > 0 || winner.genki >= loser.genki)
        return w + " gets the upper hand, draining " + std::to_string(d) + " genki units from " + shikonaOf(loser);
    return w + " tries to counter, but it's too late!";
}

// A side that is nearly spent against a fresh one may find a second wind:
// the opponent's chance first, then the player's.
void secondWinds(Rng& rng, Rikishi& player, Rikishi& opponent, std::string* outcome)
{
    if (opponent.genki < 10 && player.genki > 14) {
        const int chance = rng.draw(2520);
        if (chance <= opponent.intangibles) {
            const int extra = rng.draw(3276);
            const std::int32_t gain =
                add(add(add(extra, wrap::div(opponent.stamina, 3)), half(opponent.intangibles)), 1);
            opponent.genki = add(opponent.genki, gain);
            if (outcome)
                *outcome += "  " + shikonaOf(opponent) + " gets a second wind!";
        }
    }
    if (player.genki < 10 && opponent.genki > 14) {
        const int chance = rng.draw(327);
        if (chance < 25) {
            const int extra = rng.draw(3276);
            const std::int32_t gain = add(add(add(extra, wrap::div(player.skill, 13)), half(player.stamina)), 1);
            player.genki = add(player.genki, gain);
            if (outcome)
                *outcome += "  " + shikonaOf(player) + " gets a second wind!";
        }
    }
}

} // namespace

void BoutEngine::readPlayersHabits(Rng& rng, const Rikishi& opponent, int userCode, std::string* compLabel)
{
    const int u = userCode;
    bool anticipated = false;
    // Repeating a move lets the opponent see it coming: 20 percent more with
    // every repeat, counted across bouts for the whole run.
    const int anticipation = rng.draw(327);
    m_repeatCount = u == m_lastUserStrategy ? add(m_repeatCount, 1) : 0;
    if (wrap::mul(20, m_repeatCount) > anticipation) {
        if (compLabel)
            *compLabel += "--He anticipates your move!";
        m_compPts = add(m_compPts, readBonus(opponent));
        anticipated = true;
    }
    m_lastUserStrategy = u;
    m_strategyHistory = {u, m_strategyHistory[0], m_strategyHistory[1], m_strategyHistory[2]};

    // Alternating two moves (A, B, A, B) invites a counter; the draw is made
    // only when the pattern holds and the move was not already anticipated.
    const auto& h = m_strategyHistory;
    if (h[0] == h[2] && h[1] == h[3] && !anticipated) {
        const int counter = rng.draw(327);
        if (counter < 50) {
            if (compLabel)
                *compLabel += "--He counters your move!";
            m_compPts = add(m_compPts, readBonus(opponent));
        }
    }
}

void BoutEngine::balanceAndStumbles(Rng& rng, const Rikishi& player, const Rikishi& opponent, std::string* userLabel,
                                    std::string* compLabel)
{
    const auto note = [](std::string* label, const char* text) {
        if (label)
            *label += text;
    };
    const int balance = rng.draw(327);
    if (balance > 94) {
        note(userLabel, "  You lose your balance!");
        m_userPts = sub(m_userPts, 15);
    }
    if (balance < 5) {
        note(compLabel, "  He loses his balance!");
        m_compPts = sub(m_compPts, 15);
    } else {
        const int userStumble = rng.draw(3276);
        if (userStumble > player.agility) {
            note(userLabel, "  You stumble!");
            m_userPts = sub(m_userPts, 10);
        } else {
            const int compStumble = rng.draw(3276);
            if (compStumble > opponent.agility) {
                note(compLabel, "  He stumbles!");
                m_compPts = sub(m_compPts, 10);
            }
        }
    }
}

void BoutEngine::drainGenki(Rikishi& player, Rikishi& opponent, std::string* outcome, DrainText text, const char* even) const
{
    if (m_userPts > m_compPts) {
        const std::int32_t d = sub(m_userPts, m_compPts);
        opponent.genki = sub(opponent.genki, d);
        if (outcome)
            *outcome = text(player, d, opponent);
    } else if (m_compPts > m_userPts) {
        const std::int32_t d = sub(m_compPts, m_userPts);
        player.genki = sub(player.genki, d);
        if (outcome)
            *outcome = text(opponent, d, player);
    } else if (outcome) {
        *outcome = even;
    }
}

void BoutEngine::exchange(Game& game, int userCode)
{
    if (!m_view.exchangeButtons || userCode < kOshi || userCode > kDefense)
        return;
    if (game.witness)
        game.witness->playerMove(PlayerMove::Exchange, userCode);
    Rng& rng = game.rng;
    Rikishi& player = game.playerCopy;
    Rikishi& opponent = game.opponentCopy;

    addTime(game);
    const int u = userCode;
    const int pick = rng.draw(327);
    const int c = pick > 40 ? opponent.boutStrategy1 : pick > 15 ? opponent.boutStrategy2
                                                                 : opponent.boutStrategy3;
    std::string* userLabel = wantedCaption(game, m_view.userStrategy);
    std::string* compLabel = wantedCaption(game, m_view.compStrategy);
    if (game.captionsWanted) {
        *userLabel = shikonaOf(player) + "'s strategy: " + exchangeName(u);
        *compLabel = shikonaOf(opponent) + "'s strategy: " + exchangeName(c);
    }

    m_userPts = exchangeBasePoints(player, u);
    m_compPts = exchangeBasePoints(opponent, c);
    exchangeLuckyDraws(rng, player, u, m_userPts, opponent, c, m_compPts);
    addRandomPoints(rng);

    moveStrength(rng, add(player.agility, player.strength), "--A super weak move!", userLabel, m_userPts);
    readPlayersHabits(rng, opponent, u, compLabel);
    moveStrength(rng, add(add(opponent.agility, opponent.strength), half(opponent.intangibles)),
                 "--A very weak move!", compLabel, m_compPts);

    balanceAndStumbles(rng, player, opponent, userLabel, compLabel);

    strategyPoints(rng, player, exchangeBeats(u, c), 1638, m_userPts, wantedCaption(game, m_view.userPoints));
    strategyPoints(rng, opponent, exchangeBeats(c, u), 1638, m_compPts, wantedCaption(game, m_view.compPoints));

    // Fatigue; a stamina of 12 or more turns it into a gain, as the balance
    // of the game intends.
    player.genki = sub(player.genki, sub(5, half(player.stamina)));
    opponent.genki = sub(opponent.genki, sub(5, half(opponent.stamina)));

    std::string* outcome = wantedCaption(game, m_view.outcome);
    drainGenki(player, opponent, outcome, drainText, "OOOOOOI!!!  HAKKEOOOI!!!");
    secondWinds(rng, player, opponent, outcome);
    showBarsAfterPlay(game);
    decideBout(game);
}
