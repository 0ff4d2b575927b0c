// The computer wrestlers every new career starts with, and the player's template.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One wrestler as a new career lays him down: his names and every value that
// is not common to all records of a new career.
struct FieldRow {
    const char* shikona; // at most 13 characters
    const char* realName; // at most 20 characters
    std::uint8_t rank; // RankCode
    std::int32_t age; // whole years
    std::int32_t height;
    std::int32_t weight;
    std::int32_t baseStrength;
    std::int32_t baseAgility;
    std::int32_t tachiai;
    std::int32_t oshi;
    std::int32_t yotsu;
    std::int32_t tenage;
    std::int32_t tsuppari;
    std::int32_t jump;
    std::int32_t receive;
    std::int32_t hatakikomi;
    std::int32_t defense;
    std::int32_t stamina;
    std::int32_t intangibles;
    std::int32_t potential;
    std::int32_t tachiaiStrategy1;
    std::int32_t tachiaiStrategy2;
    std::int32_t boutStrategy1;
    std::int32_t boutStrategy2;
    std::int32_t boutStrategy3;
    std::int32_t rlw;
    std::int32_t rll;
    std::int32_t lbw;
    std::int32_t tbaw;
};

constexpr std::size_t kFieldSize = 39;

// The 39 computer wrestlers in banzuke order, roster indices 0 to 38:
// 3 Yokozuna, 3 Ozeki, 2 Sekiwake, 4 Komusubi, then Maegashira.
const std::array<FieldRow, kFieldSize>& builtInField();

// The player's wrestler before the creation screen's choices are put in:
// a 21-year-old Maegashira with every allocated ability at 1 and no body yet.
const FieldRow& playerTemplate();
