// The schedule: who meets whom on each day of a basho, by roster slot.
#pragma once

#include <cstdint>

constexpr int kScheduleDays = 15;
constexpr int kScheduleSlots = 40;

// Row d (1..15) is day d; its entries 2k and 2k+1 fight, the first being A.
// Row 0 is all zeros and never played. Every row is a permutation of the 40
// slots and no two slots meet twice in a basho.
extern const std::int32_t TorikumiTable[kScheduleDays + 1][kScheduleSlots];

// Whether `day` selects a row of the schedule (1..15). A loaded day must pass
// this before it is used as an index.
bool isScheduledDay(std::int32_t day);

struct SlotPair {
    int a; // the first wrestler of the pair
    int b; // the second
};

// The pair of result line k (0..19) on `day`: table positions 38-2k (A) and
// 39-2k (B), so line 0 shows the last pair of the row and line 19 the first.
// `day` must be a scheduled day and k within 0..19.
SlotPair linePair(std::int32_t day, int k);
