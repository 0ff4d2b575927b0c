// What the history costs a day: `play` with its history against `play
// --no-history`, and the history's own time against the save's, per day.
#include "history/HistoryRecorder.h"
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "sim/Autopilot.h"
#include "sim/CareerPlay.h"
#include "sim/CareerStore.h"
#include "sim/Transcript.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

constexpr int kDays = 30; // two basho, with their ends
using Clock = std::chrono::steady_clock;

// Forwards to the history and times it, and times the save between its
// saving() and saved().
class TimedWitness : public CareerWitness {
public:
    explicit TimedWitness(CareerWitness* history) : m_history(history) {}
    void loaded(const Roster& r) override
    {
        timed([&] { m_history->loaded(r); });
    }
    void saving(const Roster& r) override
    {
        timed([&] { m_history->saving(r); });
        m_saveStart = Clock::now();
    }
    void saved(const Roster& r, bool written) override
    {
        m_save += Clock::now() - m_saveStart;
        timed([&] { m_history->saved(r, written); });
    }
    void playerMove(PlayerMove move, int code) override
    {
        timed([&] { m_history->playerMove(move, code); });
    }
    void playoffBout(int a, int b, bool aWon) override
    {
        timed([&] { m_history->playoffBout(a, b, aWon); });
    }

    double historySeconds() const { return std::chrono::duration<double>(m_inHistory).count(); }
    double saveSeconds() const { return std::chrono::duration<double>(m_save).count(); }

private:
    template <typename Call>
    void timed(Call call)
    {
        if (!m_history)
            return;
        const auto start = Clock::now();
        call();
        m_inHistory += Clock::now() - start;
    }

    CareerWitness* m_history;
    Clock::duration m_inHistory{};
    Clock::duration m_save{};
    Clock::time_point m_saveStart;
};

// A new career played 30 days as `play` plays it, in the working directory
// (a real disk), with its history when state.range(0) is 1.
void playDaysWithHistory(benchmark::State& state)
{
    const bool withHistory = state.range(0) == 1;
    const std::filesystem::path dir = std::filesystem::current_path() / "bench-history";
    double inHistory = 0;
    double inSave = 0;
    for (auto _ : state) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        Game game;
        game.savePath = (dir / "rikishi.r").string();
        CreationValues values;
        values.height = 190;
        values.weight = 120;
        values.abilities = {6, 6, 2, 1, 1, 1, 6, 1, 3, 1, 1, 1};
        buildNewCareer(game, values);
        SaveFileStore file;
        file.save(game);
        game.rng.seed(7);

        std::unique_ptr<HistoryRecorder> history;
        if (withHistory)
            history = std::make_unique<HistoryRecorder>(game.savePath, nullptr);
        TimedWitness timing(history.get());
        game.witness = &timing;
        Autopilot pilot({3}, {1, 3, 5}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        Transcript none;
        loadPlayableCareer(game, file);
        playCareer(game, pilot, none, file, PlayLength{true, kDays});
        inHistory += timing.historySeconds();
        inSave += timing.saveSeconds();
    }
    const double days = static_cast<double>(state.iterations()) * kDays;
    state.SetItemsProcessed(static_cast<std::int64_t>(days));
    state.counters["save_ms_per_day"] = 1000 * inSave / days;
    if (withHistory)
        state.counters["history_ms_per_day"] = 1000 * inHistory / days;
    std::filesystem::remove_all(dir);
}

} // namespace

BENCHMARK(playDaysWithHistory)->Arg(0)->Arg(1)->ArgName("history")->UseRealTime()->Unit(benchmark::kMillisecond);
