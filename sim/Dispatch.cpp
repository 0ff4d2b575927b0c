// The subcommands of kirimaki-sim and how their failures are reported.
#include "sim/Dispatch.h"

#include "sim/Args.h"
#include "sim/Commands.h"

#include "Version.h"

#include <cstdio>
#include <exception>

namespace {

const char* const kUsage = "usage: kirimaki-sim new|show|bout|play|study|study-merge|history [--option value ...]";
const char* const kHint = "Try 'kirimaki-sim --help' for more information.";

const char* const kHelp =
    "Usage: kirimaki-sim COMMAND [--option VALUE ...]\n"
    "The game's rules from a shell: make, show, fight and play a career headless.\n"
    "\n"
    "Commands:\n"
    "  new                start a new career and write the save file\n"
    "  show               print the save file as text, one line per wrestler\n"
    "  bout               fight one bout between two wrestlers of the save file\n"
    "  play               play the career on, day by day, by the autopilot\n"
    "  study              play many careers of each build in memory and compare the builds\n"
    "  study-merge        merge the partials of a study's shards into its table and chart\n"
    "  history            print what the career's history knows, as tab-separated text\n"
    "\n"
    "Options of new:\n"
    "  --shikona TEXT     ring name, at most 13 characters\n"
    "  --real-name TEXT   real name, at most 20 characters\n"
    "  --height CM        height, 170 to 220 (default 180)\n"
    "  --weight KG        weight, 75 to 200 (default 130)\n"
    "  --stats LIST       twelve abilities 1 to 6, comma-separated (default all 1)\n"
    "Options of bout:\n"
    "  --player SLOT      the player's roster index, 0 to 39 (required)\n"
    "  --opponent SLOT    the opponent's roster index, 0 to 39 (required)\n"
    "  --day D            the bout's day, 1 to 16, 16 a playoff (default the file's day)\n"
    "  --write            save both wrestlers after the bout\n"
    "Options of play (exactly one of them):\n"
    "  --days N           play N days\n"
    "  --basho N          play until N basho have ended\n"
    "  --no-history       record nothing in the career's history (bout with --write, and play)\n"
    "Options of bout and play:\n"
    "  --seed N           seed the random generator, 0 to 4294967295 (default the clock)\n"
    "  --transcript PATH  write the transcript to PATH; - is standard output\n"
    "  --tachiai LIST     the autopilot's tachiai codes 1 to 4, taken in turn (default 2)\n"
    "  --moves LIST       the autopilot's exchange codes 1 to 6, taken in turn (default 2)\n"
    "  --train LIST       the abilities 1 to 12 the autopilot trains, most wanted first\n"
    "Options of study:\n"
    "  --builds FILE      one build a line, as the options of new (--height, --weight, --stats)\n"
    "  --search N         N legal builds drawn at random, best first (instead of --builds)\n"
    "  --careers N        careers per build (default 200)\n"
    "  --basho B          basho per career (default 30)\n"
    "  --threads T        threads to play on (default: every core); results do not depend on it\n"
    "  --replay B,K       print the new and play commands that replay career K of build B\n"
    "  --chart FILE.svg   draw each build's share of careers at or above each rank, basho by basho\n"
    "  --shard K/N        play only shard K of N (careers numbered build by build, every Nth\n"
    "                     from the Kth); needs --partial and --seed\n"
    "  --partial FILE     write the shard's careers to FILE instead of the table: a header line\n"
    "                     (shard, seed, careers, basho, lists, order, builds), one 'build' line\n"
    "                     a build, one 'career' line a career (build, career, yusho, kachi-koshi\n"
    "                     basho, one rank digit 0-4 a basho), then 'end' and the count\n"
    "  --race             play in rounds (1/8 of the careers, then doubling); after each round\n"
    "                     drop the builds whose Yokozuna share is confidently below the best's\n"
    "                     (99 % Wilson bounds), then keep at most the better half; the dropped\n"
    "                     builds come last, with the careers they played\n"
    "  (and --seed, --tachiai, --moves, --train as for play)\n"
    "study-merge [--chart FILE.svg] FILE...\n"
    "                     the table (and chart) of the study whose shards' partials are given,\n"
    "                     each shard once; partials of other studies are refused\n"
    "Options of history (at most one of the first six):\n"
    "  --wrestler NAME    the basho of that wrestler instead of the player's\n"
    "  --all              the basho of every wrestler\n"
    "  --bouts            every bout, the playoff's included\n"
    "  --champions        the yusho and runners-up of every finished basho\n"
    "  --head-to-head NAME  every opponent NAME has met, with his wins and losses\n"
    "  --careers          every career begun in this folder, the current one last\n"
    "  --career N         career N of --careers instead of the current one\n"
    "  --chart FILE.svg   also draw the rank over the basho (alone or with --wrestler)\n"
    "Options of new, show, bout, play and history:\n"
    "  --file PATH        the save file (default rikishi.r in the current directory)\n"
    "Alone:\n"
    "  -h, --help         show this help and exit\n"
    "  --version          show the name and version and exit\n"
    "\n"
    "Exit status: 0 done; 1 a save file that cannot be read or written, or a\n"
    "career that cannot be played; 2 a usage error.\n";

int dispatch(const std::string& command, const std::vector<std::string>& args)
{
    if (command == "new")
        return runNew(args);
    if (command == "show")
        return runShow(args);
    if (command == "bout")
        return runBout(args);
    if (command == "play")
        return runPlay(args);
    if (command == "study")
        return runStudy(args);
    if (command == "study-merge")
        return runStudyMerge(args);
    if (command == "history")
        return runHistory(args);
    throw UsageError("unknown subcommand '" + command + "'; " + kUsage);
}

} // namespace

int runSim(const std::vector<std::string>& argv)
{
    if (argv.empty()) {
        std::fprintf(stderr, "%s\n%s\n", kUsage, kHint);
        return 2;
    }
    // Only in first place: after a subcommand, "--help" may be a ring name.
    if (argv[0] == "--help" || argv[0] == "-h") {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argv[0] == "--version") {
        std::printf("kirimaki-sim %s\n", KIRIMAKI_VERSION);
        return 0;
    }
    try {
        return dispatch(argv[0], std::vector<std::string>(argv.begin() + 1, argv.end()));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "kirimaki-sim: %s\n%s\n", e.what(), kHint);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kirimaki-sim: %s\n", e.what());
        return 1;
    }
}
