// kirimaki-sim bout: one bout of the bout screen between two wrestlers of the
// save file, fought by the autopilot.
#include "rules/bout/BoutEngine.h"
#include "rules/core/Game.h"
#include "sim/Args.h"
#include "sim/BoutAutopilot.h"
#include "sim/Commands.h"
#include "sim/Session.h"

#include <stdexcept>

namespace {

constexpr std::int64_t kLastSlot = static_cast<std::int64_t>(kRosterSize) - 1;
constexpr std::int64_t kPlayoffDay = 16;

} // namespace

Args boutArgs(const std::vector<std::string>& argv, BoutOptions& options)
{
    Args args(argv, commonOptions() + autopilotOptions() +
                        std::vector<OptionSpec>{{"--player", true}, {"--opponent", true}, {"--day", true}, {"--write", false}, noHistoryOption()});
    options.player = static_cast<std::size_t>(args.requiredNumber("--player", 0, kLastSlot));
    options.opponent = static_cast<std::size_t>(args.requiredNumber("--opponent", 0, kLastSlot));
    if (options.player == options.opponent)
        throw UsageError("options --player and --opponent name the same wrestler");
    options.dayGiven = args.has("--day");
    options.day = static_cast<std::int32_t>(args.number("--day", 1, kPlayoffDay, 0));
    options.write = args.has("--write");
    autopilotFrom(args);
    return args;
}

void startBout(Game& game, const BoutOptions& options)
{
    game.curDay = options.dayGiven ? options.day : game.roster[0].day;
    if (game.curDay < 1 || game.curDay > kPlayoffDay)
        throw std::runtime_error("the save file's day is " + std::to_string(game.curDay) +
                                 ", not 1 to 16; give the bout's day with --day");
    game.playerCopy = game.roster[options.player];
    game.opponentCopy = game.roster[options.opponent];
    game.playoffWins = 0;
    game.playoffLosses = 0;
}

void keepBout(Game& game, const BoutOptions& options, Transcript& transcript)
{
    if (isPlayoffDay(game.curDay))
        transcript.line({"playoff", num(game.playoffWins), num(game.playoffLosses)});
    if (!options.write)
        return;
    game.roster[options.player] = game.playerCopy;
    game.roster[options.opponent] = game.opponentCopy;
    saveOrFail(game);
}

int runBout(const std::vector<std::string>& argv)
{
    // Every option is checked before anything is read or written.
    BoutOptions options;
    const Args args = boutArgs(argv, options);
    Autopilot pilot = autopilotFrom(args);
    Game game;
    useSaveFile(args, game);
    seedFrom(args, game.rng);
    const std::string transcriptPath = args.text("--transcript", "");

    // Only a bout that writes takes the lock: a reader sees a whole file anyway.
    const auto lock = options.write ? lockOrFail(game) : nullptr;
    const auto history = options.write ? recordHistory(args, game) : nullptr;
    loadOrFail(game);
    startBout(game, options);
    Transcript transcript;
    transcript.open(transcriptPath);

    SaveFileStore file;
    AutopilotBout bout(pilot, transcript, options.write ? &file : nullptr);
    bout.fight(game);
    keepBout(game, options, transcript);
    transcript.close();
    return 0;
}
