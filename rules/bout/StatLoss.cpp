// The stat loss after a defeat and in old age.
#include "rules/bout/StatLoss.h"

#include "rules/core/AbilityChain.h"
#include "rules/core/Rng.h"
#include "rules/core/Wrap.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int32_t kWeightFloor = 70;

} // namespace

void LoseStatPoints(Rikishi& r, std::int32_t& pointPool, Rng& rng)
{
    pointPool = std::min(pointPool, kStatLossDrawLimit);
    while (pointPool > 0) {
        const int k = rng.draw(2340) + 1;
        if (k <= 12) {
            std::int32_t& field = r.*kAbilityChain[static_cast<std::size_t>(k - 1)];
            // Only an ability at exactly 1 is spared: a damaged 0 or less is
            // lowered like any other value (wrapping at 32 bits). That cannot
            // keep the loop going, since the pool was capped above.
            if (field == 1)
                continue;
            field = wrap::sub(field, 1);
        } else if (k == 13) {
            if (r.intangibles <= 1)
                continue;
            r.intangibles = wrap::sub(r.intangibles, 1);
        } else if (k == 14) {
            if (r.weight >= kWeightFloor)
                r.weight = wrap::sub(r.weight, 1);
        } else {
            continue;
        }
        pointPool = wrap::sub(pointPool, 1);
    }
}
