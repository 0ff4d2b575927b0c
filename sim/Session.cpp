// Shared set-up of the headless subcommands.
#include "sim/Session.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

std::vector<OptionSpec> commonOptions()
{
    return {{"--file", true}, {"--seed", true}, {"--transcript", true}};
}

std::vector<OptionSpec> autopilotOptions()
{
    return {{"--tachiai", true}, {"--moves", true}, {"--train", true}};
}

std::vector<OptionSpec> operator+(std::vector<OptionSpec> a, const std::vector<OptionSpec>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Autopilot autopilotFrom(const Args& args)
{
    std::vector<int> train = args.list("--train", 1, 12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    std::vector<int> sorted = train;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        throw UsageError("option --train takes distinct numbers 1 to 12");
    return Autopilot(args.list("--tachiai", 1, 4, {2}), args.list("--moves", 1, 6, {2}), std::move(train));
}

void seedFrom(const Args& args, Rng& rng)
{
    if (args.has("--seed"))
        rng.seed(static_cast<std::uint32_t>(args.number("--seed", 0, 4294967295LL, 0)));
    else
        rng.seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

void useSaveFile(const Args& args, Game& game)
{
    game.savePath = args.text("--file", kSaveFileName);
    if (game.savePath.empty())
        throw UsageError("option --file needs a file name");
}

std::unique_ptr<CareerLock> lockOrFail(const Game& game)
{
    auto lock = std::make_unique<CareerLock>(game.savePath);
    if (lock->heldElsewhere())
        throw FileError(careerOpenElsewhereMessage(game.savePath));
    return lock;
}

OptionSpec noHistoryOption()
{
    return {"--no-history", false};
}

std::unique_ptr<HistoryRecorder> recordHistory(const Args& args, Game& game)
{
    if (args.has("--no-history"))
        return nullptr;
    auto recorder = std::make_unique<HistoryRecorder>(game.savePath, [](const std::string& message) {
        std::fprintf(stderr, "kirimaki-sim: %s\n", message.c_str());
    });
    game.witness = recorder.get();
    return recorder;
}

void loadOrFail(Game& game)
{
    if (game.load() != LoadResult::Loaded)
        throw FileError("cannot open the save file " + game.savePath + " for reading");
}

void saveOrFail(const Game& game)
{
    const SaveResult saved = game.save();
    if (!saved)
        throw FileError(saveFailureMessage(saved));
}

void SaveFileStore::load(Game& game)
{
    loadOrFail(game);
}

void SaveFileStore::save(const Game& game)
{
    saveOrFail(game);
}
