#include "tests/rules/bout/BoutTestSupport.h"

#include "rules/core/Rng.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

std::uint32_t seedWhere(const std::vector<Pin>& pins)
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
    r.strength = r.intangibles = 0;
    r.agility = r.receive = r.yotsu = 20;
    for (auto field : {&Rikishi::tachiai, &Rikishi::jump, &Rikishi::hatakikomi, &Rikishi::tsuppari, &Rikishi::oshi,
                       &Rikishi::tenage, &Rikishi::defense})
        r.*field = 5;
    r.stamina = 10;
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

std::int64_t statTotal(const Rikishi& r)
{
    return std::int64_t{r.baseStrength} + r.baseAgility + r.tachiai + r.oshi + r.yotsu + r.tenage + r.tsuppari +
           r.jump + r.receive + r.hatakikomi + r.defense + r.stamina + r.intangibles + r.weight;
}

bool sameRecord(const Rikishi& a, const Rikishi& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void reachExchanges(Game& game, BoutEngine& engine, std::int32_t playerGenki, std::int32_t compGenki)
{
    engine.setUp(game);
    engine.tachiai(game, 2);
    game.playerCopy.genki = playerGenki;
    game.opponentCopy.genki = compGenki;
}

std::vector<Pin> mirror::even(std::initializer_list<Pin> more)
{
    std::vector<Pin> pins{{kUserExtra, 3276, 5, 5}, {kCompExtra, 3276, 5, 5}, {kUserLadder, 163, 30, 150},
                          {kCompLadder, 163, 30, 150}, {kBalance, 327, 5, 94}};
    for (const Pin& m : more) {
        auto same = std::find_if(pins.begin(), pins.end(), [&](const Pin& p) { return p.index == m.index; });
        if (same != pins.end())
            *same = m;
        else
            pins.push_back(m);
    }
    return pins;
}
