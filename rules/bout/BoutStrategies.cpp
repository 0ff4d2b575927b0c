// Strategy tables of the player's bout.
#include "rules/bout/BoutStrategies.h"

#include "rules/core/Rng.h"
#include "rules/core/Wrap.h"

#include <array>

namespace {

using wrap::add;
using wrap::half;

struct StrategyRule {
    int code;
    const char* name;
    std::int32_t (*points)(const Rikishi&);
    int divisor; // the lucky draw is rand()/divisor
    std::int32_t Rikishi::*skill; // lucky when the draw is below this field
    double playerFactor; // applied to lucky points, truncated
    double opponentFactor;
};

// Doubling is a whole-number product and wraps like every other sum on
// record values; the other factors go through double precision.
std::int32_t applyFactor(std::int32_t points, double factor)
{
    return factor == 2.0 ? wrap::mul(points, 2) : wrap::scale(points, factor);
}

std::int32_t halves(const Rikishi& r) { return add(half(r.strength), half(r.agility)); }

// Tachiai rules, listed in the order their lucky draws are made.
const std::array<StrategyRule, 4> kTachiaiRules{{
    {kJump, "Jump", [](const Rikishi& r) { return add(add(r.tachiai, r.jump), halves(r)); },
     1724, &Rikishi::jump, 1.5, 1.6},
    {kReceive, "Receive", [](const Rikishi& r) { return add(add(r.tachiai, r.receive), halves(r)); },
     2184, &Rikishi::receive, 1.4, 1.4},
    {kHenka, "Henka", [](const Rikishi& r) { return add(add(r.tachiai, r.hatakikomi), r.agility); },
     1310, &Rikishi::hatakikomi, 2.0, 2.0},
    {kTsuppariTachiai, "Tsuppari",
     [](const Rikishi& r) {
         return add(add(add(half(r.tsuppari), r.tachiai), half(r.jump)), halves(r));
     },
     1638, &Rikishi::tsuppari, 1.5, 1.5},
}};

// Exchange rules, listed in the order their lucky draws are made.
const std::array<StrategyRule, 6> kExchangeRules{{
    {kOshi, "Oshi", [](const Rikishi& r) { return add(add(half(r.strength), r.oshi), half(r.agility)); },
     1560, &Rikishi::oshi, 1.7, 1.7},
    {kYotsu, "Yotsu", [](const Rikishi& r) { return add(add(half(r.strength), r.yotsu), half(r.agility)); },
     1820, &Rikishi::yotsu, 1.4, 1.4},
    {kHatakikomi, "Hatakikomi", [](const Rikishi& r) { return add(r.hatakikomi, r.agility); },
     1310, &Rikishi::hatakikomi, 2.0, 2.0},
    {kTsuppari, "Tsuppari",
     [](const Rikishi& r) { return add(add(half(r.strength), r.tsuppari), half(r.agility)); },
     1560, &Rikishi::tsuppari, 1.6, 1.6},
    {kTenage, "Tenage", [](const Rikishi& r) { return add(add(half(r.strength), r.tenage), half(r.agility)); },
     1424, &Rikishi::tenage, 2.0, 2.0},
    {kDefense, "Defense",
     [](const Rikishi& r) { return add(add(wrap::div(r.strength, 4), r.defense), half(r.agility)); },
     2184, &Rikishi::defense, 1.3, 1.3},
}};

template <std::size_t N>
const StrategyRule* find(const std::array<StrategyRule, N>& rules, int code)
{
    for (const StrategyRule& rule : rules)
        if (rule.code == code)
            return &rule;
    return nullptr;
}

template <std::size_t N>
std::string nameOf(const std::array<StrategyRule, N>& rules, int code)
{
    const StrategyRule* rule = find(rules, code);
    return rule ? rule->name : "";
}

template <std::size_t N>
std::int32_t pointsOf(const std::array<StrategyRule, N>& rules, const Rikishi& r, int code)
{
    const StrategyRule* rule = find(rules, code);
    return rule ? rule->points(r) : 0;
}

void luckyDraw(Rng& rng, const StrategyRule& rule, const Rikishi& r, double factor, std::int32_t& pts)
{
    const int draw = rng.draw(rule.divisor);
    if (draw < r.*rule.skill)
        pts = applyFactor(pts, factor);
}

template <std::size_t N>
void luckyDraws(const std::array<StrategyRule, N>& rules, Rng& rng, const Rikishi& player, int userCode,
                std::int32_t& userPts, const Rikishi& opponent, int compCode, std::int32_t& compPts)
{
    for (const StrategyRule& rule : rules) {
        if (userCode == rule.code)
            luckyDraw(rng, rule, player, rule.playerFactor, userPts);
        if (compCode == rule.code)
            luckyDraw(rng, rule, opponent, rule.opponentFactor, compPts);
    }
}

struct Beats {
    int winner;
    int loser;
};

const std::array<Beats, 4> kTachiaiBeats{{{kReceive, kHenka}, {kHenka, kJump}, {kJump, kTsuppariTachiai}, {kTsuppariTachiai, kReceive}}};

const std::array<Beats, 6> kExchangeBeats{{{kDefense, kTenage},
                                           {kTenage, kYotsu},
                                           {kYotsu, kOshi},
                                           {kOshi, kHatakikomi},
                                           {kHatakikomi, kTsuppari},
                                           {kTsuppari, kDefense}}};

template <std::size_t N>
bool beats(const std::array<Beats, N>& table, int a, int b)
{
    for (const Beats& pair : table)
        if (pair.winner == a && pair.loser == b)
            return true;
    return false;
}

} // namespace

std::string tachiaiName(int code) { return nameOf(kTachiaiRules, code); }
std::string exchangeName(int code) { return nameOf(kExchangeRules, code); }

std::int32_t tachiaiBasePoints(const Rikishi& r, int code) { return pointsOf(kTachiaiRules, r, code); }
std::int32_t exchangeBasePoints(const Rikishi& r, int code) { return pointsOf(kExchangeRules, r, code); }

void tachiaiLuckyDraws(Rng& rng, const Rikishi& player, int userCode, std::int32_t& userPts,
                       const Rikishi& opponent, int compCode, std::int32_t& compPts)
{
    luckyDraws(kTachiaiRules, rng, player, userCode, userPts, opponent, compCode, compPts);
}

void exchangeLuckyDraws(Rng& rng, const Rikishi& player, int userCode, std::int32_t& userPts,
                        const Rikishi& opponent, int compCode, std::int32_t& compPts)
{
    luckyDraws(kExchangeRules, rng, player, userCode, userPts, opponent, compCode, compPts);
}

bool tachiaiBeats(int a, int b) { return beats(kTachiaiBeats, a, b); }
bool exchangeBeats(int a, int b) { return beats(kExchangeBeats, a, b); }

void strategyPoints(Rng& rng, const Rikishi& r, bool beatsOther, int bonusDivisor, std::int32_t& pts,
                    std::string* caption)
{
    if (caption)
        *caption = shikonaOf(r) + "'s strategy worth " + std::to_string(pts) + " points";
    if (beatsOther) {
        const int bonus = rng.draw(bonusDivisor) + 1;
        if (caption)
            *caption += "  + " + std::to_string(bonus) + " strategy bonus points!";
        pts = wrap::add(pts, bonus);
    }
}
