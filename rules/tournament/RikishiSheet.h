// The Rikishi viewer's figures: every label's finished caption for one record.
#pragma once

#include "rules/core/Rikishi.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One figure of the viewer: the record field (or figure) it shows, by the
// record's own name ("cbw", "gmp", ...), and its caption.
struct LabelText {
    const char* label;
    std::string text;
};

// Bouts of one basho: the losses of the last two basho are 15 minus the wins.
constexpr std::int32_t kBashoBouts = 15;

// The viewer's wrestler numbers: 1 to 40, the roster index + 1.
constexpr int kFirstViewNumber = 1;
constexpr int kLastViewNumber = static_cast<int>(kRosterSize);

// A wrestler number brought into 1..40.
int clampViewNumber(int number);

// wins x 100 / (wins + losses), truncated; 0 when there were no bouts. Any
// values a damaged file holds give a number, never a trap.
std::int32_t winPercentage(std::int32_t wins, std::int32_t losses);

// The captions of the record's labels in the order the viewer fills them:
// names, body, abilities (strength and agility as the effective values),
// ratings, titles, then the current, last, two-ago, in-game and before-game
// records as wins, losses and percentage. Numbers are plain decimals; the age
// is cut to whole years.
std::vector<LabelText> rikishiSheet(const Rikishi& r);
