// kirimaki-sim play: the career played on day by day, as a player who keeps
// pressing the day results screen's buttons, with the autopilot in the bouts.
#include "rules/core/Game.h"
#include "sim/Args.h"
#include "sim/BashoEndAutopilot.h"
#include "sim/BoutAutopilot.h"
#include "sim/Commands.h"
#include "sim/Session.h"
#include "rules/tournament/CareerCheck.h"
#include "rules/tournament/DayFlow.h"
#include "rules/tournament/DayResults.h"
#include "rules/tournament/Leaderboard.h"

#include <climits>
#include <stdexcept>

namespace {

// The headless side of the day flow: the save file through the session's
// helpers (a failure throws FileError), the leaderboard as transcript lines,
// and the autopilot's bout and end of basho.
class HeadlessDay : public DayHost {
public:
    HeadlessDay(Transcript& transcript, PlayerBout& bout, BashoEndScreens& bashoEnd)
        : m_transcript(transcript), m_bout(bout), m_bashoEnd(bashoEnd)
    {
    }

    bool load(Game& game) override
    {
        loadOrFail(game);
        return true;
    }
    bool save(const Game& game) override
    {
        saveOrFail(game);
        return true;
    }
    void leaderboard(Game& game) override
    {
        const LeaderboardTexts texts = leaderboardTexts(game.roster, game.curDay);
        m_transcript.line({"leaderboard", texts.title});
        m_transcript.line({"leaders", texts.leaders});
        m_transcript.line({"chasers", texts.chasers});
    }
    PlayerBout& playerBout() override { return m_bout; }
    BashoEndScreens& bashoEndScreens() override { return m_bashoEnd; }

private:
    Transcript& m_transcript;
    PlayerBout& m_bout;
    BashoEndScreens& m_bashoEnd;
};

void writeDay(Transcript& transcript, const DaySheet& sheet)
{
    transcript.line({"day", num(sheet.day)});
    for (int k = 0; k < kLinesPerDay; ++k) {
        const ResultLine& line = sheet.lines[static_cast<std::size_t>(k)];
        transcript.line({"line", num(k), line.first, line.middle, line.second});
    }
}

} // namespace

int runPlay(const std::vector<std::string>& argv)
{
    // Every option is checked before anything is read or written.
    const Args args(argv, commonOptions() + autopilotOptions() +
                              std::vector<OptionSpec>{{"--days", true}, {"--basho", true}});
    if (args.has("--days") == args.has("--basho"))
        throw UsageError("play takes exactly one of --days N and --basho N");
    const bool countDays = args.has("--days");
    const std::int64_t target = countDays ? args.number("--days", 1, INT_MAX, 1)
                                          : args.number("--basho", 1, INT_MAX, 1);
    Autopilot pilot = autopilotFrom(args);
    Game game;
    useSaveFile(args, game);
    seedFrom(args, game.rng);
    const std::string transcriptPath = args.text("--transcript", "");

    loadOrFail(game);
    const CareerState state = careerState(game.roster);
    if (state != CareerState::Playable && state != CareerState::BashoUnfinished)
        throw FileError(game.savePath + ": " + careerProblem(game.roster) + " Nothing was played.");

    Transcript transcript;
    transcript.open(transcriptPath);
    AutopilotBout bout(pilot, transcript, true);
    AutopilotBashoEnd bashoEnd(pilot, transcript, bout);
    HeadlessDay host(transcript, bout, bashoEnd);
    // A basho whose end was cut short (a failed save, the program ended) is
    // finished first, as the day results screen's Finish Basho does: the
    // body ratings, then the revision, which starts the next basho.
    if (state == CareerState::BashoUnfinished && finishInterruptedBasho(game, host) != BoutOutcome::BashoEnded)
        throw std::runtime_error(game.savePath + ": the basho could not be finished");
    // As the day results screen is created: its first day step produces the
    // day in the file.
    beginDays(game);

    std::int64_t days = 0;
    std::int64_t basho = 0;
    while ((countDays ? days : basho) < target) {
        const DayStep step = dayStep(game, host);
        // Only a file changed behind our back can end here.
        if (step.outcome != StepOutcome::Produced || step.sheet.kind != DaySheetKind::Bouts)
            throw std::runtime_error(game.savePath + ": no day to play: " + careerProblem(game.roster));
        writeDay(transcript, step.sheet);
        const BoutOutcome outcome = fightDay(game, host);
        if (outcome == BoutOutcome::BashoEnded)
            ++basho;
        else if (outcome != BoutOutcome::DayDone)
            throw std::runtime_error(game.savePath + ": the day's bout could not be recorded");
        ++days;
    }
    transcript.close();
    return 0;
}
