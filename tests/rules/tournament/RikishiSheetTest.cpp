// The viewer's figures: percentages, past basho's losses, damaged records.
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

TEST(RikishiSheet, PercentagesTruncateAndGuardAnEmptyRecord)
{
    const int cases[][3] = {{13, 2, 86}, {470, 228, 67}, {0, 0, 0}, {1, 0, 100}, {15, 0, 100}, {2, 1, 66},
                            {5, -5, 0}};   // the last from a damaged file: some number, never a trap
    for (const auto& c : cases)
        EXPECT_EQ(winPercentage(c[0], c[1]), c[2]) << c[0] << "-" << c[1];
    winPercentage(INT_MAX, INT_MAX);
    winPercentage(INT_MIN, -1);
    const int views[][2] = {{0, 1}, {1, 1}, {40, 40}, {41, 40}, {INT_MIN, 1}};
    for (const auto& [in, out] : views)
        EXPECT_EQ(clampViewNumber(in), out) << in;
}

TEST(RikishiSheet, EffectiveValuesWholeYearsAndPastBashoLossesFromTheirWins)
{
    Rikishi r{};
    r.age = 28.9f;
    r.strength = 10;
    r.baseStrength = 12;
    r.cbw = 9;
    r.cbl = 3;
    r.lbw = 13;
    r.tbaw = 15;
    EXPECT_EQ(rikishiSheet(r).size(), 38u) << "every value label of the viewer";
    const std::map<std::string, std::string> expected{{"age", "28"}, {"strength", "10"}, {"cbp", "75"},
                                                      {"lbl", "2"},  {"lbp", "86"},      {"tbal", "0"},
                                                      {"tbap", "100"}};
    auto c = captions(r);
    for (const auto& [label, text] : expected)
        EXPECT_EQ(c.at(label), text) << label;

    std::memset(r.shikona, 'x', sizeof r.shikona);  // no terminator
    r.lbw = INT_MIN;
    r.age = -1.0e30f;
    c = captions(r);
    EXPECT_EQ(c.at("Shikona"), std::string(15, 'x'));
    EXPECT_EQ(c.at("lbl"), "-2147483633");
    EXPECT_EQ(c.at("age"), "-2147483648");
}

} // namespace
