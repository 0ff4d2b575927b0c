// The computer bouts of a day: a quick draw, or a contest of power.
#include "rules/tournament/ComputerBout.h"

#include "rules/core/Rng.h"
#include "rules/core/Wrap.h"

namespace {

ResultLine record(Rikishi& winner, Rikishi& loser, const char* verb, bool captions)
{
    winner.gmw = wrap::add(winner.gmw, 1);
    winner.cbw = wrap::add(winner.cbw, 1);
    loser.gml = wrap::add(loser.gml, 1);
    loser.cbl = wrap::add(loser.cbl, 1);
    if (!captions)
        return {};
    return {shikonaOf(winner), verb, shikonaOf(loser)};
}

} // namespace

ResultLine decideComputerBout(Rikishi& a, Rikishi& b, Rng& rng, bool captions)
{
    const int r = rng.draw(327);
    if (r >= 95)
        return record(a, b, "defeats", captions);
    if (r < 10)
        return record(b, a, "henkas", captions);

    // Separate statements: A's draw must come before B's.
    const std::int32_t aSum = wrap::add(rng.draw(3276), a.power);
    const std::int32_t bSum = wrap::add(rng.draw(3276), b.power);
    if (aSum < bSum)
        return record(b, a, "upsets", captions);
    return record(a, b, "defeats", captions);
}
