// The game's options, and Qt's, which it accepts as every Qt program does.
#include "game/CommandLine.h"

#include "Version.h"

#include <cstdio>
#include <cstring>

namespace {

// Qt's own command-line options: those that take the next argument as their
// value, and those that stand alone. Qt accepts them with one or two dashes.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                       "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                       "style", "stylesheet", "display", "geometry", "title", "name"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "qmljsdebugger"};

// 0: not a Qt option; 1: a Qt option on its own (or with "=value"); 2: a Qt
// option whose value is the next argument.
int qtOptionArity(const char* arg)
{
    if (arg[0] != '-')
        return 0;
    const char* name = arg[1] == '-' ? arg + 2 : arg + 1;
    const char* eq = std::strchr(name, '=');
    const std::size_t length = eq ? static_cast<std::size_t>(eq - name) : std::strlen(name);
    auto is = [&](const char* known) { return std::strlen(known) == length && std::strncmp(name, known, length) == 0; };
    for (const char* known : kQtValueOptions)
        if (is(known))
            return eq ? 1 : 2;
    for (const char* known : kQtFlags)
        if (is(known))
            return 1;
    return 0;
}

int usageError(const std::string& message)
{
    std::fprintf(stderr, "kirimaki: %s\nTry 'kirimaki --help' for more information.\n", message.c_str());
    return 2;
}

} // namespace

std::string gameHelpText()
{
    return "Usage: kirimaki [--user-data] [Qt options]\n"
           "A single-player sumo career game: design a wrestler and fight his career.\n"
           "\n"
           "The career is kept in rikishi.r in the current directory, or with\n"
           "--user-data in $XDG_DATA_HOME/kirimaki (by default ~/.local/share/kirimaki).\n"
           "\n"
           "Options:\n"
           "  --user-data   keep the career in the player's data folder (the launcher does)\n"
           "  --self-test   start up, make a sample career if there is none, then quit\n"
           "  -h, --help    show this help and exit\n"
           "  --version     show the name and version and exit\n"
           "\n"
           "Qt's own options, such as -platform NAME or -style NAME, are accepted too.\n";
}

std::optional<int> readCommandLine(int argc, char** argv, GameOptions& options)
{
    // --help and --version win wherever they stand, as in other programs.
    for (int i = 1; i < argc; ++i) {
        const int arity = qtOptionArity(argv[i]);
        if (arity == 2)
            ++i;
        if (arity != 0)
            continue;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(gameHelpText().c_str(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kirimaki %s\n", KIRIMAKI_VERSION);
            return 0;
        }
    }
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const int arity = qtOptionArity(arg);
        if (arity == 2 && i + 1 >= argc)
            return usageError(std::string("option ") + arg + " needs a value");
        if (arity != 0) {
            i += arity - 1;
            continue;
        }
        if (std::strcmp(arg, "--user-data") == 0)
            options.userData = true;
        else if (std::strcmp(arg, "--self-test") == 0)
            options.selfTest = true;
        else if (arg[0] == '-')
            return usageError(std::string("unknown option '") + arg + "'");
        else
            return usageError(std::string("unexpected argument '") + arg + "'");
    }
    return std::nullopt;
}
