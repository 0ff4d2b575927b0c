// What the player chose on the creation screen, handed to the new career.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The twelve abilities in the order the creation screen lists them (the
// same order as the training screens): strength, agility, tachiai, jump,
// receive, defense, oshi, yotsu, tsuppari, tenage, henka, stamina.
constexpr std::size_t kAbilityCount = 12;
// Their names in that order, as charts and tables write them.
inline constexpr const char* kAbilityNames[kAbilityCount] = {"Strength", "Agility", "Tachiai", "Jump", "Receive", "Defense",
                                                             "Oshi", "Yotsu", "Tsuppari", "Tenage", "Henka", "Stamina"};

// Every value starts where an untouched creation screen stands, so a
// default-constructed CreationValues is the screen's opening state.
struct CreationValues {
    std::string shikona = "Kiriarashi"; // Latin-1, at most 13 characters
    std::string realName = "Haruto Kazamaki"; // Latin-1, at most 20 characters
    std::int32_t height = 180;
    std::int32_t weight = 130;
    std::array<std::int32_t, kAbilityCount> abilities{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
};

// Height, weight and the height-and-weight pool always sum to this (the
// two bars trade against each other).
constexpr std::int32_t kBodyTotal = 310;
// Points of the ability pool at the start.
constexpr std::int32_t kStartingStatPoints = 25;
constexpr std::int32_t kMinHeight = 170;
constexpr std::int32_t kMaxHeight = 220;
constexpr std::int32_t kMinWeight = 75;
constexpr std::int32_t kMaxWeight = 200;
constexpr std::int32_t kMinAbility = 1;
constexpr std::int32_t kMaxAbility = 6;
