// The computer bout's edges, its ties and damaged records (the golden
// scenarios prove its draws and lines by the thousand).
#include "rules/tournament/ComputerBout.h"

#include "rules/core/Rng.h"
#include "tests/support/Seeds.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// "verb cbw-cbl of A, cbw-cbl of B" after A (power pa) meets B (pb) on the
// first seed whose bout draws r = rand()/327, then A's and B's rand()/3276.
std::string fight(int pa, int pb, int r, int da = -1, int db = -1, Rikishi a = {}, Rikishi b = {})
{
    a.power = pa;
    b.power = pb;
    Rng rng;
    rng.seed(seedWhere([&](Rng& g) {
        const bool edge = g.draw(327) == r;
        const int x = g.draw(3276);
        return edge && (da < 0 || x == da) && (db < 0 || g.draw(3276) == db);
    }));
    const ResultLine line = decideComputerBout(a, b, rng);
    return line.middle + " " + std::to_string(a.cbw) + "-" + std::to_string(a.cbl) + " " + std::to_string(b.cbw) +
           "-" + std::to_string(b.cbl);
}

} // namespace

TEST(ComputerBout, EdgesTiesAndWrappedRecords)
{
    EXPECT_EQ(fight(0, 1000, 95), "defeats 1-0 0-1");     // the edges ignore power
    EXPECT_EQ(fight(1000, 0, 9), "henkas 0-1 1-0");
    EXPECT_EQ(fight(50, 50, 94, 4, 4), "defeats 1-0 0-1");  // a tie goes to A
    EXPECT_EQ(fight(50, 50, 10, 0, 10), "upsets 0-1 1-0");  // A's draw comes first
    EXPECT_EQ(fight(INT_MAX, 0, 50, 1, 0), "upsets 0-1 1-0");   // INT_MAX + 1 wraps below zero
    Rikishi a{}, b{};
    a.cbw = INT_MAX;
    b.cbl = INT_MAX;
    EXPECT_EQ(fight(0, 0, 99, -1, -1, a, b), "defeats -2147483648-0 0--2147483648");
}
