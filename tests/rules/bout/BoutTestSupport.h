// Mirror wrestlers for the bout tests, whose draws fall at fixed places.
#pragma once

#include "rules/bout/BoutEngine.h"
#include "rules/bout/BoutStrategies.h"
#include "rules/core/Game.h"
#include "tests/support/RosterFixture.h"
#include "tests/support/Seeds.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// A wrestler whose strategies are all Yotsu (exchange) and Receive (tachiai),
// whose skills make every Yotsu and Receive lucky, who never stumbles
// (agility 20), who loses no genki to fatigue (stamina 10), and whose power
// keeps his genki far from the end of a bout.
inline Rikishi mirrorWrestler(const std::string& name, std::int32_t slot)
{
    Rikishi r{};
    setShikona(r, name);
    r.agility = r.receive = r.yotsu = 20;
    r.tachiai = r.jump = r.hatakikomi = r.tsuppari = r.oshi = r.tenage = r.defense = 5;
    r.stamina = 10;
    r.skill = 100;
    r.power = 1000;
    r.slot = slot;
    r.tachiaiStrategy1 = r.tachiaiStrategy2 = 2;
    r.boutStrategy1 = r.boutStrategy2 = r.boutStrategy3 = 2;
    return r;
}

// A game on day 5 whose bout copies are mirror wrestlers "Player" (slot 20) and "Opp" (slot 10).
inline Game mirrorGame()
{
    Game game;
    game.playerCopy = mirrorWrestler("Player", 20);
    game.opponentCopy = mirrorWrestler("Opp", 10);
    game.curDay = 5;
    game.rng.seed(1);
    return game;
}

// Sets the bout up and plays a Receive tachiai; then sets both genki.
inline void reachExchanges(Game& game, BoutEngine& engine, std::int32_t playerGenki, std::int32_t compGenki)
{
    engine.setUp(game);
    engine.tachiai(game, 2);
    game.playerCopy.genki = playerGenki;
    game.opponentCopy.genki = compGenki;
}

// The draw layout of one exchange of two mirror wrestlers (no strategy
// pattern, no anticipation, no bonus): these indices are fixed.
namespace mirror {
constexpr int kUserExtra = 4;
constexpr int kCompExtra = 5;
constexpr int kUserLadder = 6;
constexpr int kAnticipation = 7;
constexpr int kCompLadder = 8;
constexpr int kBalance = 9;
constexpr int kAfterStumbles = 12; // the first draw after both stumble tests

// Pins that make an exchange of mirror wrestlers even (equal additions, no
// ladder text, balance kept), `more` replacing a pin of the same draw or added.
inline std::vector<Pin> even(std::initializer_list<Pin> more = {})
{
    std::vector<Pin> pins{{kUserExtra, 3276, 5, 5}, {kCompExtra, 3276, 5, 5}, {kUserLadder, 163, 30, 150}, {kCompLadder, 163, 30, 150}, {kBalance, 327, 5, 94}};
    for (const Pin& m : more) {
        auto same = std::find_if(pins.begin(), pins.end(), [&](const Pin& p) { return p.index == m.index; });
        if (same != pins.end())
            *same = m;
        else
            pins.push_back(m);
    }
    return pins;
}
} // namespace mirror
