// How fast the study plays careers: in memory on one thread and on every
// core, and the same career played as `play` plays it, with its saves.
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "sim/Autopilot.h"
#include "sim/CareerPlay.h"
#include "sim/CareerStore.h"
#include "sim/Study.h"
#include "sim/StudyRun.h"
#include "sim/Transcript.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

constexpr int kBasho = 30;
constexpr int kCareers = 16;

// A strong pusher and an all-rounder, with an autopilot that mixes its moves,
// so that careers rise, win yusho and meet playoffs as players' careers do.
StudySettings settings(unsigned threads)
{
    StudySettings s;
    Build pusher;
    pusher.values.height = 190;
    pusher.values.weight = 120;
    pusher.values.abilities = {6, 6, 2, 1, 1, 1, 6, 1, 3, 1, 1, 1};
    Build allRounder;
    allRounder.values.height = 200;
    allRounder.values.weight = 110;
    allRounder.values.abilities = {3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 1, 1};
    s.builds = {pusher, allRounder};
    s.careers = kCareers / 2;
    s.basho = kBasho;
    s.tachiai = {3};
    s.moves = {1, 3, 5};
    s.master = 11;
    s.threads = threads;
    return s;
}

// Careers of 30 basho per second, in memory, on state.range(0) threads.
void studyCareers(benchmark::State& state)
{
    const StudySettings s = settings(static_cast<unsigned>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(playStudy(s));
    state.SetItemsProcessed(state.iterations() * kCareers);
}

// One career (the first of the pusher), in memory.
void oneCareerInMemory(benchmark::State& state)
{
    const StudySettings s = settings(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(playStudyCareer(s, 1, 1));
    state.SetItemsProcessed(state.iterations());
}

// The same career as `new` and `play --basho 30` make it: a save file in the
// working directory, every save of the game written and flushed.
void oneCareerPlayedWithSaves(benchmark::State& state)
{
    const StudySettings s = settings(1);
    const std::filesystem::path dir = std::filesystem::current_path() / "bench-play";
    std::filesystem::create_directories(dir);
    for (auto _ : state) {
        Game created;
        created.savePath = (dir / "rikishi.r").string();
        buildNewCareer(created, s.builds[0].values);
        SaveFileStore file;
        file.save(created);

        Game game;
        game.savePath = created.savePath;
        game.rng.seed(careerSeed(s.master, 1, 1));
        Autopilot pilot(s.tachiai, s.moves, s.train);
        Transcript none;
        loadPlayableCareer(game, file);
        playCareer(game, pilot, none, file, PlayLength{false, kBasho});
    }
    state.SetItemsProcessed(state.iterations());
    std::filesystem::remove_all(dir);
}

const long kCores = std::max(1u, std::thread::hardware_concurrency());

// A study of state.range(0) careers of each build on every core (the lab
// plays 40 in rounds of 10, 20 and 40; 200, its first study, in six rounds):
// played at once, as `study` plays it ...
void studyOfTheLabsSize(benchmark::State& state)
{
    StudySettings s = settings(static_cast<unsigned>(kCores));
    s.careers = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(playStudy(s));
    state.SetItemsProcessed(state.iterations() * 2 * s.careers);
}

// ... and as the lab plays it: in rounds, on a thread of its own, its
// reports read by a watcher every millisecond, as a window's would be.
void studyInTheLab(benchmark::State& state)
{
    StudySettings s = settings(static_cast<unsigned>(kCores));
    s.careers = static_cast<int>(state.range(0));
    std::atomic<long> notes{0};
    for (auto _ : state) {
        StudyRun run(s, [&notes] { ++notes; });
        while (run.report().state == StudyReport::State::Playing)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    state.SetItemsProcessed(state.iterations() * 2 * s.careers);
    state.counters["reports"] = benchmark::Counter(static_cast<double>(notes), benchmark::Counter::kAvgIterations);
}

} // namespace

// The CPU column is the whole process's: the same on one thread and on several
// when the careers share nothing, whatever else the machine is running.
BENCHMARK(studyCareers)
    ->Arg(1)
    ->Arg(kCores)
    ->ArgName("threads")
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(studyOfTheLabsSize)->Arg(40)->Arg(200)->ArgName("careers")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(studyInTheLab)->Arg(40)->Arg(200)->ArgName("careers")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(oneCareerInMemory)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(oneCareerPlayedWithSaves)->UseRealTime()->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
