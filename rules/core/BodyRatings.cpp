// Heavy wrestlers are stronger and slower, light and short ones quicker and
// weaker, and size itself adds to overall power.
#include "rules/core/BodyRatings.h"

#include "rules/core/Wrap.h"

std::int32_t heightClass(std::int32_t height)
{
    if (height <= 170)
        return 1;
    if (height >= 210)
        return 15;
    return 2 + (height - 171) / 3;
}

std::int32_t weightClass(std::int32_t weight)
{
    if (weight < 50)
        return 1;
    if (weight >= 240)
        return 21;
    return weight / 10 - 3;
}

namespace {

// Added to strength and taken from agility.
std::int32_t weightModifier(std::int32_t weight)
{
    if (weight < 100) return -4;
    if (weight < 120) return -3;
    if (weight < 140) return -2;
    if (weight < 150) return -1;
    if (weight < 170) return 0;
    if (weight < 180) return 1;
    if (weight < 200) return 2;
    if (weight < 220) return 3;
    return 4;
}

std::int32_t heightModifier(std::int32_t height)
{
    if (height < 180) return -1;
    if (height > 189) return 1;
    return 0;
}

} // namespace

void computeBodyRatings(Rikishi& r)
{
    using namespace wrap;
    const std::int32_t mod = add(weightModifier(r.weight), heightModifier(r.height));
    r.strength = add(r.baseStrength, mod);
    r.agility = sub(r.baseAgility, mod);

    std::int32_t skill = add(r.strength, r.agility);
    for (std::int32_t v : {r.tachiai, r.oshi, r.yotsu, r.tenage, r.tsuppari, r.jump, r.receive,
                           r.hatakikomi, r.defense, r.stamina, r.intangibles})
        skill = add(skill, v);
    r.skill = skill;

    std::int32_t power = wrap::div(skill, 13);
    for (std::int32_t v : {heightClass(r.height), weightClass(r.weight), half(r.strength),
                           half(r.agility), r.defense, r.stamina, r.intangibles})
        power = add(power, v);
    r.power = power;
}

void computeBodyRatings(Roster& roster)
{
    for (Rikishi& r : roster)
        computeBodyRatings(r);
}
