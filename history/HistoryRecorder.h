// The history kept beside the save file, step by step, by the program that
// holds the career: each front-end gives one to its Game as the witness.
#pragma once

#include "history/HistoryWriter.h"
#include "rules/core/CareerWitness.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class Database;

class HistoryRecorder : public CareerWitness {
public:
    // How the player is told about the history: at most once per run.
    using Notify = std::function<void(const std::string& message)>;

    // Opens (or begins) the history of the save file at `savePath`. Only the
    // program that holds the career's lock makes one. Never throws: a history
    // that cannot be opened is reported through `notify` and not written.
    HistoryRecorder(const std::string& savePath, Notify notify);
    ~HistoryRecorder() override;

    // Every failure of the history is caught inside: the career goes on
    // without it, the player told once.
    void loaded(const Roster& roster) override;
    void saving(const Roster& roster) override;
    void saved(const Roster& roster, bool written) override;
    void playoffBout(int first, int second, bool firstWon) override;
    void playerMove(PlayerMove move, int code) override;

    // False once the history is not written (it could not be opened, or a
    // write failed).
    bool writing() const { return m_db != nullptr; }

private:
    template <typename Work>
    void guarded(Work work);
    void followFile(const Roster& roster);
    void recordStep(const Roster& roster);
    void tell(const std::string& message);

    std::unique_ptr<Database> m_db;
    Notify m_notify;
    bool m_told = false;
    std::string m_path;
    std::optional<Roster> m_file; // what the file and the history's last step hold
    HistoryPosition m_at;
    std::optional<HistoryPosition> m_before; // the position before an unconfirmed step
    std::vector<BoutRow> m_playoff; // playoff bouts since the last save
    std::vector<BoutRow> m_playoffSent; // those the unconfirmed step holds
    PlayerChoices m_choices; // of the player's bout being fought
    std::deque<PlayerChoices> m_boutsDone; // of his bouts fought, not in the file yet
    std::optional<PlayerChoices> m_choicesSent; // those the unconfirmed step holds
};
