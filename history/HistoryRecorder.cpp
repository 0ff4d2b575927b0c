// Keeping the history in step with the save file.
#include "history/HistoryRecorder.h"

#include "history/HistoryFile.h"
#include "history/Sqlite.h"

#include <cstring>
#include <utility>

namespace {

constexpr int kPlayoffDay = 16;

bool sameRoster(const Roster& a, const Roster& b)
{
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

} // namespace

HistoryRecorder::HistoryRecorder(const std::string& savePath, Notify notify)
    : m_notify(std::move(notify)), m_path(historyPathFor(savePath))
{
    OpenedHistory opened = openHistoryForWriting(m_path);
    m_db = std::move(opened.db);
    if (!opened.notice.empty())
        tell(opened.notice);
}

HistoryRecorder::~HistoryRecorder() = default;

void HistoryRecorder::tell(const std::string& message)
{
    if (m_told || !m_notify)
        return;
    m_told = true;
    m_notify(message);
}

template <typename Work>
void HistoryRecorder::guarded(Work work)
{
    if (!m_db)
        return;
    try {
        work();
    } catch (const HistoryError& e) {
        m_db.reset();
        tell("The career's history " + m_path + " cannot be written (" + e.what() +
             "). The career goes on and its save file is complete; the history misses what is played now.");
    }
}

void HistoryRecorder::loaded(const Roster& roster)
{
    guarded([&] {
        if (!m_file || !sameRoster(*m_file, roster))
            followFile(roster);
    });
}

// The file is the truth: the history goes back to the step that wrote what
// the file holds, dropping any later one (its save failed, or the program
// died before it), or begins a career at the basho the file is in.
void HistoryRecorder::followFile(const Roster& roster)
{
    Transaction t(*m_db);
    HistoryPosition at;
    const bool known = returnToStep(*m_db, roster, at);
    // A file that holds no career (no player's wrestler, or several) starts none.
    if (!known && countPlayers(roster) == 1)
        beginCareer(*m_db, roster, at);
    t.commit();
    m_at = at;
    m_file.reset();
    if (at.career != 0)
        m_file = roster;
    m_playoff.clear();
    m_choices = PlayerChoices{};
    m_boutsDone.clear();
}

void HistoryRecorder::saving(const Roster& roster)
{
    m_before.reset();
    guarded([&] { recordStep(roster); });
}

void HistoryRecorder::recordStep(const Roster& roster)
{
    const StepKind kind = m_file ? stepKind(*m_file, roster) : StepKind::OtherCareer;
    if (kind == StepKind::Unchanged || (kind == StepKind::OtherCareer && countPlayers(roster) != 1))
        return;
    Transaction t(*m_db);
    HistoryPosition at = m_at;
    m_choicesSent.reset();
    if (kind == StepKind::WithinBasho) {
        std::vector<BoutRow> bouts = boutsBetween(*m_file, roster);
        for (BoutRow& b : bouts)
            if (b.player && !m_boutsDone.empty()) {
                b.choices = m_boutsDone.front();
                m_choicesSent = b.choices;
                m_boutsDone.pop_front();
            }
        bouts.insert(bouts.end(), m_playoff.begin(), m_playoff.end());
        recordWithinBasho(*m_db, roster, bouts, at);
    } else if (kind == StepKind::Revision) {
        recordRevision(*m_db, *m_file, roster, at);
    } else {
        beginCareer(*m_db, roster, at);
    }
    t.commit();
    m_before = m_at;
    m_at = at;
    m_playoffSent.swap(m_playoff);
    m_playoff.clear();
}

void HistoryRecorder::saved(const Roster& roster, bool written)
{
    guarded([&] {
        if (written) {
            m_file = roster;
            m_playoffSent.clear();
            m_choicesSent.reset();
        } else if (m_before) {
            // The file holds the step before: so does the history again.
            Transaction t(*m_db);
            if (m_before->career == m_at.career) {
                dropStepsAfter(*m_db, *m_before);
            } else {
                HistoryPosition gone = m_at;
                gone.step = 0;
                dropStepsAfter(*m_db, gone);
            }
            t.commit();
            m_at = *m_before;
            m_playoff.swap(m_playoffSent);
            if (m_choicesSent)
                m_boutsDone.push_front(*m_choicesSent);
        }
        m_before.reset();
    });
}

void HistoryRecorder::playoffBout(int first, int second, bool firstWon)
{
    BoutRow b;
    b.day = kPlayoffDay;
    b.seq = static_cast<int>(m_playoff.size());
    b.east = first;
    b.west = second;
    b.winner = firstWon ? first : second;
    b.player = m_file && ((*m_file)[static_cast<std::size_t>(first)].isPlayer == 1 ||
                          (*m_file)[static_cast<std::size_t>(second)].isPlayer == 1);
    if (b.player && !m_boutsDone.empty()) {
        b.choices = m_boutsDone.front();
        m_boutsDone.pop_front();
    }
    m_playoff.push_back(b);
}

void HistoryRecorder::playerMove(PlayerMove move, int code)
{
    auto append = [code](std::string& list) { list += (list.empty() ? "" : ",") + std::to_string(code); };
    if (move == PlayerMove::Tachiai)
        append(m_choices.tachiai);
    else if (move == PlayerMove::Exchange)
        append(m_choices.strategies);
    else if (move == PlayerMove::Monoii)
        ++m_choices.monoii;
    else if (move == PlayerMove::ToriNaoshi)
        ++m_choices.toriNaoshi;
    else
        m_boutsDone.push_back(std::exchange(m_choices, PlayerChoices{}));
}
