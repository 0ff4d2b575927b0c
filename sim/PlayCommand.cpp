// kirimaki-sim play: the career played on day by day, as a player who keeps
// pressing the day results screen's buttons, with the autopilot in the bouts.
#include "rules/core/Game.h"
#include "sim/Args.h"
#include "sim/CareerPlay.h"
#include "sim/Commands.h"
#include "sim/Session.h"

#include <climits>

Args playArgs(const std::vector<std::string>& argv, PlayLength& length)
{
    Args args(argv, commonOptions() + autopilotOptions() +
                        std::vector<OptionSpec>{{"--days", true}, {"--basho", true}, noHistoryOption()});
    if (args.has("--days") == args.has("--basho"))
        throw UsageError("play takes exactly one of --days N and --basho N");
    length.countDays = args.has("--days");
    length.count = length.countDays ? args.number("--days", 1, INT_MAX, 1) : args.number("--basho", 1, INT_MAX, 1);
    autopilotFrom(args);
    return args;
}

int runPlay(const std::vector<std::string>& argv)
{
    // Every option is checked before anything is read or written.
    PlayLength length;
    const Args args = playArgs(argv, length);
    Autopilot pilot = autopilotFrom(args);
    Game game;
    useSaveFile(args, game);
    seedFrom(args, game.rng);
    const std::string transcriptPath = args.text("--transcript", "");

    const auto lock = lockOrFail(game);
    const auto history = recordHistory(args, game);
    SaveFileStore file;
    loadPlayableCareer(game, file);

    Transcript transcript;
    transcript.open(transcriptPath);
    playCareer(game, pilot, transcript, file, length);
    transcript.close();
    return 0;
}
