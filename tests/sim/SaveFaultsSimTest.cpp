// kirimaki-sim when a save fails: every save of a whole basho, each way a
// save can fail. Run in process, through the same entry point as the
// executable, so that the save routine's test seam can stage the failures.
#include "rules/core/SaveFile.h"
#include "rules/tournament/CareerCheck.h"
#include "sim/Dispatch.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

bool same(const Roster& a, const Roster& b) { return std::memcmp(a.data(), b.data(), sizeof(Roster)) == 0; }

Roster fileAt(const std::string& path)
{
    Roster r{};
    EXPECT_EQ(loadRoster(r, path), LoadResult::Loaded);
    EXPECT_EQ(std::filesystem::file_size(path), sizeof(Roster));
    return r;
}

std::string nameOf(const Rikishi& r) { return std::string(r.shikona, strnlen(r.shikona, sizeof r.shikona)); }

std::vector<std::string> playBasho(const std::string& path)
{
    return {"play", "--file", path, "--seed", "2024", "--basho", "1"};
}

// A basho played from day 1 counts every bout once: each wrestler's career
// bouts grew by 15, and the basho's wins (lbw after the revision) are the
// wins added to his career.
void expectOneBashoPlayed(const Roster& start, const Roster& end, const std::string& context)
{
    ASSERT_EQ(careerState(end), CareerState::Playable) << context;
    EXPECT_EQ(end[0].day, 1) << context;
    std::map<std::string, const Rikishi*> before;
    for (const Rikishi& r : start)
        before[nameOf(r)] = &r;
    for (const Rikishi& r : end) {
        const Rikishi& was = *before.at(nameOf(r));
        EXPECT_EQ((r.gmw + r.gml) - (was.gmw + was.gml), 15) << context << " " << nameOf(r);
        EXPECT_EQ(r.lbw, r.gmw - was.gmw) << context << " " << nameOf(r);
    }
}

} // namespace

TEST(SimSaveFaults, EveryFailedSaveOfABashoExitsOnceLeavesTheFileWholeAndARerunPlaysOn)
{
    // Some twenty thousand flushed saves: on a memory file system when there
    // is one, where a flush costs nothing.
    if (std::filesystem::is_directory("/dev/shm"))
        setenv("TMPDIR", "/dev/shm", 1);
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    std::filesystem::copy_file(KIRIMAKI_GOLDEN_CAREER, path);
    const Roster start = fileAt(path);
    ASSERT_EQ(start[0].day, 1);

    // The clean basho, and the file after each of its saves.
    std::vector<Roster> saved{start};
    setSaveFaultHook([&saved](const Roster& r) {
        saved.push_back(r);
        return SaveFailure::None;
    });
    ASSERT_EQ(runSim(playBasho(path)), 0);
    setSaveFaultHook({});
    const std::size_t saves = saved.size() - 1;
    ASSERT_GT(saves, 40u);   // 15 day steps, 15 bouts' Close, 14 advances, the basho's end
    expectOneBashoPlayed(start, saved.back(), "clean");

    for (std::size_t k = 1; k <= saves; ++k) {
        for (SaveFailure kind : {SaveFailure::CreateTemporary, SaveFailure::Write, SaveFailure::Flush,
                                 SaveFailure::Rename}) {
            const std::string context = "save " + std::to_string(k) + " failure " +
                                        std::to_string(static_cast<int>(kind));
            std::filesystem::copy_file(KIRIMAKI_GOLDEN_CAREER, path, std::filesystem::copy_options::overwrite_existing);
            std::size_t count = 0;
            setSaveFaultHook([&](const Roster&) { return ++count == k ? kind : SaveFailure::None; });
            testing::internal::CaptureStderr();
            const int status = runSim(playBasho(path));
            const std::string err = testing::internal::GetCapturedStderr();
            setSaveFaultHook({});

            EXPECT_EQ(status, 1) << context;
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << context << ": " << err;
            EXPECT_NE(err.find(std::filesystem::absolute(path).string()), std::string::npos) << context << ": " << err;
            // The run is the clean one up to the failure: the file is the
            // one the save before it wrote.
            EXPECT_TRUE(same(fileAt(path), saved[k - 1])) << context;
            EXPECT_FALSE(std::filesystem::exists(temporarySavePath(path))) << context;

            // A rerun plays on from there and finishes the basho (a file
            // left at day 16 is finished first).
            ASSERT_EQ(runSim(playBasho(path)), 0) << context;
            const Roster after = fileAt(path);
            if (saved[k - 1][0].day == 16 || k == saves) {
                // The basho ended already; the rerun played the next one too.
                EXPECT_EQ(after[0].day, 1) << context;
            } else {
                expectOneBashoPlayed(start, after, context);
            }
        }
    }
}
