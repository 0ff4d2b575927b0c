// The subcommands of kirimaki-sim and how their failures are reported.
#include "sim/Dispatch.h"

#include "sim/Args.h"
#include "sim/Commands.h"

#include <cstdio>
#include <exception>

namespace {

const char* const kUsage = "usage: kirimaki-sim new|show|bout|play|study [--option value ...]";

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
    throw UsageError("unknown subcommand '" + command + "'; " + kUsage);
}

} // namespace

int runSim(const std::vector<std::string>& argv)
{
    if (argv.empty()) {
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    try {
        return dispatch(argv[0], std::vector<std::string>(argv.begin() + 1, argv.end()));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "kirimaki-sim: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kirimaki-sim: %s\n", e.what());
        return 1;
    }
}
