// The computer bout: its three ways to end, its draws and its records.
#include "rules/tournament/ComputerBout.h"

#include "rules/core/Rng.h"
#include "tests/support/DayFixtures.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Bout {
    Rikishi a{};
    Rikishi b{};
    Rng rng;
    ResultLine line;
    int draws = 0;
    // Fights A (power pa) against B (power pb) on a generator seeded with s.
    Bout(int pa, int pb, std::uint32_t s)
    {
        setShikona(a, "Alpha");
        setShikona(b, "Beta");
        a.power = pa;
        b.power = pb;
        rng.seed(s);
        line = decideComputerBout(a, b, rng);
        Rng probe;
        probe.seed(s);
        while (probe.state() != rng.state() && draws < 5) {
            probe.next();
            ++draws;
        }
    }
    std::string text() const { return line.first + " " + line.middle + " " + line.second; }
};

std::uint32_t firstR(int lo, int hi)
{
    return seedWhere([lo, hi](Rng& g) { const int r = g.draw(327); return r >= lo && r <= hi; });
}

// A contest in which A's draw / 3276 is da and B's is db.
std::uint32_t contest(int da, int db)
{
    return seedWhere([da, db](Rng& g) {
        const int r = g.draw(327);
        const int a = g.draw(3276);
        const int b = g.draw(3276);
        return r >= 10 && r < 95 && a == da && b == db;
    });
}

} // namespace

TEST(ComputerBout, OneDrawDecidesAtTheEdgesWhateverThePower)
{
    const Bout high(0, 1000, firstR(95, 95));
    EXPECT_EQ(high.text(), "Alpha defeats Beta");
    EXPECT_EQ(high.draws, 1);
    EXPECT_EQ(high.a.gmw + high.a.cbw + high.b.gml + high.b.cbl, 4);
    EXPECT_EQ(high.a.gml + high.a.cbl + high.b.gmw + high.b.cbw, 0);

    const Bout henka(1000, 0, firstR(9, 9));
    EXPECT_EQ(henka.text(), "Beta henkas Alpha");
    EXPECT_EQ(henka.draws, 1);
    EXPECT_EQ(henka.b.gmw + henka.b.cbw + henka.a.gml + henka.a.cbl, 4);
}

TEST(ComputerBout, ContestsGoByPowerTiesToAAndAsDrawIsFirst)
{
    EXPECT_EQ(Bout(50, 50, firstR(10, 10)).draws, 3);
    EXPECT_EQ(Bout(50, 50, firstR(94, 94)).draws, 3);
    EXPECT_EQ(Bout(50, 50, contest(4, 4)).text(), "Alpha defeats Beta");
    // A draws 0 and B 10 (only 32760..32767): with equal power B wins; drawn
    // the other way round, A would have.
    const Bout upset(50, 50, contest(0, 10));
    EXPECT_EQ(upset.text(), "Beta upsets Alpha");
    EXPECT_EQ(upset.b.cbw + upset.a.cbl, 2);

    // More than ten points of power decide every contest, never the edges.
    for (std::uint32_t s = 1; s <= 300; ++s) {
        Rng probe;
        probe.seed(s);
        const int r = probe.draw(327);
        const std::string strongA = Bout(61, 50, s).line.middle;
        const std::string strongB = Bout(50, 61, s).line.middle;
        EXPECT_EQ(strongA, r < 10 ? "henkas" : "defeats");
        EXPECT_EQ(strongB, r >= 95 ? "defeats" : r < 10 ? "henkas" : "upsets");
    }
}

TEST(ComputerBout, DamagedRecordsWrapAt32Bits)
{
    // INT_MAX power plus a draw of 1 wraps below zero: B wins, and no trap.
    const Bout wrapped(INT_MAX, 0, contest(1, 0));
    EXPECT_EQ(wrapped.line.middle, "upsets");
    Rikishi a{}, b{};
    a.cbw = INT_MAX;
    b.cbl = INT_MAX;
    Rng rng;
    rng.seed(firstR(95, 100));
    decideComputerBout(a, b, rng);
    EXPECT_EQ(a.cbw, INT_MIN);
    EXPECT_EQ(b.cbl, INT_MIN);
}
