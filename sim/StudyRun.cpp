// The study in rounds, on a thread of its own.
#include "sim/StudyRun.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <utility>

std::vector<int> roundSizes(int careers)
{
    std::vector<int> sizes;
    for (int n = 10; n < careers; n *= 2)
        sizes.push_back(n);
    sizes.push_back(careers);
    return sizes;
}

std::vector<BuildSummary> playStudyInRounds(const StudySettings& settings, const RoundDone& onRound,
                                            const StudyProgress& progress)
{
    const std::size_t builds = settings.builds.size();
    std::vector<std::vector<CareerResult>> played(builds);
    std::vector<BuildSummary> rows;
    long before = 0;
    int careersEach = 0;
    for (const int upTo : roundSizes(settings.careers)) {
        std::vector<CareerNumber> which;
        for (std::size_t b = 0; b < builds; ++b)
            for (int k = careersEach + 1; k <= upTo; ++k)
                which.push_back(careerNumber(settings, static_cast<int>(b) + 1, k));
        StudyProgress counted;
        if (progress)
            counted = [&](int, long done) { return progress(0, before + done); };
        const std::vector<CareerResult> results = playCareers(settings, which, counted);
        const auto perBuild = static_cast<std::size_t>(upTo - careersEach);
        rows.clear();
        for (std::size_t b = 0; b < builds; ++b) {
            const auto first = results.begin() + static_cast<std::ptrdiff_t>(b * perBuild);
            played[b].insert(played[b].end(), first, first + static_cast<std::ptrdiff_t>(perBuild));
            rows.push_back(summarise(static_cast<int>(b) + 1, played[b], settings.basho));
        }
        before += static_cast<long>(which.size());
        careersEach = upTo;
        if (onRound)
            onRound(rows, careersEach);
    }
    return rows;
}

StudyRun::StudyRun(StudySettings settings, std::function<void()> notify) : m_notify(std::move(notify))
{
    m_report.careersTotal = static_cast<long>(settings.builds.size()) * settings.careers;
    m_thread = std::thread([this, s = std::move(settings)] { play(s); });
}

StudyRun::~StudyRun()
{
    finish();
}

void StudyRun::finish()
{
    stop();
    if (m_thread.joinable())
        m_thread.join();
}

StudyReport StudyRun::report() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_report;
}

template <typename Change>
void StudyRun::update(Change change)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        change(m_report);
    }
    if (m_notify)
        m_notify();
}

void StudyRun::play(const StudySettings& settings)
{
    const auto start = std::chrono::steady_clock::now();
    const auto seconds = [start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const RoundDone onRound = [&](const std::vector<BuildSummary>& rows, int careersEach) {
        update([&](StudyReport& r) {
            r.rows = rows;
            r.careersEach = careersEach;
        });
    };
    const StudyProgress progress = [&](int, long done) {
        update([&](StudyReport& r) {
            r.careersDone = done;
            r.seconds = seconds();
        });
        return !m_stopWanted.load();
    };
    StudyReport::State state = StudyReport::State::Finished;
    std::string failure;
    try {
        playStudyInRounds(settings, onRound, progress);
    } catch (const StudyStopped&) {
        state = StudyReport::State::Stopped;
    } catch (const std::exception& e) {
        state = StudyReport::State::Failed;
        failure = e.what();
    } catch (...) {
        // Whatever it was, it must not end the game with the study.
        state = StudyReport::State::Failed;
        failure = "an unknown error";
    }
    update([&](StudyReport& r) {
        r.state = state;
        r.failure = failure;
        r.seconds = seconds();
    });
}
