// Loading and saving the roster: short, long and missing files, failed saves, the backup.
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
        EXPECT_EQ(bytes[7999], size == 7999 ? (7999 * 7 + 3) % 256 : size == 8000 ? 'c' : 'a') << size;
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
    EXPECT_FALSE(std::filesystem::exists(temporarySavePath(path)));

    // A missing file changes nothing and is not created.
    const std::string missing = dir.file("missing.r");
    EXPECT_EQ(loadRoster(loaded, missing), LoadResult::OpenFailed);
    EXPECT_EQ(std::memcmp(loaded.data(), patterned().data(), 8000), 0);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_FALSE(saveRoster(loaded, dir.file("no-such-dir/rikishi.r")));

    // A save that cannot create its temporary file (a directory stands in its
    // place) keeps the old file whole. Every other way a save fails is staged
    // at every save point of a basho, through both front-ends.
    std::filesystem::create_directory(temporarySavePath(path));
    EXPECT_EQ(saveRoster(Roster{}, path).failure, SaveFailure::CreateTemporary);
    EXPECT_TRUE(holds(path, patterned()));
}

TEST(SaveFile, ANewCareerKeepsTheOneItReplacesAsTheBackup)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.r");
    const std::string backup = backupSavePath(path);
    const Roster first = patterned();
    ASSERT_TRUE(saveNewCareer(first, path));
    EXPECT_FALSE(std::filesystem::exists(backup));   // no career yet: nothing to keep

    Roster second{};
    ASSERT_TRUE(saveNewCareer(second, path));
    EXPECT_TRUE(holds(backup, first));
    writeAll(path, std::vector<char>(123, 'q'));   // a damaged file is kept as it is
    ASSERT_TRUE(saveNewCareer(first, path));
    EXPECT_EQ(readAll(backup), std::vector<char>(123, 'q'));
    EXPECT_FALSE(std::filesystem::exists(temporarySavePath(backup)));

    // When the backup cannot be written, the career is not replaced.
    std::filesystem::create_directory(temporarySavePath(backup));
    const SaveResult refused = saveNewCareer(second, path);
    EXPECT_EQ(refused.failure, SaveFailure::CreateTemporary);
    EXPECT_EQ(refused.file, backup);
    EXPECT_TRUE(holds(path, first));
}
