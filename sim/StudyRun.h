// A study played on a thread of its own, in rounds, for a window that shows
// its rows as they grow and may stop it at any moment.
#pragma once

#include "sim/Study.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The careers of each build played after each round: 10, then doubling,
// the last round reaching `careers`.
std::vector<int> roundSizes(int careers);

// Plays every build's careers in rounds of roundSizes; after each round,
// onRound has the rows of the careers played so far (careersEach of each
// build). Each career is the one the study plays, with the same seed, so the
// rows after the last round are playStudy's. progress is as playCareers',
// its careers counting every round so far.
using RoundDone = std::function<void(const std::vector<BuildSummary>& rows, int careersEach)>;
std::vector<BuildSummary> playStudyInRounds(const StudySettings& settings, const RoundDone& onRound,
                                            const StudyProgress& progress = {});

// What a watcher of a run sees.
struct StudyReport {
    enum class State { Playing,
                       Finished,
                       Stopped,
                       Failed };
    State state = State::Playing;
    std::vector<BuildSummary> rows; // after the last round played; empty before the first
    int careersEach = 0; // the careers of each build the rows sum up
    long careersDone = 0; // careers played, counting those of a round under way
    long careersTotal = 0;
    double seconds = 0; // since the run began
    std::string failure; // what went wrong, when Failed
};

class StudyRun {
public:
    // Starts the study at once. notify is called from the study's thread
    // each time the report has changed, a few times a second; it must not
    // block (a window posts itself an event and reads the report then).
    StudyRun(StudySettings settings, std::function<void()> notify);
    // Stops the study and waits for the careers under way.
    ~StudyRun();
    StudyRun(const StudyRun&) = delete;
    StudyRun& operator=(const StudyRun&) = delete;

    // Asks the study to stop and returns at once: no career is begun after
    // the next report, and the rows of the rounds played stay.
    void stop() { m_stopWanted = true; }
    // Stops the study and waits for the careers under way: the report is
    // then the last one.
    void finish();
    StudyReport report() const;

private:
    void play(const StudySettings& settings);
    template <typename Change>
    void update(Change change);

    std::function<void()> m_notify;
    std::atomic<bool> m_stopWanted{false};
    mutable std::mutex m_mutex;
    StudyReport m_report;
    std::thread m_thread; // the last member: it starts when all the others are made
};
