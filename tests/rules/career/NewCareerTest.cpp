// What a new career lays down beyond the golden career's bytes: the
// abilities' order, long names, and a second career over the first.
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

Rikishi newPlayer(const CreationValues& values)
{
    Game game;
    buildNewCareer(game, values);
    return game.roster[39];
}

TEST(NewCareer, PlayerTakesTheCreationValuesInDisplayOrderAndNamesAreCut)
{
    CreationValues v;
    v.abilities = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};   // distinct: each lands in one field
    v.shikona = "Abcdefghijklmnop";
    v.realName = std::string(30, 'x');
    const Rikishi p = newPlayer(v);
    const std::int32_t Rikishi::*order[] = {&Rikishi::baseStrength, &Rikishi::baseAgility, &Rikishi::tachiai,
                                            &Rikishi::jump,         &Rikishi::receive,     &Rikishi::defense,
                                            &Rikishi::oshi,         &Rikishi::yotsu,       &Rikishi::tsuppari,
                                            &Rikishi::tenage,       &Rikishi::hatakikomi,  &Rikishi::stamina};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(p.*order[i], i + 1) << "ability " << i;
    EXPECT_EQ(shikonaOf(p), "Abcdefghijklm");
    EXPECT_EQ(realNameOf(p), std::string(20, 'x'));
    EXPECT_EQ(p.age, 21.0f) << "a full real name leaves the age intact";
}

TEST(NewCareer, ASecondCareerReplacesTheFirstInMemoryAndInTheFile)
{
    TempDir dir;
    Game game;
    game.savePath = dir.file("rikishi.r");
    buildNewCareer(game, CreationValues());
    for (Rikishi& r : game.roster) {   // play on a little: promotions, wins, training
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

} // namespace
