// Loading and saving the roster: short, long and missing files, failed saves, the backup.
#include "rules/core/Game.h"
#include "rules/core/SaveFile.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

Roster patterned()
{
    Roster roster;
    auto* bytes = reinterpret_cast<unsigned char*>(roster.data());
    for (std::size_t i = 0; i < sizeof roster; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    return roster;
}

std::vector<char> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::vector<char>& data)
{
    std::ofstream out(path, std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

bool holds(const std::string& path, const Roster& r)
{
    const std::vector<char> file = readAll(path);
    return file.size() == 8000u && std::memcmp(file.data(), r.data(), 8000) == 0;
}

} // namespace

TEST(SaveFile, LoadsWhatAFileHoldsSavesItWholeOrKeepsTheOldOne)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    // Short, exact and long files: the bytes the file holds, never more than 8000; loading never writes.
    for (std::size_t size : {7999u, 8000u, 8001u}) {
        std::vector<char> data(size, 'a');
        data[size - 1] = 'c';
        writeAll(path, data);
        Roster roster = patterned();
        ASSERT_EQ(loadRoster(roster, path), LoadResult::Loaded);
        const auto* bytes = reinterpret_cast<const unsigned char*>(roster.data());
        EXPECT_EQ(bytes[0], 'a');
        EXPECT_EQ(bytes[7998], size == 7999 ? 'c' : 'a');
        EXPECT_EQ(bytes[7999], size == 7999 ? (7999 * 7 + 3) % 256 : size == 8000 ? 'c'
                                                                                  : 'a')
            << size;
        EXPECT_EQ(readAll(path).size(), size);
    }
    // A save replaces a longer file whole and reads back byte for byte; it
    // leaves nothing open behind it (a long career saves thousands of times).
    const auto openFiles = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
    const auto openBefore = openFiles();
    ASSERT_TRUE(saveRoster(patterned(), path));
    EXPECT_EQ(openFiles(), openBefore);
    EXPECT_TRUE(holds(path, patterned()));
    Roster loaded{};
    ASSERT_EQ(loadRoster(loaded, path), LoadResult::Loaded);
    EXPECT_EQ(std::memcmp(loaded.data(), patterned().data(), 8000), 0);
    EXPECT_TRUE(temporarySavesIn(dir.file("")).empty());

    // A missing file changes nothing and is not created.
    const std::string missing = dir.file("missing.r");
    EXPECT_EQ(loadRoster(loaded, missing), LoadResult::OpenFailed);
    EXPECT_EQ(std::memcmp(loaded.data(), patterned().data(), 8000), 0);
    EXPECT_FALSE(std::filesystem::exists(missing));
    // A save that cannot create its temporary file fails as such; every other
    // way a save fails is staged at every save point of a basho, through both
    // front-ends.
    EXPECT_EQ(saveRoster(loaded, dir.file("no-such-dir/rikishi.r")).failure, SaveFailure::CreateTemporary);
}

TEST(SaveFile, ANewCareerKeepsTheOneItReplacesAsTheBackup)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    const std::string backup = backupSavePath(path);
    const Roster first = patterned();
    ASSERT_TRUE(saveNewCareer(first, path));
    EXPECT_FALSE(std::filesystem::exists(backup)); // no career yet: nothing to keep

    Roster second{};
    ASSERT_TRUE(saveNewCareer(second, path));
    EXPECT_TRUE(holds(backup, first));
    writeAll(path, std::vector<char>(123, 'q')); // a damaged file is kept as it is
    ASSERT_TRUE(saveNewCareer(first, path));
    EXPECT_EQ(readAll(backup), std::vector<char>(123, 'q'));

    // When the backup cannot be written (a folder stands in its place), the
    // career is not replaced, and the backup's own temporary file is gone.
    std::filesystem::remove(backup);
    std::filesystem::create_directory(backup);
    const SaveResult refused = saveNewCareer(second, path);
    EXPECT_EQ(refused.failure, SaveFailure::Rename);
    EXPECT_EQ(refused.file, backup);
    EXPECT_TRUE(holds(path, first));
    EXPECT_TRUE(temporarySavesIn(dir.file("")).empty());
}

TEST(SaveFile, ASaveNeverReplacesAFileAnotherProgramWroteSinceItWasLastReadOrSaved)
{
    TempDir dir;
    Game game;
    game.savePath = dir.file("rikishi.r");
    game.roster = patterned();
    ASSERT_TRUE(game.saveNew());
    ASSERT_TRUE(game.save()); // each save stamps the file it wrote: the next one goes on from it
    std::filesystem::permissions(game.savePath, std::filesystem::perms(0640));

    // Another writer's temporary file is never touched, by a failed save or a good one.
    const std::string othersTemporary = dir.file("rikishi.r.Qx7a0b");
    writeAll(othersTemporary, {'x'});
    setSaveFaultHook([](const Roster&) { return SaveFailure::Write; });
    EXPECT_EQ(game.save().failure, SaveFailure::Write);
    setSaveFaultHook({});
    ASSERT_TRUE(game.save());
    EXPECT_EQ(readAll(othersTemporary), std::vector<char>{'x'});
    std::filesystem::remove(othersTemporary);
    // A save keeps who may read the career.
    EXPECT_EQ(std::filesystem::status(game.savePath).permissions(), std::filesystem::perms(0640));

    // A program that takes no lock writes the file behind the game's back:
    // nothing is written over it, and the player is told why.
    Roster newer = patterned();
    newer[3].cbw = 9;
    ASSERT_TRUE(saveRoster(newer, game.savePath));
    const SaveResult refused = game.save();
    EXPECT_EQ(refused.failure, SaveFailure::FileChanged);
    EXPECT_TRUE(holds(game.savePath, newer));
    EXPECT_TRUE(temporarySavesIn(dir.file("")).empty());
    EXPECT_NE(saveFailureMessage(refused).find("another program"), std::string::npos);
    // So is a file merely rewritten, byte for byte the same size: the stamp
    // holds the content, not only the length.
    ASSERT_EQ(game.load(), LoadResult::Loaded);
    newer[3].cbw = 10;
    ASSERT_TRUE(saveRoster(newer, game.savePath));
    EXPECT_EQ(game.save().failure, SaveFailure::FileChanged);

    // Once read again, the newer file is the game's; a file that is gone
    // holds nothing newer; a new career replaces whatever is there.
    ASSERT_EQ(game.load(), LoadResult::Loaded);
    EXPECT_TRUE(game.save());
    std::filesystem::remove(game.savePath);
    EXPECT_TRUE(game.save());
    ASSERT_TRUE(saveRoster(Roster{}, game.savePath));
    EXPECT_TRUE(game.saveNew());
    EXPECT_TRUE(game.save());
    EXPECT_TRUE(holds(game.savePath, game.roster));
}

TEST(SaveFile, ACareerThatCannotBeReadIsNotReplacedByANewOne)
{
    TempDir dir;
    const std::string notAFile = dir.file("rikishi.r");
    std::filesystem::create_directory(notAFile);
    const SaveResult refused = saveNewCareer(patterned(), notAFile);
    EXPECT_EQ(refused.failure, SaveFailure::Read);
    EXPECT_EQ(refused.file, notAFile);
    EXPECT_NE(saveFailureMessage(refused).find("could not be read"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(notAFile));
}
