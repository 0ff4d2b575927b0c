// Fuzzing target: any bytes as a save file, driven through the rules as the
// headless front-end drives them. Built with libFuzzer, AddressSanitizer and
// UndefinedBehaviorSanitizer; a crash, a sanitizer report or a hang is a fault
// in the rules.
//
// Input: 8 header bytes, then the save file (any length, also empty):
//   0..3  the seed            4  the bout's player slot   5  its opponent
//   6     the bout's day      7  days to play and the autopilot's lists
// The history beside the file is begun afresh for each input, then damaged
// as bytes 0 to 2 say (truncated, pages overwritten by the input, or the
// input itself as the database) and opened again by play and history.
#include "rules/core/Game.h"
#include "sim/Autopilot.h"
#include "sim/BashoEndAutopilot.h"
#include "sim/BoutAutopilot.h"
#include "sim/CareerStore.h"
#include "sim/Dispatch.h"
#include "sim/Transcript.h"
#include "rules/bashoend/BashoEnd.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string g_file; // the save file of this process
std::string g_history; // its history

const char* const kTachiaiLists[] = {"1", "2", "3", "4", "1,3", "2,4", "4,1,2", "3,3,2"};
const char* const kMoveLists[] = {"1", "2", "6", "2,1", "1,2,2,6", "5,4,3", "6,6,1", "3,2,1,6,5,4"};

void writeFile(const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(g_file.c_str(), "wb");
    if (!f)
        std::abort();
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

void removeHistory()
{
    for (const char* companion : {"", "-wal", "-shm"})
        std::remove((g_history + companion).c_str());
}

// Histories set aside would pile up, one for each damaged input.
void removeSetAside()
{
    const std::filesystem::path dir = std::filesystem::path(g_history).parent_path();
    const std::string prefix = std::filesystem::path(g_history).filename().string() + ".damaged-";
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            std::filesystem::remove(entry.path());
}

// Damages the history the first play wrote: cut short, a stretch of it
// overwritten with the input, or the input in its place.
void damageHistory(const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(g_history.c_str(), "r+b");
    if (!f)
        return;
    std::fseek(f, 0, SEEK_END);
    const long length = std::ftell(f);
    std::fclose(f);
    const int mode = data[0] % 3;
    if (mode == 0) {
        if (truncate(g_history.c_str(), length * data[1] / 256) != 0)
            std::abort();
    } else if (mode == 1) {
        f = std::fopen(g_history.c_str(), "r+b");
        std::fseek(f, length * data[2] / 256, SEEK_SET);
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        removeHistory();
        f = std::fopen(g_history.c_str(), "wb");
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
}

int sim(std::vector<std::string> argv)
{
    argv.push_back("--file");
    argv.push_back(g_file);
    return runSim(argv);
}

// The history the last play wrote, damaged, read and opened again.
void runDamagedHistory(const std::uint8_t* data, std::size_t size, const std::string& seedText)
{
    damageHistory(data, size);
    sim({"history", "--all"});
    sim({"history", "--bouts"});
    sim({"play", "--days", "1", "--seed", seedText});
    sim({"history", "--champions"});
    sim({"history", "--careers"});
    removeSetAside();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // tmpfs where there is one: the saves sync every file to disk.
    char dir[] = "/dev/shm/kirimaki-fuzz-XXXXXX";
    if (!mkdtemp(dir))
        std::abort();
    g_file = std::string(dir) + "/rikishi.r";
    g_history = std::string(dir) + "/rikishi.history";
    // The commands' output is not what is under test (run with
    // -close_fd_mask=2 to silence their messages on standard error too).
    if (!std::freopen("/dev/null", "w", stdout))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 8)
        return 0;
    const std::uint32_t seed = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    const int player = data[4] % 40;
    const int opponent = (player + 1 + data[5] % 39) % 40;
    const int boutDay = data[6] % 16 + 1;
    const int days = data[7] % 4 + 1;
    const std::string tachiai = kTachiaiLists[(data[7] >> 2) % 8];
    const std::string moves = kMoveLists[(data[7] >> 5) % 8];
    const std::string seedText = std::to_string(seed);
    const std::uint8_t* file = data + 8;
    const std::size_t fileSize = size - 8;

    removeHistory();
    writeFile(file, fileSize);
    sim({"show"});
    sim({"bout", "--player", std::to_string(player), "--opponent", std::to_string(opponent), "--day",
         std::to_string(boutDay), "--seed", seedText, "--tachiai", tachiai, "--moves", moves, "--write",
         "--no-history"});

    // One input in eight also goes through a damaged history: a history
    // costs a database per input, which would slow the search eightfold.
    const bool withHistory = data[3] % 8 == 0;
    writeFile(file, fileSize);
    removeHistory();
    std::vector<std::string> play{"play", "--days", std::to_string(days), "--seed", seedText, "--tachiai",
                                  tachiai, "--moves", moves};
    if (!withHistory)
        play.push_back("--no-history");
    sim(play);
    if (withHistory)
        runDamagedHistory(data, size, seedText);

    // The end of a basho on whatever the file holds, also where play refuses
    // the career: the yusho search, the playoff and the revision must cope
    // with any win counts and ranks.
    writeFile(file, fileSize);
    Game game;
    game.savePath = g_file;
    game.rng.seed(seed);
    if (game.load() == LoadResult::Loaded) {
        Autopilot pilot({1, 2}, {2, 1, 6}, {3, 1, 2});
        Transcript transcript;
        SaveFileStore file;
        AutopilotBout bout(pilot, transcript, &file);
        AutopilotBashoEnd screens(pilot, transcript, bout, file);
        try {
            runBashoEnd(game, screens);
        } catch (const std::exception&) {
            // A failed save is reported, not a fault.
        }
    }
    return 0;
}
