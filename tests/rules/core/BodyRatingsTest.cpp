// The derived ratings: every step of the body modifiers, and wrapping values
// (the golden scenarios prove the ratings of whole careers).
#include "rules/core/BodyRatings.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Height, weight, then the thirteen abilities in record order: strength,
// agility, tachiai, oshi, yotsu, tenage, tsuppari, jump, receive, hatakikomi,
// defense, stamina, intangibles.
Rikishi rated(std::initializer_list<int> v)
{
    Rikishi r{};
    std::int32_t Rikishi::*fields[] = {&Rikishi::height, &Rikishi::weight, &Rikishi::baseStrength,
                                       &Rikishi::baseAgility, &Rikishi::tachiai, &Rikishi::oshi, &Rikishi::yotsu,
                                       &Rikishi::tenage, &Rikishi::tsuppari, &Rikishi::jump, &Rikishi::receive,
                                       &Rikishi::hatakikomi, &Rikishi::defense, &Rikishi::stamina,
                                       &Rikishi::intangibles};
    std::size_t i = 0;
    for (int x : v)
        r.*fields[i++] = x;
    computeBodyRatings(r);
    return r;
}

} // namespace

TEST(BodyRatings, ClassesAndModifiersAtEveryStep)
{
    const int heights[][2] = {{INT_MIN, 1}, {170, 1}, {171, 2}, {173, 2}, {174, 3}, {179, 4},
                              {180, 5},     {209, 14}, {210, 15}, {INT_MAX, 15}};
    for (const auto& h : heights)
        EXPECT_EQ(heightClass(h[0]), h[1]) << h[0];
    const int weights[][2] = {{49, 1}, {50, 2}, {149, 11}, {150, 12}, {239, 20}, {240, 21}};
    for (const auto& w : weights)
        EXPECT_EQ(weightClass(w[0]), w[1]) << w[0];

    // Strength 10 plus the modifiers, agility 10 minus them.
    const int steps[][3] = {{185, 99, 6},   {185, 100, 7},  {185, 119, 7},  {185, 120, 8},  {185, 139, 8},
                            {185, 140, 9},  {185, 149, 9},  {185, 150, 10}, {185, 169, 10}, {185, 170, 11},
                            {185, 179, 11}, {185, 180, 12}, {185, 199, 12}, {185, 200, 13}, {185, 219, 13},
                            {185, 220, 14}, {179, 160, 9},  {180, 160, 10}, {189, 160, 10}, {190, 160, 11}};
    for (const auto& s : steps) {
        const Rikishi r = rated({s[0], s[1], 10, 10});
        EXPECT_EQ(r.strength * 100 + r.agility, s[2] * 100 + 20 - s[2]) << s[0] << " " << s[1];
    }
    // Extreme values wrap (the sanitizer build fails on any overflow).
    EXPECT_EQ(rated({INT_MAX, INT_MAX, INT_MAX, INT_MIN, INT_MAX, INT_MAX}).strength, INT_MIN + 4);
}
