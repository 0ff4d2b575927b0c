// Loading and saving the roster, including short, long and missing files.
#include "rules/core/SaveFile.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstddef>
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

} // namespace

TEST(SaveFile, RoundTripKeepsEveryByte)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    const Roster original = patterned();
    ASSERT_TRUE(saveRoster(original, path));

    const std::vector<char> file = readAll(path);
    ASSERT_EQ(file.size(), 8000u);
    EXPECT_EQ(std::memcmp(file.data(), original.data(), 8000), 0);

    Roster loaded{};
    ASSERT_EQ(loadRoster(loaded, path), LoadResult::Loaded);
    EXPECT_EQ(std::memcmp(loaded.data(), original.data(), 8000), 0);
    EXPECT_FALSE(std::filesystem::exists(temporarySavePath(path)));
}

TEST(SaveFile, ShortFileFillsOnlyWhatItHolds)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    std::vector<char> data(7999, 'a');
    writeAll(path, data);

    Roster roster{};
    auto* bytes = reinterpret_cast<unsigned char*>(roster.data());
    bytes[7999] = 0x5A;
    ASSERT_EQ(loadRoster(roster, path), LoadResult::Loaded);
    EXPECT_EQ(bytes[0], 'a');
    EXPECT_EQ(bytes[7998], 'a');
    EXPECT_EQ(bytes[7999], 0x5A);  // the last byte of record 39 keeps its value
}

TEST(SaveFile, LongFileGivesItsFirst8000Bytes)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    std::vector<char> data(8001, 'b');
    data[7999] = 'c';
    data[8000] = 'd';
    writeAll(path, data);

    Roster roster{};
    ASSERT_EQ(loadRoster(roster, path), LoadResult::Loaded);
    const auto* bytes = reinterpret_cast<const unsigned char*>(roster.data());
    EXPECT_EQ(bytes[7999], 'c');
    EXPECT_EQ(readAll(path).size(), 8001u);  // loading never writes
}

TEST(SaveFile, MissingFileChangesNothing)
{
    TempDir dir;
    Roster roster = patterned();
    const Roster before = roster;
    EXPECT_EQ(loadRoster(roster, dir.file("rikishi.r")), LoadResult::OpenFailed);
    EXPECT_EQ(std::memcmp(roster.data(), before.data(), 8000), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("rikishi.r")));
}

TEST(SaveFile, FailedSaveLeavesTheOldCareerIntact)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    const Roster first = patterned();
    ASSERT_TRUE(saveRoster(first, path));

    // The temporary file cannot be created: a directory stands in its place.
    std::filesystem::create_directory(temporarySavePath(path));
    Roster second{};
    EXPECT_FALSE(saveRoster(second, path));
    const std::vector<char> file = readAll(path);
    ASSERT_EQ(file.size(), 8000u);
    EXPECT_EQ(std::memcmp(file.data(), first.data(), 8000), 0);

    // A save into a directory that does not exist fails and reports it.
    EXPECT_FALSE(saveRoster(first, dir.file("no-such-dir/rikishi.r")));
}

TEST(SaveFile, SaveReplacesAnOlderCareerWhole)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    writeAll(path, std::vector<char>(9000, 'z'));
    const Roster roster = patterned();
    ASSERT_TRUE(saveRoster(roster, path));
    const std::vector<char> file = readAll(path);
    ASSERT_EQ(file.size(), 8000u);
    EXPECT_EQ(std::memcmp(file.data(), roster.data(), 8000), 0);
}

TEST(SaveFile, EveryStagedFailureKeepsTheOldFileAndSaysWhatAndWhere)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    const Roster first = patterned();
    ASSERT_TRUE(saveRoster(first, path));
    Roster second{};
    second[3].day = 9;

    int asked = 0;
    for (SaveFailure kind : {SaveFailure::CreateTemporary, SaveFailure::Write, SaveFailure::Flush,
                             SaveFailure::Rename}) {
        // The third save from here fails; the two before it go through.
        int count = 0;
        setSaveFaultHook([&](const Roster& r) {
            ++asked;
            if (++count < 3)
                return SaveFailure::None;
            EXPECT_EQ(r[3].day, 9);   // the hook sees the roster being saved
            return kind;
        });
        ASSERT_TRUE(saveRoster(first, path));
        ASSERT_TRUE(saveRoster(first, path));
        const SaveResult failed = saveRoster(second, path);
        setSaveFaultHook({});
        EXPECT_EQ(failed.failure, kind);
        const std::vector<char> file = readAll(path);
        ASSERT_EQ(file.size(), 8000u);
        EXPECT_EQ(std::memcmp(file.data(), first.data(), 8000), 0);
        EXPECT_FALSE(std::filesystem::exists(temporarySavePath(path)));

        const std::string message = saveFailureMessage(failed);
        EXPECT_NE(message.find(std::filesystem::absolute(path).string()), std::string::npos) << message;
        EXPECT_NE(message.find("Nothing was lost"), std::string::npos) << message;
    }
    EXPECT_EQ(asked, 12);
    // The hook is gone: saving works again.
    ASSERT_TRUE(saveRoster(second, path));
    EXPECT_EQ(readAll(path)[3 * 200 + offsetof(Rikishi, day)], 9);
}

TEST(SaveFile, ANewCareerKeepsTheOneItReplacesAsTheBackup)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    const std::string backup = backupSavePath(path);
    // No career yet: nothing to keep.
    const Roster first = patterned();
    ASSERT_TRUE(saveNewCareer(first, path));
    EXPECT_FALSE(std::filesystem::exists(backup));

    // One generation: the second new career keeps the first, the third the second.
    Roster second{};
    ASSERT_TRUE(saveNewCareer(second, path));
    std::vector<char> kept = readAll(backup);
    ASSERT_EQ(kept.size(), 8000u);
    EXPECT_EQ(std::memcmp(kept.data(), first.data(), 8000), 0);
    writeAll(path, std::vector<char>(123, 'q'));   // a damaged file is kept as it is
    ASSERT_TRUE(saveNewCareer(first, path));
    EXPECT_EQ(readAll(backup), std::vector<char>(123, 'q'));
    EXPECT_FALSE(std::filesystem::exists(temporarySavePath(backup)));

    // When the backup cannot be written, the career is not replaced.
    std::filesystem::create_directory(temporarySavePath(backup));
    const SaveResult refused = saveNewCareer(second, path);
    EXPECT_EQ(refused.failure, SaveFailure::CreateTemporary);
    EXPECT_EQ(refused.file, backup);
    kept = readAll(path);
    EXPECT_EQ(std::memcmp(kept.data(), first.data(), 8000), 0);
}
