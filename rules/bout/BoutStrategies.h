// The strategies of the player's bout: their names, the points each is worth
// from a wrestler's record, the lucky draw that multiplies them, and which
// strategy beats which.
#pragma once

#include "rules/core/Rikishi.h"

#include <cstdint>
#include <string>

class Rng;

// Tachiai codes 1..4 and exchange codes 1..6. Any other code (a damaged file
// can hold one in a computer wrestler's preferences) has an empty name, is
// worth 0 points, makes no lucky draw and never beats anything.
enum TachiaiCode {
    kJump = 1,
    kReceive = 2,
    kTsuppariTachiai = 3,
    kHenka = 4,
};
enum ExchangeCode {
    kOshi = 1,
    kYotsu = 2,
    kTsuppari = 3,
    kTenage = 4,
    kHatakikomi = 5,
    kDefense = 6,
};

std::string tachiaiName(int code);
std::string exchangeName(int code);

// The points a strategy is worth before its lucky draw (no draw).
std::int32_t tachiaiBasePoints(const Rikishi& r, int code);
std::int32_t exchangeBasePoints(const Rikishi& r, int code);

// The lucky draws of both sides for one tachiai (or exchange), applied to
// the base points. The draws are made strategy by strategy in the fixed
// order of the strategies (tachiai: Jump, Receive, Henka, Tsuppari;
// exchange: Oshi, Yotsu, Hatakikomi, Tsuppari, Tenage, Defense), within each
// the player's (if he chose it) before the opponent's (if it chose it):
// exactly one draw per side with a valid code.
void tachiaiLuckyDraws(Rng& rng, const Rikishi& player, int userCode, std::int32_t& userPts,
                       const Rikishi& opponent, int compCode, std::int32_t& compPts);
void exchangeLuckyDraws(Rng& rng, const Rikishi& player, int userCode, std::int32_t& userPts,
                        const Rikishi& opponent, int compCode, std::int32_t& compPts);

// Whether strategy a beats strategy b (equal or unknown codes: never).
bool tachiaiBeats(int a, int b);
bool exchangeBeats(int a, int b);

// When the side's strategy beats the other's, a bonus of rand()/bonusDivisor
// + 1 points (drawn only then) added to pts. The caption, when one is wanted:
// "<name>'s strategy worth <pts> points" and the bonus announced.
void strategyPoints(Rng& rng, const Rikishi& r, bool beatsOther, int bonusDivisor, std::int32_t& pts,
                    std::string* caption);
