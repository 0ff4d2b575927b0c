// The derived ratings of the worked examples and the class boundaries.
#include "rules/core/BodyRatings.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Build {
    int height, weight, str, agi, tachiai, oshi, yotsu, tenage, tsuppari, jump, receive, hatakikomi,
        defense, stamina, intangibles;
};

Rikishi make(const Build& b)
{
    Rikishi r{};
    r.height = b.height;
    r.weight = b.weight;
    r.baseStrength = b.str;
    r.baseAgility = b.agi;
    r.tachiai = b.tachiai;
    r.oshi = b.oshi;
    r.yotsu = b.yotsu;
    r.tenage = b.tenage;
    r.tsuppari = b.tsuppari;
    r.jump = b.jump;
    r.receive = b.receive;
    r.hatakikomi = b.hatakikomi;
    r.defense = b.defense;
    r.stamina = b.stamina;
    r.intangibles = b.intangibles;
    return r;
}

} // namespace

TEST(BodyRatings, WorkedExamples)
{
    Rikishi a = make({181, 132, 12, 13, 9, 10, 10, 12, 8, 11, 10, 13, 15, 14, 9});
    computeBodyRatings(a);
    EXPECT_EQ(a.strength, 10);
    EXPECT_EQ(a.agility, 15);
    EXPECT_EQ(a.skill, 146);
    EXPECT_EQ(a.power, 76);

    Rikishi b = make({204, 232, 9, 11, 13, 14, 10, 5, 13, 13, 10, 4, 6, 8, 7});
    computeBodyRatings(b);
    EXPECT_EQ(b.strength, 14);
    EXPECT_EQ(b.agility, 6);
    EXPECT_EQ(b.skill, 123);
    EXPECT_EQ(b.power, 73);

    // A new player left untouched: -1 / 2 counts as 0.
    Rikishi p = make({180, 130, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0});
    computeBodyRatings(p);
    EXPECT_EQ(p.strength, -1);
    EXPECT_EQ(p.agility, 3);
    EXPECT_EQ(p.skill, 12);
    EXPECT_EQ(p.power, 18);

    // Always starting from the base values, a second run changes nothing.
    computeBodyRatings(p);
    EXPECT_EQ(p.strength, -1);
    EXPECT_EQ(p.power, 18);
}

TEST(BodyRatings, ClassBoundaries)
{
    EXPECT_EQ(heightClass(170), 1);
    EXPECT_EQ(heightClass(171), 2);
    EXPECT_EQ(heightClass(179), 4);
    EXPECT_EQ(heightClass(180), 5);
    EXPECT_EQ(heightClass(189), 8);
    EXPECT_EQ(heightClass(190), 8);
    EXPECT_EQ(heightClass(209), 14);
    EXPECT_EQ(heightClass(210), 15);
    EXPECT_EQ(heightClass(INT_MIN), 1);
    EXPECT_EQ(heightClass(INT_MAX), 15);

    EXPECT_EQ(weightClass(49), 1);
    EXPECT_EQ(weightClass(50), 2);
    EXPECT_EQ(weightClass(149), 11);
    EXPECT_EQ(weightClass(150), 12);
    EXPECT_EQ(weightClass(239), 20);
    EXPECT_EQ(weightClass(240), 21);
}

TEST(BodyRatings, HeightAndWeightModifiersAtTheirSteps)
{
    auto ratings = [](int height, int weight) {
        Rikishi r = make({height, weight, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        computeBodyRatings(r);
        return r;
    };
    // 179 and 180 differ in class and modifier; 189 and 190 only in the modifier.
    EXPECT_EQ(ratings(179, 160).strength, 9);
    EXPECT_EQ(ratings(180, 160).strength, 10);
    EXPECT_EQ(ratings(189, 160).strength, 10);
    EXPECT_EQ(ratings(190, 160).strength, 11);
    EXPECT_EQ(ratings(189, 160).agility, 10);
    EXPECT_EQ(ratings(190, 160).agility, 9);
    // Weight 149 is class 11 with -1; 150 is class 12 with no modifier.
    EXPECT_EQ(ratings(185, 149).strength, 9);
    EXPECT_EQ(ratings(185, 150).strength, 10);
    EXPECT_EQ(ratings(185, 220).strength, 14);
    EXPECT_EQ(ratings(185, 99).agility, 14);
}

TEST(BodyRatings, ExtremeValuesWrapInsteadOfOverflowing)
{
    Rikishi r = make({INT_MAX, INT_MAX, INT_MAX, INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX,
                      INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX});
    computeBodyRatings(r);  // the sanitizer build fails here on any overflow
    EXPECT_EQ(r.strength, INT_MIN + 4);  // INT_MAX + 4 + 1 wraps
}

TEST(BodyRatings, RosterRunCoversAllForty)
{
    Roster roster{};
    for (Rikishi& r : roster) {
        r.height = 180;
        r.weight = 130;
        r.baseStrength = 1;
        r.baseAgility = 1;
    }
    computeBodyRatings(roster);
    for (const Rikishi& r : roster) {
        EXPECT_EQ(r.strength, -1);
        EXPECT_EQ(r.agility, 3);
    }
}
