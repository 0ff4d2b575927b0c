// kirimaki-sim when a save fails: every save of a whole basho, each way a
// save can fail. Run in process, through the executable's entry point, so
// that the save routine's test seam can stage the failures.
#include "history/Sqlite.h"
#include "rules/core/SaveFile.h"
#include "rules/tournament/CareerCheck.h"
#include "sim/Dispatch.h"
#include "tests/support/RosterFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

Roster fileAt(const std::string& path)
{
    Roster r{};
    EXPECT_EQ(loadRoster(r, path), LoadResult::Loaded);
    EXPECT_EQ(fs::file_size(path), sizeof(Roster));
    return r;
}

// A basho played from day 1 to its end, each of its bouts counted once.
void expectOneBashoPlayed(const Roster& start, const Roster& end, const std::string& context)
{
    ASSERT_EQ(careerState(end), CareerState::Playable) << context;
    EXPECT_EQ(end[0].day, 1) << context;
    EXPECT_EQ(bashoNotCountedOnce(start, end), "") << context;
}

// The history's last step holds what the file holds, and the current
// career's basho 1 holds `bouts` bouts of days 1 to 15.
void expectHistoryFollowsFile(const std::string& historyPath, const Roster& file, int bouts,
                              const std::string& context)
{
    Database db(historyPath, false);
    Statement last(db, "SELECT roster FROM steps ORDER BY career DESC, step DESC LIMIT 1");
    ASSERT_TRUE(last.step()) << context;
    const auto bytes = last.blob(0);
    ASSERT_EQ(bytes.size(), sizeof file) << context;
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), reinterpret_cast<const unsigned char*>(file.data())))
        << context << ": the history holds a step the file does not";
    if (bouts < 0)
        return;
    Statement count(db, "SELECT count(*) FROM bouts WHERE career = (SELECT max(career) FROM careers) "
                        "AND basho = 1 AND day <= 15");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.integer(0), bouts) << context;
}

} // namespace

TEST(SimSaveFaults, EveryFailedSaveOfABashoExitsOnceLeavesTheFileWholeAndARerunPlaysOn)
{
    // Some twenty thousand flushed saves: on a memory file system when there is one.
    if (fs::is_directory("/dev/shm"))
        setenv("TMPDIR", "/dev/shm", 1);
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    const std::vector<std::string> playBasho{"play", "--file", path, "--seed", "2024", "--basho", "1"};
    fs::copy_file(KIRIMAKI_GOLDEN_CAREER, path);
    const Roster start = fileAt(path);
    ASSERT_EQ(start[0].day, 1);

    // The clean basho, and the file after each of its saves.
    std::vector<Roster> saved{start};
    setSaveFaultHook([&saved](const Roster& r) { saved.push_back(r); return SaveFailure::None; });
    ASSERT_EQ(runSim(playBasho), 0);
    const std::size_t saves = saved.size() - 1;
    ASSERT_GT(saves, 40u); // 15 day steps, 15 bouts' Close, 14 advances, the basho's end
    expectOneBashoPlayed(start, saved.back(), "clean");

    for (std::size_t k = 1; k <= saves; ++k)
        for (SaveFailure kind : {SaveFailure::CreateTemporary, SaveFailure::Write, SaveFailure::Flush,
                                 SaveFailure::Rename}) {
            const std::string context = "save " + std::to_string(k) + " failure " + std::to_string(int(kind));
            fs::copy_file(KIRIMAKI_GOLDEN_CAREER, path, fs::copy_options::overwrite_existing);
            std::size_t count = 0;
            setSaveFaultHook([&](const Roster&) { return ++count == k ? kind : SaveFailure::None; });
            testing::internal::CaptureStderr();
            EXPECT_EQ(runSim(playBasho), 1) << context;
            const std::string err = testing::internal::GetCapturedStderr();
            setSaveFaultHook({});
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << context << ": " << err;
            EXPECT_NE(err.find(fs::absolute(path).string()), std::string::npos) << context << ": " << err;
            // The run is the clean one up to the failure: the file is what the save before it wrote.
            EXPECT_TRUE(sameRoster(fileAt(path), saved[k - 1])) << context;
            EXPECT_TRUE(temporarySavesIn(dir.file("")).empty()) << context;
            // The failed step is dropped from the history at once.
            expectHistoryFollowsFile(dir.file("rikishi.history"), saved[k - 1], -1, context);

            // A rerun plays on and finishes the basho; one that had ended
            // already (a file at day 16 is finished first) plays the next one too.
            ASSERT_EQ(runSim(playBasho), 0) << context;
            // ... and the history of the basho holds every bout once.
            expectHistoryFollowsFile(dir.file("rikishi.history"), fileAt(path), 300, context);
            if (saved[k - 1][0].day == 16 || k == saves)
                EXPECT_EQ(fileAt(path)[0].day, 1) << context;
            else
                expectOneBashoPlayed(start, fileAt(path), context);
        }
}
