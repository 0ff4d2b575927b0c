// The viewer's captions: figures, percentages and their order.
#include "rules/tournament/RikishiSheet.h"

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
    const int cases[][3] = {{13, 2, 86}, {470, 228, 67}, {0, 0, 0}, {15, 0, 100}, {0, 15, 0}, {2, 1, 66},
                            {5, -5, 0}};   // the last from a damaged file: some number, never a trap
    for (const auto& c : cases)
        EXPECT_EQ(winPercentage(c[0], c[1]), c[2]) << c[0] << "-" << c[1];
    winPercentage(INT_MAX, INT_MAX);
    winPercentage(INT_MIN, -1);
    winPercentage(INT_MIN, 0);
}

TEST(RikishiSheet, FillsEveryValueLabelWithLossesOfPastBashoFromTheirWins)
{
    Rikishi r = blank();
    setShikona(r, "Kumotsubasa");
    setRealName(r, "Daisuke Kumagiri");
    r.age = 28.9f;
    r.strength = 10;
    r.baseStrength = 12;
    r.agility = 15;
    r.baseAgility = 13;
    r.hatakikomi = 13;
    r.intangibles = 9;
    r.skill = 146;
    r.power = 76;
    r.junyusho = -1;
    r.cbw = 9;
    r.cbl = 3;
    r.lbw = 13;
    r.tbaw = 15;
    r.rlw = 470;
    r.rll = 228;
    EXPECT_EQ(rikishiSheet(r).size(), 38u) << "every value label of the viewer";

    const std::map<std::string, std::string> expected{
        {"Shikona", "Kumotsubasa"}, {"RealName", "Daisuke Kumagiri"},
        {"age", "28"},                 // whole years, cut not rounded
        {"strength", "10"},            // the effective value, not the base
        {"agility", "15"}, {"hatakikomi", "13"}, {"intangibles", "9"}, {"skill", "146"}, {"power", "76"},
        {"junyusho", "-1"},
        {"cbw", "9"}, {"cbl", "3"}, {"cbp", "75"}, {"lbw", "13"}, {"lbl", "2"}, {"lbp", "86"},
        {"tbal", "0"}, {"tbap", "100"}, {"gmp", "0"}, {"rlw", "470"}, {"rll", "228"}, {"rlp", "67"}};
    const auto c = captions(r);
    for (const auto& [label, text] : expected)
        EXPECT_EQ(c.at(label), text) << label;
}

TEST(RikishiSheet, SurvivesADamagedRecordAndKeepsTheViewNumberOnTheRoster)
{
    Rikishi r = blank();
    std::memset(r.shikona, 'x', sizeof r.shikona);  // no terminator
    r.lbw = INT_MIN;
    r.age = -1.0e30f;
    const auto c = captions(r);
    EXPECT_EQ(c.at("Shikona"), std::string(15, 'x'));
    EXPECT_EQ(c.at("lbl"), "-2147483633");
    EXPECT_EQ(c.at("age"), "-2147483648");

    const int views[][2] = {{0, 1}, {1, 1}, {40, 40}, {41, 40}, {INT_MIN, 1}};
    for (const auto& [in, out] : views)
        EXPECT_EQ(clampViewNumber(in), out) << in;
}

} // namespace
