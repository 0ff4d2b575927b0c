// Careers in memory, many at once: the study behind `kirimaki-sim study`.
#include "sim/Study.h"

#include "rules/career/CreationPools.h"
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "sim/Autopilot.h"
#include "sim/CareerPlay.h"
#include "sim/CareerStore.h"
#include "sim/Transcript.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace {

std::uint64_t mix(std::uint64_t z)
{
    z += 0x9e3779b97f4a7c15ull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

const Rikishi& playerOf(const Roster& roster)
{
    for (const Rikishi& r : roster)
        if (r.isPlayer == 1)
            return r;
    return roster[0]; // a playable career always has its one player's wrestler
}

} // namespace

std::string buildRefusal(const CreationValues& values)
{
    // The study's own bar memory, starting as a new program's does: the
    // program's memory belongs to its creation screen and to one thread.
    BodyScrollMemory memory;
    CreationPools pools(memory);
    pools.setUp(values);
    if (pools.chosenHeight() != values.height || pools.chosenWeight() != values.weight)
        return "height " + std::to_string(values.height) + " and weight " + std::to_string(values.weight) +
               " add up to more than the creation screen's " + std::to_string(kBodyTotal);
    int spent = 0;
    bool abilitiesOk = true;
    for (std::size_t i = 0; i < kAbilityCount; ++i) {
        spent += values.abilities[i] - kMinAbility;
        abilitiesOk = abilitiesOk && pools.ability(i) == values.abilities[i];
    }
    if (!abilitiesOk)
        return "the abilities take " + std::to_string(spent) + " points; the creation screen offers " +
               std::to_string(kStartingStatPoints);
    return std::string();
}

std::uint64_t SearchRng::next()
{
    m_state += 0x9e3779b97f4a7c15ull;
    return mix(m_state);
}

Build randomBuild(SearchRng& rng)
{
    Build build;
    CreationValues& v = build.values;
    v.height = kMinHeight + rng.below(kMaxHeight - kMinHeight + 1);
    const std::int32_t heaviest = std::min(kMaxWeight, kBodyTotal - v.height);
    v.weight = kMinWeight + rng.below(heaviest - kMinWeight + 1);
    for (int point = 0; point < kStartingStatPoints; ++point) {
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < kAbilityCount; ++i)
            if (v.abilities[i] < kMaxAbility)
                open.push_back(i);
        if (open.empty())
            break;
        ++v.abilities[open[static_cast<std::size_t>(rng.below(static_cast<int>(open.size())))]];
    }
    return buildOf(v);
}

Build buildOf(const CreationValues& values)
{
    Build build;
    build.values = values;
    std::string stats;
    for (std::int32_t a : values.abilities)
        stats += (stats.empty() ? "" : ",") + std::to_string(a);
    build.options = {"--height", std::to_string(values.height), "--weight", std::to_string(values.weight), "--stats",
                     stats};
    return build;
}

std::uint32_t careerSeed(std::uint32_t master, std::uint32_t build, std::uint32_t career)
{
    std::uint64_t h = mix(master);
    h = mix(h ^ build);
    h = mix(h ^ career);
    return static_cast<std::uint32_t>(h >> 32);
}

CareerResult playStudyCareer(const StudySettings& settings, int build, int career)
{
    // `new`: a fresh game's roster, made from the build and kept as its file would be.
    Game created;
    buildNewCareer(created, settings.builds[static_cast<std::size_t>(build - 1)].values);
    MemoryStore store(created.roster);

    // `play --basho B --seed S`: a fresh game again, seeded once, the file loaded.
    Game game;
    game.savePath = "(study)";
    game.captionsWanted = false; // nobody reads a study's captions
    game.rng.seed(careerSeed(settings.master, static_cast<std::uint32_t>(build), static_cast<std::uint32_t>(career)));
    Autopilot pilot(settings.tachiai, settings.moves, settings.train);
    Transcript none;
    loadPlayableCareer(game, store);

    std::vector<std::uint8_t> rankAfter;
    rankAfter.reserve(static_cast<std::size_t>(settings.basho));
    int kachiKoshi = 0;
    playCareer(game, pilot, none, store, PlayLength{false, settings.basho}, [&](const Game& g) {
        const Rikishi& player = playerOf(g.roster);
        rankAfter.push_back(static_cast<std::uint8_t>(player.rank));
        if (player.lbw >= 8)
            ++kachiKoshi;
    });
    const Rikishi& player = playerOf(game.roster);
    CareerResult result = careerOutcome(std::move(rankAfter), player.yusho, kachiKoshi);
    result.finalRecord = player;
    return result;
}

