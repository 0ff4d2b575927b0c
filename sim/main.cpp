// kirimaki-sim: the game's rules from a shell, for tests, studies and replays.
#include "sim/Args.h"
#include "sim/Commands.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage: kirimaki-sim new|show|bout|play [--option value ...]";

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (command == "new")
            return runNew(args);
        if (command == "show")
            return runShow(args);
        if (command == "bout")
            return runBout(args);
        if (command == "play")
            return runPlay(args);
        throw UsageError("unknown subcommand '" + command + "'; " + kUsage);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "kirimaki-sim: %s\n", e.what());
        return 2;
    } catch (const FileError& e) {
        std::fprintf(stderr, "kirimaki-sim: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kirimaki-sim: %s\n", e.what());
        return 1;
    }
}
