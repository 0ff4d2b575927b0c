// The history where no played scenario goes: the wrestlers' identity across a
// revision, a file put back to an older step, a career met in its middle and
// a history of a newer version.
#include "history/HistoryFile.h"
#include "history/HistoryQueries.h"
#include "history/HistoryRecorder.h"
#include "history/Sqlite.h"
#include "rules/core/Game.h"
#include "rules/tournament/Torikumi.h"
#include "tests/support/RosterFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// The day's first scheduled bout, won by its first wrestler.
void fightFirstPair(Roster& roster)
{
    const SlotPair pair = linePair(roster[0].day, 0);
    Rikishi& a = roster[static_cast<std::size_t>(pair.a)];
    Rikishi& b = roster[static_cast<std::size_t>(pair.b)];
    ++a.gmw;
    ++a.cbw;
    ++b.gml;
    ++b.cbl;
}

struct Recorded {
    TempDir dir;
    Game game;
    std::vector<std::string> told;
    std::unique_ptr<HistoryRecorder> recorder;

    Recorded()
    {
        game.savePath = dir.file("rikishi.r");
        recorder = std::make_unique<HistoryRecorder>(game.savePath, [this](const std::string& m) { told.push_back(m); });
        game.witness = recorder.get();
    }
    HistoryReader reader() { return HistoryReader(dir.file("rikishi.history")); }
};

} // namespace

TEST(History, TheRevisionKeepsEachWrestlerAndTwinsGoInBanzukeOrder)
{
    Recorded h;
    h.game.roster = makeRoster(16);
    // Two wrestlers alike in everything the revision keeps, and a third of
    // the same name told apart by his wins.
    setShikona(h.game.roster[10], "Twin");
    setShikona(h.game.roster[11], "Twin");
    setShikona(h.game.roster[12], "Twin");
    for (std::size_t i = 0; i < kRosterSize; ++i)
        h.game.roster[i].cbw = static_cast<std::int32_t>(i % 16);
    h.game.roster[11].cbw = 10;
    ASSERT_TRUE(h.game.save());

    // The new banzuke upside down, the win history moved back.
    Roster next = h.game.roster;
    std::reverse(next.begin(), next.end());
    for (Rikishi& r : next) {
        r.day = 1;
        r.tbaw = r.lbw;
        r.lbw = r.cbw;
        r.cbw = 0;
    }
    h.game.roster = next;
    ASSERT_TRUE(h.game.save());

    HistoryReader reader = h.reader();
    const std::int64_t career = reader.careers().back().career;
    const auto rows = reader.bashoRows(career, *reader.wrestlerNamed(career, "R03"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].position, 3);
    EXPECT_EQ(rows[0].wins, 3);
    EXPECT_TRUE(rows[0].finished);
    EXPECT_EQ(rows[1].position, 36);
    // The first Twin of the old banzuke is the first of the new one.
    const auto twins = reader.bashoRows(career, *reader.wrestlerNamed(career, "Twin"));
    ASSERT_EQ(twins.size(), 2u);
    EXPECT_EQ(twins[0].position, 10);
    EXPECT_EQ(twins[1].position, 28);
    EXPECT_EQ(twins[0].wins, 10);
    EXPECT_TRUE(h.told.empty());
}

TEST(History, AFilePutBackToAnOlderStepDropsTheLaterStepsAndACareerMetMidwayStartsThere)
{
    Recorded h;
    h.game.roster = makeRoster(7);
    h.game.roster[39].cbw = 3;
    h.game.roster[39].cbl = 3;
    const Roster older = h.game.roster;
    ASSERT_TRUE(saveRoster(older, h.game.savePath));
    ASSERT_EQ(h.game.load(), LoadResult::Loaded);
    for (int day = 7; day <= 9; ++day) {
        fightFirstPair(h.game.roster);
        ASSERT_TRUE(h.game.save());
        for (Rikishi& r : h.game.roster)
            ++r.day;
        ASSERT_TRUE(h.game.save());
    }
    EXPECT_EQ(h.reader().bouts(1).size(), 3u);

    // Another program puts the day-7 file back.
    ASSERT_TRUE(saveRoster(older, h.game.savePath));
    ASSERT_EQ(h.game.load(), LoadResult::Loaded);
    HistoryReader reader = h.reader();
    EXPECT_TRUE(reader.bouts(1).empty());
    const auto careers = reader.careers();
    ASSERT_EQ(careers.size(), 1u);
    EXPECT_FALSE(careers[0].fromStart);
    EXPECT_EQ(careers[0].knownFromDay, 7);
    const auto rows = reader.bashoRows(1, reader.player(1));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].wins, 3);
    EXPECT_FALSE(rows[0].finished);
}

TEST(History, AStepCommittedByAProgramThatDiedBeforeItsSaveIsDroppedOnTheNextOpening)
{
    Recorded h;
    h.game.roster = makeRoster(3);
    ASSERT_TRUE(h.game.save());
    Roster next = h.game.roster;
    fightFirstPair(next);
    // The history has the day's bout; the program dies before the file does.
    h.recorder->saving(next);
    EXPECT_EQ(h.reader().bouts(1).size(), 1u);
    h.recorder.reset();

    HistoryRecorder again(h.game.savePath, nullptr);
    Game game;
    game.savePath = h.game.savePath;
    game.witness = &again;
    ASSERT_EQ(game.load(), LoadResult::Loaded);
    EXPECT_TRUE(h.reader().bouts(1).empty());
    // The same step, done again, is there once.
    game.roster = next;
    ASSERT_TRUE(game.save());
    EXPECT_EQ(h.reader().bouts(1).size(), 1u);
    EXPECT_EQ(h.reader().careers().size(), 1u);
}

TEST(History, ANewerHistoryIsLeftAsItIsAndADamagedOneIsKeptAside)
{
    TempDir dir;
    const std::string path = dir.file("rikishi.history");
    {
        Database db(path, true);
        db.exec("PRAGMA user_version=99");
    }
    OpenedHistory newer = openHistoryForWriting(path);
    EXPECT_EQ(newer.db, nullptr);
    EXPECT_NE(newer.notice.find("newer"), std::string::npos) << newer.notice;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("")), {}), 1);

    std::filesystem::resize_file(path, 100);
    OpenedHistory damaged = openHistoryForWriting(path);
    ASSERT_NE(damaged.db, nullptr);
    EXPECT_NE(damaged.notice.find("kept as"), std::string::npos) << damaged.notice;
    EXPECT_NO_THROW(HistoryReader{path});
}
