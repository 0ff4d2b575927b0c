// Damaged save files through kirimaki-sim: every command ends, with a
// message and status 1 where the career cannot be played, never a crash.
#include "rules/core/SaveFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/SimProcess.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace {

Roster goldenCareer()
{
    Roster roster{};
    EXPECT_EQ(loadRoster(roster, KIRIMAKI_GOLDEN_CAREER), LoadResult::Loaded);
    return roster;
}

// A career in `dir` changed by `damage`.
void writeDamaged(const TempDir& dir, const std::function<void(Roster&)>& damage)
{
    Roster roster = goldenCareer();
    damage(roster);
    ASSERT_TRUE(saveRoster(roster, dir.file("rikishi.r")));
}

void setDay(Roster& roster, int day)
{
    for (Rikishi& r : roster)
        r.day = day;
}

} // namespace

TEST(DamagedFilesSim, CareersThatCannotBePlayedAreRefusedUntouched)
{
    const std::vector<std::string> day{"play", "--days", "1", "--seed", "3"};
    const struct {
        std::function<void(Roster&)> damage;
        std::vector<std::string> args;
        const char* said;
    } cases[] = {
        {[](Roster& r) { setDay(r, 0); }, day, "Nothing was played"},
        {[](Roster& r) { setDay(r, 17); }, day, "Nothing was played"},
        {[](Roster& r) { setDay(r, -5); }, day, "Nothing was played"},
        {[](Roster& r) { setDay(r, INT_MAX); }, day, "Nothing was played"},
        {[](Roster& r) { r[39].isPlayer = 0; }, day, "Nothing was played"},
        {[](Roster& r) { r[3].isPlayer = 1; }, day, "Nothing was played"},
        // A basho cut short at its end, but with no player to revise.
        {[](Roster& r) { setDay(r, 16); r[39].isPlayer = 0; }, day, "Nothing was played"},
        // Genki in the billions on both sides, and stamina that cancels
        // fatigue: only the points of each exchange drain it, a few dozen at
        // a time, so the bout cannot end.
        {[](Roster& roster) {
             for (Rikishi* r : {&roster[38], &roster[39]}) {
                 r->power = 2000000000;
                 r->stamina = 10;
             }
         },
         {"bout", "--player", "39", "--opponent", "38", "--seed", "1", "--write"}, "has not ended"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeDamaged(dir, c.damage);
        const std::string before = readFile(dir.file("rikishi.r"));
        const SimRun run = sim(dir, c.args);
        EXPECT_EQ(run.status, 1) << c.said;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        EXPECT_TRUE(readFile(dir.file("rikishi.r")) == before) << run.err;
    }
}

TEST(DamagedFilesSim, HugeChankoPoolOnAbilitiesInTheBillionsBelowEnds)
{
    // The last day of a basho, with a player whose potential is huge and whose
    // abilities are far below their ceilings: the autopilot stops buying.
    TempDir dir;
    writeDamaged(dir, [](Roster& roster) {
        setDay(roster, 15);
        Rikishi& me = roster[39];
        me.potential = INT_MAX - 20;
        me.baseStrength = INT_MIN;
        me.baseAgility = INT_MIN;
    });
    const SimRun run = sim(dir, {"play", "--days", "1", "--seed", "9", "--train", "1,2", "--transcript", "t.tsv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string transcript = readFile(dir.file("t.tsv"));
    EXPECT_NE(transcript.find("chanko\tFor your record of"), std::string::npos);
    EXPECT_NE(transcript.find("banzuke\t"), std::string::npos);  // the basho was closed

    Roster after{};
    ASSERT_EQ(loadRoster(after, dir.file("rikishi.r")), LoadResult::Loaded);
    EXPECT_EQ(after[0].day, 1);
}

TEST(DamagedFilesSim, OddValuesEverywherePlayABashoThrough)
{
    TempDir dir;
    writeDamaged(dir, [](Roster& roster) {
        for (std::size_t i = 0; i < roster.size(); ++i) {
            Rikishi& r = roster[i];
            r.age = i % 3 == 0 ? std::numeric_limits<float>::quiet_NaN() : i % 3 == 1 ? 1e30f : -4.0f;
            r.cbw = i % 2 ? INT_MAX : INT_MIN;
            r.lbw = INT_MAX;
            r.rank = static_cast<std::uint8_t>(i * 37);
            r.slot = INT_MIN;
            r.weight = i % 2 ? INT_MAX : INT_MIN;
            r.tachiaiStrategy1 = 99;
            r.boutStrategy1 = -7;
            std::memset(r.shikona, 'Q', sizeof r.shikona);    // no terminators
            std::memset(r.realName, 'R', sizeof r.realName);
        }
    });
    const SimRun show = sim(dir, {"show"});
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_NE(show.out.find(std::string(15, 'Q') + "\t" + std::string(21, 'R') + "\t"), std::string::npos);
    EXPECT_EQ(show.out.find(std::string(16, 'Q')), std::string::npos);

    const SimRun play = sim(dir, {"play", "--basho", "1", "--seed", "4"});
    EXPECT_EQ(play.status, 0) << play.err;
}

TEST(DamagedFilesSim, ShortFileLoadsWhatItHolds)
{
    TempDir dir;
    writeDamaged(dir, [](Roster&) {});
    std::string bytes = readFile(dir.file("rikishi.r"));
    bytes.resize(7999);
    std::ofstream(dir.file("rikishi.r"), std::ios::binary).write(bytes.data(), 7999);
    const SimRun show = sim(dir, {"show"});
    EXPECT_EQ(show.status, 0) << show.err;
    // The last byte of record 39 (its slot's top byte) was zero in memory.
    EXPECT_NE(show.out.find("\t39\n"), std::string::npos);
    const SimRun play = sim(dir, {"play", "--days", "2", "--seed", "1"});
    EXPECT_EQ(play.status, 0) << play.err;
    EXPECT_EQ(readFile(dir.file("rikishi.r")).size(), 8000u);
}
