// Captions of the Rikishi viewer.
#include "rules/tournament/RikishiSheet.h"

#include "rules/core/Wrap.h"

int clampViewNumber(int number)
{
    if (number < kFirstViewNumber)
        return kFirstViewNumber;
    if (number > kLastViewNumber)
        return kLastViewNumber;
    return number;
}

std::int32_t winPercentage(std::int32_t wins, std::int32_t losses)
{
    const std::int32_t bouts = wrap::add(wins, losses);
    if (bouts == 0)
        return 0;
    return wrap::div(wrap::mul(wins, 100), bouts);
}

namespace {

void addRecord(std::vector<LabelText>& out, const char* winsLabel, const char* lossesLabel,
               const char* percentLabel, std::int32_t wins, std::int32_t losses)
{
    out.push_back({winsLabel, std::to_string(wins)});
    out.push_back({lossesLabel, std::to_string(losses)});
    out.push_back({percentLabel, std::to_string(winPercentage(wins, losses))});
}

} // namespace

std::vector<LabelText> rikishiSheet(const Rikishi& r)
{
    auto n = [](std::int32_t v) { return std::to_string(v); };
    std::vector<LabelText> out{
        {"Shikona", shikonaOf(r)},
        {"RealName", realNameOf(r)},
        {"height", n(r.height)},
        {"weight", n(r.weight)},
        {"age", n(wrap::truncate(r.age))},
        {"strength", n(r.strength)},
        {"agility", n(r.agility)},
        {"oshi", n(r.oshi)},
        {"yotsu", n(r.yotsu)},
        {"tachiai", n(r.tachiai)},
        {"tenage", n(r.tenage)},
        {"tsuppari", n(r.tsuppari)},
        {"jump", n(r.jump)},
        {"receive", n(r.receive)},
        {"hatakikomi", n(r.hatakikomi)},
        {"defense", n(r.defense)},
        {"stamina", n(r.stamina)},
        {"intangibles", n(r.intangibles)},
        {"potential", n(r.potential)},
        {"skill", n(r.skill)},
        {"power", n(r.power)},
        {"yusho", n(r.yusho)},
        {"junyusho", n(r.junyusho)},
    };
    addRecord(out, "cbw", "cbl", "cbp", r.cbw, r.cbl);
    addRecord(out, "lbw", "lbl", "lbp", r.lbw, wrap::sub(kBashoBouts, r.lbw));
    addRecord(out, "tbaw", "tbal", "tbap", r.tbaw, wrap::sub(kBashoBouts, r.tbaw));
    addRecord(out, "gmw", "gml", "gmp", r.gmw, r.gml);
    addRecord(out, "rlw", "rll", "rlp", r.rlw, r.rll);
    return out;
}
