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
    void save(const Game& game) override { saveOrFail(game); }
    void leaderboard(Game& game) override
    {
        const LeaderboardTexts texts = leaderboardTexts(game.roster, game.curDay);
        writeLeaderboard(m_transcript, texts.title, texts.leaders, texts.chasers);
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
        writeResultLine(transcript, k, line.first, line.middle, line.second);
    }
}

} // namespace

Args playArgs(const std::vector<std::string>& argv, PlayOptions& options)
{
    Args args(argv, commonOptions() + autopilotOptions() +
                        std::vector<OptionSpec>{{"--days", true}, {"--basho", true}});
    if (args.has("--days") == args.has("--basho"))
        throw UsageError("play takes exactly one of --days N and --basho N");
    options.countDays = args.has("--days");
    options.target = options.countDays ? args.number("--days", 1, INT_MAX, 1) : args.number("--basho", 1, INT_MAX, 1);
    autopilotFrom(args);
    return args;
}

int runPlay(const std::vector<std::string>& argv)
{
    // Every option is checked before anything is read or written.
    PlayOptions options;
    const Args args = playArgs(argv, options);
    const bool countDays = options.countDays;
    const std::int64_t target = options.target;
    Autopilot pilot = autopilotFrom(args);
    Game game;
    useSaveFile(args, game);
    seedFrom(args, game.rng);
    const std::string transcriptPath = args.text("--transcript", "");

    loadOrFail(game);
    const std::string problem = careerProblem(game.roster);
    if (!problem.empty())
        throw FileError(game.savePath + ": " + problem + " Nothing was played.");

    Transcript transcript;
    transcript.open(transcriptPath);
    // As the day results screen is created: its first day step produces the
    // day in the file.
    beginDays(game);
    AutopilotBout bout(pilot, transcript, true);
    AutopilotBashoEnd bashoEnd(pilot, transcript, bout);
    HeadlessDay host(transcript, bout, bashoEnd);

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
