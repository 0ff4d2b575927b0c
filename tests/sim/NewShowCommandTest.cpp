// kirimaki-sim new and show, run as a player or a script would run them.
#include "rules/core/SaveFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/SimProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

std::vector<std::string> split(const std::string& text, char sep)
{
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(text);
    while (std::getline(in, field, sep))
        out.push_back(field);
    return out;
}

const char* const kHeader =
    "isPlayer\tday\tshikona\trealName\tage\theight\tweight\tstrength\tbaseStrength\tagility\tbaseAgility\t"
    "tachiai\toshi\tyotsu\ttenage\ttsuppari\tjump\treceive\thatakikomi\tdefense\tstamina\tintangibles\t"
    "potential\ttachiaiStrategy1\ttachiaiStrategy2\tboutStrategy1\tboutStrategy2\tboutStrategy3\trlw\trll\t"
    "gmw\tgml\tcbw\tcbl\tlbw\ttbaw\tyusho\tjunyusho\tskill\tpower\tgenki\trank\tslot";

TEST(NewShowCommand, NewCareerIsWrittenSilentlyAndShownWhole)
{
    TempDir dir;
    const SimRun made = sim(dir, {"new", "--shikona", "J\xC3\xBCrgen", "--real-name", "Ana Lima", "--height", "220",
                               "--weight", "75", "--stats", "6,5,4,3,2,1,1,1,1,1,1,2"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "");
    EXPECT_EQ(made.err, "");
    ASSERT_EQ(readFile(dir.file("rikishi.r")).size(), 8000u);

    Roster roster{};
    ASSERT_EQ(loadRoster(roster, dir.file("rikishi.r")), LoadResult::Loaded);
    const Rikishi& p = roster[39];
    EXPECT_EQ(shikonaOf(p), "J\xFCrgen");
    EXPECT_EQ(p.height, 220);
    EXPECT_EQ(p.weight, 75);
    EXPECT_EQ(p.baseStrength, 6);
    EXPECT_EQ(p.defense, 1);
    EXPECT_EQ(p.stamina, 2);

    const SimRun shown = sim(dir, {"show"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const std::vector<std::string> lines = split(shown.out, '\n');
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines[0], kHeader);
    const std::vector<std::string> player = split(lines[40], '\t');
    ASSERT_EQ(player.size(), 43u);
    EXPECT_EQ(player[0], "1");
    EXPECT_EQ(player[1], "1");
    EXPECT_EQ(player[2], "J\xFCrgen") << "names as the file holds them";
    EXPECT_EQ(player[3], "Ana Lima");
    EXPECT_EQ(player[4], "21");
    EXPECT_EQ(player[5], "220");
    EXPECT_EQ(player[8], "6");
    EXPECT_EQ(player[41], "0");
    EXPECT_EQ(player[42], "39");
    EXPECT_EQ(split(lines[1], '\t')[28], "470") << "record 0's rlw";

    // A second new career replaces this one, which is kept as the backup.
    const std::string first = readFile(dir.file("rikishi.r"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("rikishi.r.bak")));
    ASSERT_EQ(sim(dir, {"new", "--shikona", "Other"}).status, 0);
    EXPECT_EQ(readFile(dir.file("rikishi.r.bak")), first);
    EXPECT_NE(readFile(dir.file("rikishi.r")), first);
}

TEST(NewShowCommand, BadValuesAreUsageErrorsAndWriteNothing)
{
    TempDir dir;
    const std::vector<std::vector<std::string>> bad{
        {"--height", "169"},
        {"--height", "221"},
        {"--height", "18O"},
        {"--weight", "74"},
        {"--weight", "201"},
        {"--stats", "1,1,1,1,1,1,1,1,1,1,1"},
        {"--stats", "1,1,1,1,1,1,1,1,1,1,1,1,1"},
        {"--stats", "1,1,1,1,1,1,1,1,1,1,1,7"},
        {"--stats", "0,1,1,1,1,1,1,1,1,1,1,1"},
        {"--stats", "1,1,1,1,1,1,,1,1,1,1,1"},
        {"--shikona", "Abcdefghijklmn"},
        {"--real-name", "Abcdefghij Klmnopqrst"},
        {"--shikona", "Euro\xE2\x82\xAC"},
        {"--shikona", "Tab\tName"},
        {"--real-name", "Bad \xFC byte"},
        {"--seed", "1"},
        {"--height"},
        {"--height=180"},
    };
    for (const std::vector<std::string>& options : bad) {
        std::vector<std::string> args{"new"};
        args.insert(args.end(), options.begin(), options.end());
        const SimRun run = sim(dir, args);
        SCOPED_TRACE(options.back());
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        // One line naming the fault, then the hint to use --help.
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
        EXPECT_NE(run.err.find("\nTry 'kirimaki-sim --help' for more information.\n"), std::string::npos);
        EXPECT_FALSE(std::ifstream(dir.file("rikishi.r")).good());
    }

    // Nor is an existing career touched.
    ASSERT_EQ(sim(dir, {"new"}).status, 0);
    const std::string before = readFile(dir.file("rikishi.r"));
    EXPECT_EQ(sim(dir, {"new", "--shikona", "Other", "--weight", "300"}).status, 2);
    EXPECT_EQ(readFile(dir.file("rikishi.r")), before);
    // Thirteen and twenty characters fit exactly.
    EXPECT_EQ(sim(dir, {"new", "--shikona", "Abcdefghijklm", "--real-name", "Abcdefghij Klmnopqrs"}).status, 0);
}

TEST(NewShowCommand, FilesThatCannotBeReadOrWrittenAreReported)
{
    TempDir dir;
    SimRun run = sim(dir, {"new", "--file", "missing-folder/career.r"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("missing-folder/career.r"), std::string::npos) << run.err;

    run = sim(dir, {"show", "--file", "nothing.r"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("nothing.r"), std::string::npos) << run.err;

    EXPECT_EQ(sim(dir, {"show", "--verbose"}).status, 2);
}

TEST(NewShowCommand, ShowPrintsAnyFileAsItStands)
{
    TempDir dir;
    Roster roster{};
    roster[0].age = 0.1f;
    roster[1].age = 28.5f;
    roster[2].genki = -2147483647 - 1;
    roster[3].rank = 200;
    std::memset(roster[4].realName, 'q', sizeof roster[4].realName);  // no terminator
    ASSERT_TRUE(saveRoster(roster, dir.file("odd.r")));
    // A short file: the missing records show as zeros.
    std::ofstream(dir.file("short.r"), std::ios::binary).write(reinterpret_cast<const char*>(&roster), 250);

    SimRun run = sim(dir, {"show", "--file", "odd.r"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = split(run.out, '\n');
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(split(lines[1], '\t')[4], "0.100000001");
    EXPECT_EQ(split(lines[2], '\t')[4], "28.5");
    EXPECT_EQ(split(lines[3], '\t')[40], "-2147483648");
    EXPECT_EQ(split(lines[4], '\t')[41], "200");
    EXPECT_EQ(split(lines[5], '\t')[3], std::string(21, 'q'));

    run = sim(dir, {"show", "--file", "short.r"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(split(run.out, '\n').size(), 41u);
}

TEST(NewShowCommand, GoldenBuildReproducesTheGoldenCareersNumbers)
{
    // The golden career's player: 184 cm, 126 kg and these abilities. Its
    // names are the reference model's own, so only the numbers must agree.
    TempDir dir;
    const SimRun run = sim(dir, {"new", "--shikona", "Kiriyama", "--real-name", "Kenji Morita", "--height", "184",
                              "--weight", "126", "--stats", "4,3,3,3,3,2,3,3,2,2,2,3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string ours = readFile(dir.file("rikishi.r"));
    const std::string golden = readFile(KIRIMAKI_GOLDEN_CAREER);
    ASSERT_EQ(ours.size(), 8000u);
    ASSERT_EQ(golden.size(), 8000u);
    for (std::size_t record = 0; record < 40; ++record) {
        SCOPED_TRACE(record);
        const std::size_t at = record * 200;
        EXPECT_EQ(ours.substr(at, 8), golden.substr(at, 8));            // isPlayer, day
        EXPECT_EQ(ours.substr(at + 44, 156), golden.substr(at + 44, 156));  // age to slot
    }
    EXPECT_EQ(ours.substr(39 * 200), golden.substr(39 * 200)) << "the player's record entirely";
}

} // namespace