CareerResult careerOutcome(std::vector<std::uint8_t> rankAfter, int yusho, int kachiKoshi)
{
    CareerResult result;
    result.rankAfter = std::move(rankAfter);
    for (std::size_t j = 0; j < result.rankAfter.size(); ++j) {
        const std::uint8_t rank = result.rankAfter[j];
        result.bestRank = std::max(result.bestRank, rank);
        if (rank >= kOzeki && result.firstOzeki == 0)
            result.firstOzeki = static_cast<int>(j) + 1;
    }
    result.yusho = yusho;
    result.kachiKoshi = kachiKoshi;
    return result;
}

BuildSummary summarise(int build, const std::vector<CareerResult>& careers, int basho)
{
    BuildSummary s;
    s.build = build;
    s.careers = static_cast<int>(careers.size());
    s.atOrAbove.assign(5, std::vector<double>(static_cast<std::size_t>(basho) + 1, 0.0));
    std::vector<int> toOzeki;
    long yusho = 0;
    long kachiKoshi = 0;
    for (const CareerResult& c : careers) {
        for (int rank = kKomusubi; rank <= kYokozuna; ++rank) {
            if (c.bestRank >= rank)
                s.reached[rank] += 1;
            for (std::size_t j = 0; j < c.rankAfter.size(); ++j)
                if (c.rankAfter[j] >= rank)
                    s.atOrAbove[static_cast<std::size_t>(rank)][j + 1] += 1;
        }
        if (c.firstOzeki > 0)
            toOzeki.push_back(c.firstOzeki);
        yusho += c.yusho;
        kachiKoshi += c.kachiKoshi;
    }
    const double n = careers.empty() ? 1.0 : static_cast<double>(careers.size());
    for (int rank = 0; rank < 5; ++rank) {
        s.reached[rank] /= n;
        for (double& share : s.atOrAbove[static_cast<std::size_t>(rank)])
            share /= n;
    }
    s.reached[kMaegashira] = 1.0;
    for (double& share : s.atOrAbove[kMaegashira])
        share = 1.0;
    if (!toOzeki.empty()) {
        std::sort(toOzeki.begin(), toOzeki.end());
        const std::size_t m = toOzeki.size();
        s.medianBashoToOzeki = m % 2 ? toOzeki[m / 2] : (toOzeki[m / 2 - 1] + toOzeki[m / 2]) / 2.0;
    }
    s.meanYusho = static_cast<double>(yusho) / n;
    s.kachiKoshiRate = static_cast<double>(kachiKoshi) / (n * std::max(basho, 1));
    return s;
}

namespace {

// The state the workers of playCareers share.
struct CareerQueue {
    explicit CareerQueue(std::size_t total, std::size_t builds) : total(total), doneOfBuild(builds), wanted(builds) {}
    const std::size_t total;
    std::atomic<std::size_t> next{0};
    std::atomic<long> done{0};
    std::atomic<int> buildsDone{0};
    std::vector<std::atomic<int>> doneOfBuild;
    std::vector<int> wanted; // careers of each build in the list
    std::exception_ptr failure;
    std::mutex mutex; // guards failure and workersLeft
    std::condition_variable lastWorkerLeft;
    unsigned workersLeft = 0;

