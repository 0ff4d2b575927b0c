// The viewer's figures: percentages and damaged records (the viewer's screen
// test reads a whole sheet).
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
    const int cases[][3] = {{13, 2, 86}, {470, 228, 67}, {0, 0, 0}, {1, 0, 100}, {15, 0, 100}, {2, 1, 66}, {5, -5, 0}}; // the last from a damaged file: some number, never a trap
    for (const auto& c : cases)
        EXPECT_EQ(winPercentage(c[0], c[1]), c[2]) << c[0] << "-" << c[1];
    winPercentage(INT_MAX, INT_MAX);
    winPercentage(INT_MIN, -1);
    const int views[][2] = {{0, 1}, {1, 1}, {40, 40}, {41, 40}, {INT_MIN, 1}};
    for (const auto& [in, out] : views)
        EXPECT_EQ(clampViewNumber(in), out) << in;
}

TEST(RikishiSheet, DamagedRecordsShowWhatTheyHold)
{
    Rikishi r{};
    std::memset(r.shikona, 'x', sizeof r.shikona); // no terminator
    r.lbw = INT_MIN;
    r.age = -1.0e30f;
    const auto c = captions(r);
    EXPECT_EQ(c.at("Shikona"), std::string(15, 'x'));
    EXPECT_EQ(c.at("lbl"), "-2147483633");
    EXPECT_EQ(c.at("age"), "-2147483648");
}

} // namespace
