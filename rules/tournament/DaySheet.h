// What the day results screen shows: the day's 20 lines or why there is no day.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int kLinesPerDay = 20;

// One result line: the captions of labels 3k, 3k+1 and 3k+2.
struct ResultLine {
    std::string first;
    std::string middle;
    std::string second;
};

enum class DaySheetKind {
    Bouts, // the day's 20 lines with the player's bout pending
    Unfinished, // day 16: the end of the last basho was cut short; offer to finish it
    NotPlayable, // a day outside 1..15, or not exactly one player's wrestler
};

struct DaySheet {
    DaySheetKind kind = DaySheetKind::Bouts;
    std::int32_t day = 0;
    std::string dayText; // the day caption; empty when there is no day
    std::array<ResultLine, kLinesPerDay> lines;
    int playerLine = -1; // k of the player's line (Bouts only)
    bool resumed = false; // the computer results were already saved
    std::string message; // what is wrong (Unfinished, NotPlayable)
};
