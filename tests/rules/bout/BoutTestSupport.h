// Hand-built wrestlers and seed searches for the bout tests.
#pragma once

#include "rules/bout/BoutEngine.h"
#include "rules/bout/BoutStrategies.h"
#include "rules/core/Game.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// A draw that a test wants to see: generator output number `index` (0 is the
// first draw after seeding) divided by `divisor` lies within [lo, hi].
struct Pin {
    int index;
    int divisor;
    int lo;
    int hi;
};

// The first seed whose draws meet every pin (the test fails if none is found).
std::uint32_t seedWhere(const std::vector<Pin>& pins);

// How many draws lie between two generator states (-1 when more than 1000).
int drawsBetween(std::uint32_t from, std::uint32_t to);

// A wrestler whose strategies are all Yotsu (exchange) and Receive (tachiai),
// whose skills make every Yotsu and Receive lucky, who never stumbles
// (agility 20), who loses no genki to fatigue (stamina 10), and whose power
// keeps his genki far from the end of a bout.
Rikishi mirrorWrestler(const std::string& name, std::int32_t slot);

// A game whose two bout copies are mirror wrestlers "Player" (slot 20) and
// "Opp" (slot 10).
Game mirrorGame();

// The sum of the abilities a stat loss may take from, and the weight.
std::int64_t statTotal(const Rikishi& r);

// Whether two records are equal byte for byte.
bool sameRecord(const Rikishi& a, const Rikishi& b);

// Sets the bout up and plays a Receive tachiai; then sets both genki.
void reachExchanges(Game& game, BoutEngine& engine, std::int32_t playerGenki, std::int32_t compGenki);

// The draw layout of one exchange of two mirror wrestlers (no strategy
// pattern, no anticipation, no bonus): these indices are fixed.
namespace mirror {
constexpr int kUserExtra = 4;
constexpr int kCompExtra = 5;
constexpr int kUserLadder = 6;
constexpr int kAnticipation = 7;
constexpr int kCompLadder = 8;
constexpr int kBalance = 9;
constexpr int kAfterStumbles = 12;   // the first draw after both stumble tests

// Pins that make an exchange of mirror wrestlers even (equal additions, no
// ladder text, balance kept), with `more` replacing a pin of the same draw
// or added to them.
std::vector<Pin> even(std::initializer_list<Pin> more = {});
} // namespace mirror
