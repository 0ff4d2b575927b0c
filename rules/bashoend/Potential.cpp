// Computer wrestlers turning their potential into ability points.
#include "rules/bashoend/Potential.h"

#include "rules/core/AbilityChain.h"
#include "rules/core/Rng.h"
#include "rules/core/Wrap.h"

#include <array>

namespace {

constexpr std::int32_t kGrowthCeiling = 15;

// Raises the first field from chain number k on that is below the ceiling.
void grow(Rikishi& r, int k)
{
    for (std::size_t i = static_cast<std::size_t>(k - 1); i < kAbilityChain.size(); ++i) {
        std::int32_t& field = r.*kAbilityChain[i];
        if (field < kGrowthCeiling) {
            field = wrap::add(field, 1);
            return;
        }
    }
}

} // namespace

std::string fulfilPotential(Roster& roster, Rng& rng)
{
    std::string list;
    for (Rikishi& r : roster) {
        if (r.isPlayer != 0)
            continue;
        const int drift = rng.draw(4681) - 3;
        r.weight = wrap::add(r.weight, drift);
        // Young wrestlers pass more often; from 100/3 years on nobody does.
        const int chance = rng.draw(327);
        if (3.0 * static_cast<double>(r.age) >= chance)
            continue;
        if (r.potential < 1)
            continue;
        const int k = rng.draw(2520) + 1;
        grow(r, k);
        list += shikonaOf(r) + "    ";
        r.potential = wrap::sub(r.potential, 1);
    }
    return list;
}
