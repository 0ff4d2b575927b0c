// A second career over the first: nothing of the old one is left in memory
// or in the file (the golden career's own bytes are the headless test's).
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "rules/core/SaveFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(NewCareer, ASecondCareerReplacesTheFirstInMemoryAndInTheFile)
{
    TempDir dir;
    Game game;
    game.savePath = dir.file("rikishi.r");
    buildNewCareer(game, CreationValues());
    for (Rikishi& r : game.roster) { // play on a little: promotions, wins, training
        r.rank = kOzeki;
        r.day = 9;
        r.cbw = r.gmw = 5;
        r.baseStrength += 2;
    }
    game.roster[7].yusho = 1;
    ASSERT_TRUE(game.save());

    CreationValues second;
    second.shikona = "Second";
    buildNewCareer(game, second);
    ASSERT_TRUE(game.save());
    Game loaded;
    loaded.savePath = game.savePath;
    ASSERT_EQ(loaded.load(), LoadResult::Loaded);
    Game fresh;
    buildNewCareer(fresh, second);
    for (std::size_t i = 0; i < kRosterSize; ++i) {
        Rikishi a = loaded.roster[i];
        Rikishi b = fresh.roster[i];
        EXPECT_EQ(shikonaOf(a), shikonaOf(b));
        // Behind a name's terminator the old name's tail may linger; genki is set afresh at every bout.
        std::memset(a.shikona, 0, sizeof a.shikona);
        std::memset(b.shikona, 0, sizeof b.shikona);
        a.genki = b.genki = 0;
        EXPECT_EQ(std::memcmp(&a, &b, sizeof(Rikishi)), 0) << i;
    }
}

// A new career whose save fails leaves the game on the career the file
// holds (roster, day and the day last shown, the bout not yet saved); once
// the save works, the new career starts at day 1 and the old bout is gone.
TEST(NewCareer, AFailedStartPutsTheOldCareerBack)
{
    TempDir dir;
    Game game;
    game.savePath = dir.file("rikishi.r");
    buildNewCareer(game, CreationValues());
    for (Rikishi& r : game.roster)
        r.day = 9;
    game.curDay = 9;
    game.lastResultsDay = 8;
    game.unsavedBout = UnsavedStep{};
    const Roster old = game.roster;

    CreationValues second;
    second.shikona = "Second";
    setSaveFaultHook([](const Roster&) { return SaveFailure::Write; });
    const SaveResult failed = startNewCareer(game, second);
    setSaveFaultHook(nullptr);
    EXPECT_EQ(failed.failure, SaveFailure::Write);
    EXPECT_EQ(std::memcmp(&game.roster, &old, sizeof old), 0);
    EXPECT_EQ(game.curDay, 9);
    EXPECT_EQ(game.lastResultsDay, 8);
    EXPECT_TRUE(game.unsavedBout.has_value());

    ASSERT_TRUE(startNewCareer(game, second));
    EXPECT_EQ(shikonaOf(game.roster[39]), "Second");
    EXPECT_EQ(game.curDay, 1);
    EXPECT_EQ(game.lastResultsDay, 0);
    EXPECT_FALSE(game.unsavedBout.has_value());
    for (const Rikishi& r : game.roster)
        EXPECT_EQ(r.day, 1);
    Game loaded;
    loaded.savePath = game.savePath;
    ASSERT_EQ(loaded.load(), LoadResult::Loaded);
    EXPECT_EQ(shikonaOf(loaded.roster[39]), "Second");
}

} // namespace
