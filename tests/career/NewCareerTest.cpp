// The roster a new career lays down, in memory and in the file.
#include "career/BuiltInField.h"
#include "career/NewCareer.h"
#include "core/Game.h"
#include "tests/core/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

Game newCareer(const CreationValues& values = CreationValues())
{
    Game game;
    buildNewCareer(game, values);
    return game;
}

TEST(NewCareer, LaysOutTheRanksSlotsAndDayOfAFreshBasho)
{
    const Game game = newCareer();
    int counts[5] = {};
    for (std::size_t i = 0; i < game.roster.size(); ++i) {
        const Rikishi& r = game.roster[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(r.slot, static_cast<std::int32_t>(i));
        EXPECT_EQ(r.day, 1);
        EXPECT_EQ(r.isPlayer, i == 39 ? 1 : 0);
        EXPECT_EQ(r.gmw + r.gml + r.cbw + r.cbl + r.yusho + r.junyusho, 0);
        ASSERT_LT(r.rank, 5);
        ++counts[r.rank];
        if (i > 0) {
            EXPECT_LE(r.rank, game.roster[i - 1].rank) << "banzuke order";
        }
    }
    EXPECT_EQ(counts[kYokozuna], 3);
    EXPECT_EQ(counts[kOzeki], 3);
    EXPECT_EQ(counts[kSekiwake], 2);
    EXPECT_EQ(counts[kKomusubi], 4);
    EXPECT_EQ(counts[kMaegashira], 28);
    EXPECT_EQ(game.roster[11].rank, kKomusubi);
    EXPECT_EQ(game.roster[12].rank, kMaegashira);
    EXPECT_EQ(game.curDay, 1);
    EXPECT_EQ(game.lastResultsDay, 0);
}

TEST(NewCareer, PlayerTakesTheCreationValuesInDisplayOrder)
{
    CreationValues v;
    v.shikona = "Kiriyama";
    v.realName = "Kenji Morita";
    v.height = 184;
    v.weight = 126;
    // Distinct values show which ability lands in which field.
    v.abilities = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const Rikishi p = newCareer(v).roster[39];
    EXPECT_EQ(shikonaOf(p), "Kiriyama");
    EXPECT_EQ(realNameOf(p), "Kenji Morita");
    EXPECT_EQ(p.height, 184);
    EXPECT_EQ(p.weight, 126);
    EXPECT_EQ(p.baseStrength, 1);
    EXPECT_EQ(p.baseAgility, 2);
    EXPECT_EQ(p.tachiai, 3);
    EXPECT_EQ(p.jump, 4);
    EXPECT_EQ(p.receive, 5);
    EXPECT_EQ(p.defense, 6);
    EXPECT_EQ(p.oshi, 7);
    EXPECT_EQ(p.yotsu, 8);
    EXPECT_EQ(p.tsuppari, 9);
    EXPECT_EQ(p.tenage, 10);
    EXPECT_EQ(p.hatakikomi, 11);
    EXPECT_EQ(p.stamina, 12);
    EXPECT_EQ(p.intangibles, 0);
    EXPECT_EQ(p.potential, 0);
    EXPECT_EQ(p.age, 21.0f);
    EXPECT_EQ(p.rank, kMaegashira);
    EXPECT_EQ(p.tachiaiStrategy1, 1);
    EXPECT_EQ(p.tachiaiStrategy2, 2);
    EXPECT_EQ(p.boutStrategy1, 2);
    EXPECT_EQ(p.boutStrategy2, 1);
    EXPECT_EQ(p.boutStrategy3, 6);
    EXPECT_EQ(p.rlw + p.rll + p.lbw + p.tbaw, 0);
}

TEST(NewCareer, BodyRatingsAreComputedForEveryone)
{
    const Game game = newCareer();
    // An untouched creation screen: height 180, weight 130, every ability 1.
    const Rikishi& p = game.roster[39];
    EXPECT_EQ(p.strength, -1);
    EXPECT_EQ(p.agility, 3);
    EXPECT_EQ(p.skill, 12);
    EXPECT_EQ(p.power, 18);
    // The two wrestlers the ratings were first worked out on by hand.
    EXPECT_EQ(game.roster[0].strength, 10);
    EXPECT_EQ(game.roster[0].agility, 15);
    EXPECT_EQ(game.roster[0].skill, 146);
    EXPECT_EQ(game.roster[0].power, 76);
    EXPECT_EQ(game.roster[2].strength, 14);
    EXPECT_EQ(game.roster[2].agility, 6);
    EXPECT_EQ(game.roster[2].skill, 123);
    EXPECT_EQ(game.roster[2].power, 73);
}

TEST(NewCareer, NamesFitTheirFieldsAndLongerOnesAreCut)
{
    CreationValues v;
    v.shikona = "Abcdefghijklm";          // 13, the most the edit takes
    v.realName = "Abcdefghij Klmnopqrs";  // 20
    Rikishi p = newCareer(v).roster[39];
    EXPECT_EQ(shikonaOf(p), v.shikona);
    EXPECT_EQ(realNameOf(p), v.realName);
    EXPECT_EQ(p.age, 21.0f) << "a full real name leaves the age intact";

    v.shikona = "Abcdefghijklmnop";
    v.realName = std::string(30, 'x');
    p = newCareer(v).roster[39];
    EXPECT_EQ(shikonaOf(p), "Abcdefghijklm");
    EXPECT_EQ(realNameOf(p), std::string(20, 'x'));

    v.shikona.clear();
    EXPECT_EQ(shikonaOf(newCareer(v).roster[39]), "") << "an empty name is stored as it is";
}

TEST(NewCareer, TheBuiltInFieldHasDistinctNamesThatFit)
{
    std::set<std::string> names;
    for (const FieldRow& row : builtInField()) {
        EXPECT_LE(std::strlen(row.shikona), 13u);
        EXPECT_LE(std::strlen(row.realName), 20u);
        names.insert(row.shikona);
    }
    EXPECT_EQ(names.size(), kFieldSize);
    EXPECT_EQ(names.count(CreationValues().shikona), 0u) << "the sample name is the player's own";
}

TEST(NewCareer, OnlyUnnamedBytesKeepWhatTheRosterHeld)
{
    Game game;
    for (Rikishi& r : game.roster) {
        r.genki = 77;
        r.cbw = 9;
        r.yusho = 3;
    }
    buildNewCareer(game, CreationValues());
    EXPECT_EQ(game.roster[4].genki, 77) << "set afresh at every bout";
    EXPECT_EQ(game.roster[4].cbw, 0);
    EXPECT_EQ(game.roster[4].yusho, 0);
}

TEST(NewCareer, SecondCareerReplacesTheFirstInTheFile)
{
    TempDir dir;
    Game game;
    game.savePath = dir.file("rikishi.r");
    buildNewCareer(game, CreationValues());
    ASSERT_TRUE(game.save());

    // Play on a little: computer wrestlers change, the day moves.
    for (Rikishi& r : game.roster) {
        r.day = 9;
        r.cbw = 5;
        r.gmw = 5;
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
    const Game fresh = newCareer(second);
    for (std::size_t i = 0; i < kRosterSize; ++i) {
        SCOPED_TRACE(i);
        Rikishi a = loaded.roster[i];
        Rikishi b = fresh.roster[i];
        EXPECT_EQ(shikonaOf(a), shikonaOf(b));
        EXPECT_EQ(realNameOf(a), realNameOf(b));
        // Behind a name's terminator the old name's tail may linger.
        std::memset(a.shikona, 0, sizeof a.shikona);
        std::memset(b.shikona, 0, sizeof b.shikona);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof(Rikishi)), 0);
    }
    EXPECT_EQ(shikonaOf(loaded.roster[39]), "Second");
}

} // namespace