    void fail(std::exception_ptr e)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!failure)
            failure = e;
        next = total;
    }

    void leave()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (--workersLeft == 0)
            lastWorkerLeft.notify_all();
    }
};

// The calling thread only reports, a few times a second, while the others
// play; a report that asks to stop lets no worker take another career. It
// wakes as the last worker leaves, not at its next report: a study played
// in rounds would otherwise wait for nothing at the end of every round.
bool reportWhilePlaying(CareerQueue& queue, const StudyProgress& progress)
{
    bool goOn = true;
    while (progress && goOn) {
        goOn = progress(queue.buildsDone.load(), queue.done.load());
        std::unique_lock<std::mutex> lock(queue.mutex);
        // Often enough that a window's Cancel is felt at once.
        if (goOn && queue.lastWorkerLeft.wait_for(lock, std::chrono::milliseconds(100), [&queue] { return queue.workersLeft == 0; }))
            break;
    }
    if (!goOn)
        queue.next = queue.total;
    return goOn;
}

} // namespace

std::vector<CareerResult> playCareers(const StudySettings& settings, const std::vector<CareerNumber>& which,
                                      const StudyProgress& progress)
{
    const auto careersPerBuild = static_cast<CareerNumber>(settings.careers);
    CareerQueue queue(which.size(), settings.builds.size());
    for (CareerNumber i : which)
        ++queue.wanted[static_cast<std::size_t>(i / careersPerBuild)];
    std::vector<CareerResult> results(which.size());

    // Each worker takes the next career of the list and puts its result in
    // the same place, so the order of the threads does not matter.
    const auto work = [&]() {
        for (std::size_t j = queue.next++; j < queue.total; j = queue.next++) {
            try {
                const auto b = static_cast<std::size_t>(which[j] / careersPerBuild);
                const int k = static_cast<int>(which[j] % careersPerBuild);
                results[j] = playStudyCareer(settings, static_cast<int>(b) + 1, k + 1);
                ++queue.done;
                if (++queue.doneOfBuild[b] == queue.wanted[b])
                    ++queue.buildsDone;
            } catch (...) {
                queue.fail(std::current_exception());
            }
        }
        queue.leave();
    };
    const unsigned threads = std::max(
        1u, static_cast<unsigned>(std::min<std::size_t>(settings.threads, std::max<std::size_t>(which.size(), 1))));
    queue.workersLeft = threads;
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back(work);
    const bool goOn = reportWhilePlaying(queue, progress);
    for (std::thread& w : workers)
        w.join();
    if (queue.failure)
        std::rethrow_exception(queue.failure);
    if (!goOn)
        throw StudyStopped();
    if (progress)
        progress(queue.buildsDone.load(), queue.done.load());
    return results;
}

std::vector<BuildSummary> playStudy(const StudySettings& settings, const StudyProgress& progress)
{
    std::vector<CareerNumber> all(settings.builds.size() * static_cast<std::size_t>(settings.careers));
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<CareerNumber>(i);
    const std::vector<CareerResult> results = playCareers(settings, all, progress);
    std::vector<BuildSummary> rows;
    const auto perBuild = static_cast<std::ptrdiff_t>(settings.careers);
    for (std::size_t b = 0; b < settings.builds.size(); ++b) {
        const auto first = results.begin() + static_cast<std::ptrdiff_t>(b) * perBuild;
        rows.push_back(summarise(static_cast<int>(b) + 1, std::vector<CareerResult>(first, first + perBuild),
                                 settings.basho));
    }
    return rows;
}

bool bestFirst(const BuildSummary& a, const BuildSummary& b)
{
    for (int rank = kYokozuna; rank >= kKomusubi; --rank)
        if (a.reached[rank] != b.reached[rank])
            return a.reached[rank] > b.reached[rank];
    return a.meanYusho > b.meanYusho;
}

void sortBestFirst(std::vector<BuildSummary>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), bestFirst);
}
