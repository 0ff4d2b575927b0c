// The viewer's captions: figures, percentages and their order.
#include "tournament/RikishiSheet.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>

namespace {

std::map<std::string, std::string> captions(const Rikishi& r)
{
    std::map<std::string, std::string> out;
    for (const LabelText& t : rikishiSheet(r))
        out[t.label] = t.text;
    return out;
}

Rikishi blank()
{
    Rikishi r;
    std::memset(&r, 0, sizeof r);
    return r;
}

TEST(RikishiSheet, PercentagesTruncateAndGuardAnEmptyRecord)
{
    EXPECT_EQ(winPercentage(13, 2), 86);
    EXPECT_EQ(winPercentage(470, 228), 67);
    EXPECT_EQ(winPercentage(0, 0), 0);
    EXPECT_EQ(winPercentage(15, 0), 100);
    EXPECT_EQ(winPercentage(0, 15), 0);
    EXPECT_EQ(winPercentage(2, 1), 66);
    // Whatever a damaged file holds gives some number, never a trap.
    EXPECT_EQ(winPercentage(5, -5), 0);
    winPercentage(INT_MAX, INT_MAX);
    winPercentage(INT_MIN, -1);
    winPercentage(INT_MIN, 0);
}

TEST(RikishiSheet, ShowsTheFiveRecordsWithLossesOfPastBashoFromTheirWins)
{
    Rikishi r = blank();
    r.cbw = 9;
    r.cbl = 3;
    r.lbw = 13;
    r.tbaw = 15;
    r.gmw = 0;
    r.gml = 0;
    r.rlw = 470;
    r.rll = 228;
    const auto c = captions(r);
    EXPECT_EQ(c.at("cbw"), "9");
    EXPECT_EQ(c.at("cbl"), "3");
    EXPECT_EQ(c.at("cbp"), "75");
    EXPECT_EQ(c.at("lbw"), "13");
    EXPECT_EQ(c.at("lbl"), "2");
    EXPECT_EQ(c.at("lbp"), "86");
    EXPECT_EQ(c.at("tbal"), "0");
    EXPECT_EQ(c.at("tbap"), "100");
    EXPECT_EQ(c.at("gmp"), "0");
    EXPECT_EQ(c.at("rlw"), "470");
    EXPECT_EQ(c.at("rll"), "228");
    EXPECT_EQ(c.at("rlp"), "67");
}

TEST(RikishiSheet, FillsEveryValueLabel)
{
    Rikishi r = blank();
    setShikona(r, "Kumotsubasa");
    setRealName(r, "Daisuke Kumagiri");
    r.age = 28.9f;
    r.height = 181;
    r.weight = 132;
    r.strength = 10;
    r.baseStrength = 12;
    r.agility = 15;
    r.baseAgility = 13;
    r.hatakikomi = 13;
    r.intangibles = 9;
    r.skill = 146;
    r.power = 76;
    r.yusho = 2;
    r.junyusho = -1;
    EXPECT_EQ(rikishiSheet(r).size(), 38u) << "every value label of the viewer";

    const auto c = captions(r);
    EXPECT_EQ(c.at("Shikona"), "Kumotsubasa");
    EXPECT_EQ(c.at("RealName"), "Daisuke Kumagiri");
    EXPECT_EQ(c.at("age"), "28") << "whole years, cut not rounded";
    EXPECT_EQ(c.at("strength"), "10") << "the effective value, not the base";
    EXPECT_EQ(c.at("agility"), "15");
    EXPECT_EQ(c.at("hatakikomi"), "13");
    EXPECT_EQ(c.at("intangibles"), "9");
    EXPECT_EQ(c.at("skill"), "146");
    EXPECT_EQ(c.at("power"), "76");
    EXPECT_EQ(c.at("junyusho"), "-1");
}

TEST(RikishiSheet, SurvivesADamagedRecord)
{
    Rikishi r = blank();
    std::memset(r.shikona, 'x', sizeof r.shikona);  // no terminator
    r.lbw = INT_MIN;
    r.age = -1.0e30f;
    const auto c = captions(r);
    EXPECT_EQ(c.at("Shikona"), std::string(15, 'x'));
    EXPECT_EQ(c.at("lbl"), "-2147483633");
    EXPECT_EQ(c.at("age"), "-2147483648");
}

TEST(RikishiSheet, ViewNumbersStayOnTheRoster)
{
    EXPECT_EQ(clampViewNumber(0), 1);
    EXPECT_EQ(clampViewNumber(1), 1);
    EXPECT_EQ(clampViewNumber(40), 40);
    EXPECT_EQ(clampViewNumber(41), 40);
    EXPECT_EQ(clampViewNumber(INT_MIN), 1);
}

} // namespace
