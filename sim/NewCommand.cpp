// kirimaki-sim new: a new career, as Save on the creation screen makes it.
#include "rules/career/CreationValues.h"
#include "rules/career/NameText.h"
#include "rules/career/NewCareer.h"
#include "sim/Args.h"
#include "sim/BuildOptions.h"
#include "sim/Commands.h"
#include "rules/core/SaveFile.h"
#include "sim/Session.h"

#include <cstddef>

namespace {

// A name from the (UTF-8) command line in the save file's encoding, within
// the length the creation screen's edit allows.
std::string nameOption(const Args& args, const std::string& option, const std::string& sample, std::size_t maxChars)
{
    if (!args.has(option))
        return sample;
    const std::optional<std::string> latin1 = latin1NameFromUtf8(args.text(option, ""));
    if (!latin1)
        throw UsageError("option " + option + " takes printable Latin-1 characters only");
    if (latin1->size() > maxChars)
        throw UsageError("option " + option + " takes at most " + std::to_string(maxChars) + " characters");
    return *latin1;
}

} // namespace

std::vector<OptionSpec> buildOptions()
{
    return {{"--shikona", true}, {"--real-name", true}, {"--height", true}, {"--weight", true}, {"--stats", true}};
}

CreationValues creationValuesFrom(const Args& args)
{
    const CreationValues opening;
    CreationValues values;
    values.shikona = nameOption(args, "--shikona", opening.shikona, kShikonaMax);
    values.realName = nameOption(args, "--real-name", opening.realName, kRealNameMax);
    values.height = static_cast<std::int32_t>(args.number("--height", kMinHeight, kMaxHeight, opening.height));
    values.weight = static_cast<std::int32_t>(args.number("--weight", kMinWeight, kMaxWeight, opening.weight));
    const std::vector<int> stats = args.list("--stats", kMinAbility, kMaxAbility,
                                             std::vector<int>(opening.abilities.begin(), opening.abilities.end()));
    if (stats.size() != kAbilityCount)
        throw UsageError("option --stats takes twelve values 1 to 6, separated by commas");
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        values.abilities[i] = stats[i];
    return values;
}

int runNew(const std::vector<std::string>& arguments)
{
    const Args args(arguments, buildOptions() + std::vector<OptionSpec>{{"--file", true}});
    const CreationValues values = creationValuesFrom(args);

    Game game;
    useSaveFile(args, game);
    const auto lock = lockOrFail(game);
    const SaveResult saved = startNewCareer(game, values);
    if (!saved)
        throw FileError(saveFailureMessage(saved));
    return 0;
}
