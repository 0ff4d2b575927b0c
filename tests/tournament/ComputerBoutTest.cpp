// The computer bout: its three ways to end, its draws and its records.
#include "tournament/ComputerBout.h"

#include "core/Rng.h"
#include "TestRoster.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Pair {
    Rikishi a{};
    Rikishi b{};
    Pair(int powerA, int powerB)
    {
        setShikona(a, "Alpha");
        setShikona(b, "Beta");
        a.power = powerA;
        b.power = powerB;
    }
};

int firstR(Rng& rng) { return rng.draw(327); }

// How many draws the bout took from a generator seeded with `seed`.
int drawsTaken(std::uint32_t seed, const Rng& after)
{
    Rng probe;
    probe.seed(seed);
    for (int n = 0; n < 4; ++n) {
        if (probe.state() == after.state())
            return n;
        probe.next();
    }
    return -1;
}

} // namespace

TEST(ComputerBout, TheFirstDrawsEndTheBoutWhateverThePower)
{
    // r = 95 is the lowest draw that gives A the bout, even against far more power.
    const std::uint32_t s95 = seedWhere([](Rng& g) { return firstR(g) == 95; });
    Pair p(0, 1000);
    Rng rng;
    rng.seed(s95);
    ResultLine line = decideComputerBout(p.a, p.b, rng);
    EXPECT_EQ(line.first, "Alpha");
    EXPECT_EQ(line.middle, "defeats");
    EXPECT_EQ(line.second, "Beta");
    EXPECT_EQ(drawsTaken(s95, rng), 1);
    EXPECT_EQ(p.a.gmw, 1);
    EXPECT_EQ(p.a.cbw, 1);
    EXPECT_EQ(p.b.gml, 1);
    EXPECT_EQ(p.b.cbl, 1);
    EXPECT_EQ(p.a.gml + p.a.cbl + p.b.gmw + p.b.cbw, 0);

    // r = 9 is the highest draw of a henka: B wins, named first.
    const std::uint32_t s9 = seedWhere([](Rng& g) { return firstR(g) == 9; });
    Pair q(1000, 0);
    rng.seed(s9);
    line = decideComputerBout(q.a, q.b, rng);
    EXPECT_EQ(line.first, "Beta");
    EXPECT_EQ(line.middle, "henkas");
    EXPECT_EQ(line.second, "Alpha");
    EXPECT_EQ(drawsTaken(s9, rng), 1);
    EXPECT_EQ(q.b.gmw, 1);
    EXPECT_EQ(q.b.cbw, 1);
    EXPECT_EQ(q.a.gml, 1);
    EXPECT_EQ(q.a.cbl, 1);
}

TEST(ComputerBout, ContestsGoByPowerAndTheirBoundaries)
{
    // r = 10 and r = 94 are contests: two more draws.
    for (int r : {10, 94}) {
        const std::uint32_t s = seedWhere([r](Rng& g) { return firstR(g) == r; });
        Pair p(50, 50);
        Rng rng;
        rng.seed(s);
        decideComputerBout(p.a, p.b, rng);
        EXPECT_EQ(drawsTaken(s, rng), 3) << "r = " << r;
    }

    // A tie of power and draws goes to A.
    const std::uint32_t tie = seedWhere([](Rng& g) {
        const int r = firstR(g);
        const int da = g.draw(3276);
        const int db = g.draw(3276);
        return r >= 10 && r < 95 && da == db;
    });
    Pair t(50, 50);
    Rng rng;
    rng.seed(tie);
    EXPECT_EQ(decideComputerBout(t.a, t.b, rng).middle, "defeats");
    EXPECT_EQ(t.a.cbw, 1);

    // A's draw comes first: A draws 0 and B draws 10 (only 32760..32767), so
    // B wins with equal power; drawn the other way round A would have won.
    const std::uint32_t order = seedWhere([](Rng& g) {
        const int r = firstR(g);
        const int da = g.draw(3276);
        const int db = g.draw(3276);
        return r >= 10 && r < 95 && da == 0 && db == 10;
    });
    Pair o(50, 50);
    rng.seed(order);
    const ResultLine upset = decideComputerBout(o.a, o.b, rng);
    EXPECT_EQ(upset.first, "Beta");
    EXPECT_EQ(upset.middle, "upsets");
    EXPECT_EQ(upset.second, "Alpha");
    EXPECT_EQ(o.b.cbw, 1);
    EXPECT_EQ(o.a.cbl, 1);
}

TEST(ComputerBout, MoreThanTenPointsOfPowerDecideEveryContest)
{
    int contests = 0;
    for (std::uint32_t s = 1; s <= 400; ++s) {
        Rng probe;
        probe.seed(s);
        const int r = firstR(probe);
        Pair strongA(61, 50);
        Pair strongB(50, 61);
        Rng rng;
        rng.seed(s);
        const std::string a = decideComputerBout(strongA.a, strongA.b, rng).middle;
        rng.seed(s);
        const std::string b = decideComputerBout(strongB.a, strongB.b, rng).middle;
        if (r >= 95) {
            EXPECT_EQ(a, "defeats");
            EXPECT_EQ(b, "defeats");   // the weaker A still wins on a high first draw
        } else if (r < 10) {
            EXPECT_EQ(a, "henkas");    // the weaker B still wins by a henka
            EXPECT_EQ(b, "henkas");
        } else {
            ++contests;
            EXPECT_EQ(a, "defeats");
            EXPECT_EQ(b, "upsets");
        }
    }
    EXPECT_GT(contests, 300);
}

TEST(ComputerBout, ExtremeRecordsWrapAt32Bits)
{
    // A damaged file may hold anything: counts and sums wrap, as 32-bit
    // arithmetic does, and never trap.
    const std::uint32_t s95 = seedWhere([](Rng& g) { return firstR(g) >= 95; });
    Pair p(0, 0);
    p.a.gmw = INT_MAX;
    p.a.cbw = INT_MAX;
    p.b.gml = INT_MAX;
    p.b.cbl = INT_MAX;
    Rng rng;
    rng.seed(s95);
    decideComputerBout(p.a, p.b, rng);
    EXPECT_EQ(p.a.gmw, INT_MIN);
    EXPECT_EQ(p.a.cbw, INT_MIN);
    EXPECT_EQ(p.b.gml, INT_MIN);
    EXPECT_EQ(p.b.cbl, INT_MIN);

    // INT_MAX power plus a draw of 1 or more wraps below zero: B wins.
    const std::uint32_t contest = seedWhere([](Rng& g) {
        const int r = firstR(g);
        const int da = g.draw(3276);
        return r >= 10 && r < 95 && da >= 1;
    });
    Pair q(INT_MAX, 0);
    rng.seed(contest);
    EXPECT_EQ(decideComputerBout(q.a, q.b, rng).middle, "upsets");
}
