// The race of the builds, round by round.
#include "sim/StudyRace.h"

#include <algorithm>
#include <cmath>

ShareBounds wilsonBounds(int hits, int n)
{
    if (n <= 0)
        return {};
    const double p = static_cast<double>(hits) / n;
    const double z2 = kRaceZ * kRaceZ;
    const double centre = (p + z2 / (2.0 * n)) / (1 + z2 / n);
    const double half = kRaceZ * std::sqrt(p * (1 - p) / n + z2 / (4.0 * n * n)) / (1 + z2 / n);
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

namespace {

struct Runner {
    int build = 0; // counted from 1
    std::vector<CareerResult> careers; // its first careers, in order
    int droppedAfter = 0; // the round that dropped it; 0: never dropped
};

// The careers whose best rank reached `rank`.
int hits(const Runner& r, int rank)
{
    return static_cast<int>(std::count_if(r.careers.begin(), r.careers.end(),
                                          [rank](const CareerResult& c) { return c.bestRank >= rank; }));
}

ShareBounds boundsOf(const Runner& r, int rank)
{
    return wilsonBounds(hits(r, rank), static_cast<int>(r.careers.size()));
}

// Yokozuna, or the highest rank below it that a surviving build has reached
// (a study where nobody becomes Yokozuna is decided by the Ozeki share, and
// so on); Maegashira when nobody has risen at all.
int decidingRank(const std::vector<Runner*>& alive)
{
    for (int rank = kYokozuna; rank >= kKomusubi; --rank)
        for (const Runner* r : alive)
            if (hits(*r, rank) > 0)
                return rank;
    return kMaegashira;
}

// Plays careers from+1..to of every surviving runner.
void playRound(const StudySettings& settings, std::vector<Runner*>& alive, int from, int to,
               const StudyProgress& progress)
{
    std::vector<CareerNumber> which;
    for (const Runner* r : alive)
        for (int k = from + 1; k <= to; ++k)
            which.push_back(careerNumber(settings, r->build, k));
    const std::vector<CareerResult> results = playCareers(settings, which, progress);
    std::size_t j = 0;
    for (Runner* r : alive)
        for (int k = from + 1; k <= to; ++k)
            r->careers.push_back(results[j++]);
}

// Drops, after round `round`, the runners confidently below the best.
void dropTheBeaten(std::vector<Runner*>& alive, int round, int basho)
{
    // While nobody has risen, no share tells the builds apart: only the
    // halving below drops.
    const int rank = decidingRank(alive);
    double bestLower = 0;
    for (const Runner* r : alive)
        bestLower = std::max(bestLower, boundsOf(*r, rank).lower);
    std::vector<Runner*> kept;
    for (Runner* r : alive) {
        if (rank != kMaegashira && boundsOf(*r, rank).upper < bestLower)
            r->droppedAfter = round;
        else
            kept.push_back(r);
    }
    // Then at most half of the builds that began the round go on, the best
    // by their careers so far, as the table would order them.
    const std::size_t half = (alive.size() + 1) / 2;
    if (kept.size() > half) {
        std::stable_sort(kept.begin(), kept.end(), [basho](const Runner* a, const Runner* b) {
            return bestFirst(summarise(a->build, a->careers, basho), summarise(b->build, b->careers, basho));
        });
        for (std::size_t i = half; i < kept.size(); ++i)
            kept[i]->droppedAfter = round;
        kept.resize(half);
    }
    alive = kept;
}

// The survivors best first, then the later dropped before the earlier.
std::vector<BuildSummary> raceRows(const std::vector<Runner>& runners, int rounds, int basho)
{
    std::vector<BuildSummary> rows;
    for (int round = rounds; round >= 1; --round) {
        std::vector<BuildSummary> group;
        for (const Runner& r : runners)
            if ((r.droppedAfter == 0 ? rounds : r.droppedAfter) == round)
                group.push_back(summarise(r.build, r.careers, basho));
        sortBestFirst(group);
        rows.insert(rows.end(), group.begin(), group.end());
    }
    return rows;
}

} // namespace

std::vector<BuildSummary> playRace(const StudySettings& settings, const StudyProgress& progress)
{
    std::vector<Runner> runners(settings.builds.size());
    std::vector<Runner*> alive;
    for (std::size_t b = 0; b < runners.size(); ++b) {
        runners[b].build = static_cast<int>(b) + 1;
        alive.push_back(&runners[b]);
    }
    long playedBefore = 0;
    int round = 0;
    for (int played = 0; played < settings.careers;) {
        const int next = round == 0 ? (settings.careers + 7) / 8 : std::min(settings.careers, 2 * played);
        ++round;
        const int dropped = static_cast<int>(runners.size() - alive.size());
        const bool last = next == settings.careers;
        StudyProgress counted;
        if (progress)
            counted = [&progress, playedBefore, dropped, last](int builds, long careers) {
                return progress(dropped + (last ? builds : 0), playedBefore + careers);
            };
        playRound(settings, alive, played, next, counted);
        playedBefore += static_cast<long>(alive.size()) * (next - played);
        played = next;
        if (!last)
            dropTheBeaten(alive, round, settings.basho);
    }
    return raceRows(runners, round, settings.basho);
}
