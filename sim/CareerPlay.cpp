// The day loop of kirimaki-sim play, with the store it saves to handed in.
#include "sim/CareerPlay.h"

#include "rules/core/Game.h"
#include "rules/tournament/CareerCheck.h"
#include "rules/tournament/DayFlow.h"
#include "rules/core/CurrentDay.h"
#include "rules/tournament/DayResults.h"
#include "rules/tournament/Leaderboard.h"
#include "sim/Args.h"
#include "sim/BashoEndAutopilot.h"
#include "sim/BoutAutopilot.h"
#include "sim/CareerStore.h"
#include "sim/Transcript.h"

#include <stdexcept>

namespace {

// The headless side of the day flow: the store (a failure throws FileError),
// the leaderboard as transcript lines, and the autopilot's bout and end of
// basho.
class HeadlessDay : public DayHost {
public:
    HeadlessDay(CareerStore& store, Transcript& transcript, PlayerBout& bout, BashoEndScreens& bashoEnd)
        : m_store(store), m_transcript(transcript), m_bout(bout), m_bashoEnd(bashoEnd)
    {
    }

    bool load(Game& game) override
    {
        m_store.load(game);
        return true;
    }
    bool save(const Game& game) override
    {
        m_store.save(game);
        return true;
    }
    void leaderboard(Game& game) override
    {
        // Nobody reads these captions when no transcript is written.
        if (!m_transcript.enabled())
            return;
        const LeaderboardTexts texts = leaderboardTexts(game.roster, game.curDay);
        writeLeaderboard(m_transcript, texts.title, texts.leaders, texts.chasers);
    }
    PlayerBout& playerBout() override { return m_bout; }
    BashoEndScreens& bashoEndScreens() override { return m_bashoEnd; }

private:
    CareerStore& m_store;
    Transcript& m_transcript;
    PlayerBout& m_bout;
    BashoEndScreens& m_bashoEnd;
};

void writeDay(Transcript& transcript, const DaySheet& sheet)
{
    if (!transcript.enabled())
        return;
    transcript.line({"day", num(sheet.day)});
    for (int k = 0; k < kLinesPerDay; ++k) {
        const ResultLine& line = sheet.lines[static_cast<std::size_t>(k)];
        writeResultLine(transcript, k, line.first, line.middle, line.second);
    }
}

} // namespace

void loadPlayableCareer(Game& game, CareerStore& store)
{
    store.load(game);
    const CareerState state = careerState(game.roster);
    if (state != CareerState::Playable && state != CareerState::BashoUnfinished)
        throw FileError(game.savePath + ": " + careerProblem(game.roster) + " Nothing was played.");
}

void playCareer(Game& game, Autopilot& pilot, Transcript& transcript, CareerStore& store, PlayLength length,
                const BashoEndObserver& bashoEnded)
{
    AutopilotBout bout(pilot, transcript, &store);
    AutopilotBashoEnd bashoEnd(pilot, transcript, bout, store);
    HeadlessDay host(store, transcript, bout, bashoEnd);
    // A basho whose end was cut short (a failed save, the program ended) is
    // finished first, as the day results screen's Finish Basho does: the
    // body ratings, then the revision, which starts the next basho.
    if (careerState(game.roster) == CareerState::BashoUnfinished &&
        finishInterruptedBasho(game, host) != BoutOutcome::BashoEnded)
        throw std::runtime_error(game.savePath + ": the basho could not be finished");
    // As the day results screen is created: its first day step produces the
    // day in the file.
    beginDays(game);

    std::int64_t days = 0;
    std::int64_t basho = 0;
    while ((length.countDays ? days : basho) < length.count) {
        const DayStep step = dayStep(game, host);
        // Only a file changed behind our back can end here.
        if (step.outcome != StepOutcome::Produced || step.sheet.kind != DaySheetKind::Bouts)
            throw std::runtime_error(game.savePath + ": no day to play: " + careerProblem(game.roster));
        writeDay(transcript, step.sheet);
        const BoutOutcome outcome = fightDay(game, host);
        if (outcome == BoutOutcome::BashoEnded) {
            ++basho;
            if (bashoEnded)
                bashoEnded(game);
        } else if (outcome != BoutOutcome::DayDone) {
            throw std::runtime_error(game.savePath + ": the day's bout could not be recorded");
        }
        ++days;
    }
}
