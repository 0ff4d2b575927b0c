#include "BoutTestSupport.h"

#include "core/Rng.h"

#include <gtest/gtest.h>

#include <vector>

std::uint32_t seedWhere(std::initializer_list<Pin> pins)
{
    int last = 0;
    for (const Pin& p : pins)
        last = std::max(last, p.index);
    std::vector<int> raw(static_cast<std::size_t>(last) + 1);
    for (std::uint32_t seed = 1; seed < 50000000u; ++seed) {
        Rng rng;
        rng.seed(seed);
        for (int& r : raw)
            r = rng.next();
        bool ok = true;
        for (const Pin& p : pins) {
            const int v = raw[static_cast<std::size_t>(p.index)] / p.divisor;
            if (v < p.lo || v > p.hi) {
                ok = false;
                break;
            }
        }
        if (ok)
            return seed;
    }
    ADD_FAILURE() << "no seed meets the pins";
    return 0;
}

int drawsBetween(std::uint32_t from, std::uint32_t to)
{
    Rng rng;
    rng.seed(from);
    for (int n = 0; n <= 1000; ++n) {
        if (rng.state() == to)
            return n;
        rng.next();
    }
    return -1;
}

Rikishi mirrorWrestler(const std::string& name, std::int32_t slot)
{
    Rikishi r{};
    setShikona(r, name);
    r.strength = 0;
    r.agility = 20;
    r.tachiai = 5;
    r.jump = 5;
    r.receive = 20;
    r.hatakikomi = 5;
    r.tsuppari = 5;
    r.oshi = 5;
    r.yotsu = 20;
    r.tenage = 5;
    r.defense = 5;
    r.stamina = 10;
    r.intangibles = 0;
    r.skill = 100;
    r.power = 1000;
    r.slot = slot;
    r.tachiaiStrategy1 = r.tachiaiStrategy2 = 2;
    r.boutStrategy1 = r.boutStrategy2 = r.boutStrategy3 = 2;
    return r;
}

Game mirrorGame()
{
    Game game;
    game.playerCopy = mirrorWrestler("Player", 20);
    game.opponentCopy = mirrorWrestler("Opp", 10);
    game.curDay = 5;
    game.rng.seed(1);
    return game;
}

void reachExchanges(Game& game, BoutEngine& engine, std::int32_t playerGenki, std::int32_t compGenki)
{
    engine.setUp(game);
    engine.tachiai(game, 2);
    game.playerCopy.genki = playerGenki;
    game.opponentCopy.genki = compGenki;
}
