// The roster a new career lays down, in memory and in the file.
#include "rules/career/BuiltInField.h"
#include "rules/career/NewCareer.h"
#include "rules/core/BodyRatings.h"
#include "rules/core/Game.h"
#include "tests/support/TempDir.h"

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

TEST(NewCareer, LaysOutTheRanksSlotsRatingsAndDayOfAFreshBasho)
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
        // The body ratings are worked out for everyone (their sums are tested with the ratings).
        Rikishi rated = r;
        computeBodyRatings(rated);
        EXPECT_EQ((std::vector<int>{r.strength, r.agility, r.skill, r.power}),
                  (std::vector<int>{rated.strength, rated.agility, rated.skill, rated.power}));
    }
    EXPECT_EQ((std::vector<int>{counts[kYokozuna], counts[kOzeki], counts[kSekiwake], counts[kKomusubi],
                                counts[kMaegashira]}),
              (std::vector<int>{3, 3, 2, 4, 28}));
    EXPECT_EQ(game.roster[11].rank, kKomusubi);
    EXPECT_EQ(game.roster[12].rank, kMaegashira);
    EXPECT_EQ(game.roster[0].power, 76);
    EXPECT_EQ(game.roster[39].power, 18);
    EXPECT_EQ(game.curDay * 10 + game.lastResultsDay, 10);
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
    EXPECT_EQ(p.height * 1000 + p.weight, 184126);
    const std::int32_t Rikishi::*order[] = {&Rikishi::baseStrength, &Rikishi::baseAgility, &Rikishi::tachiai,
                                            &Rikishi::jump,         &Rikishi::receive,     &Rikishi::defense,
                                            &Rikishi::oshi,         &Rikishi::yotsu,       &Rikishi::tsuppari,
                                            &Rikishi::tenage,       &Rikishi::hatakikomi,  &Rikishi::stamina};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(p.*order[i], i + 1) << "ability " << i;
    EXPECT_EQ(p.intangibles + p.potential, 0);
    EXPECT_EQ(p.age, 21.0f);
    EXPECT_EQ(p.rank, kMaegashira);
    EXPECT_EQ((std::vector<int>{p.tachiaiStrategy1, p.tachiaiStrategy2, p.boutStrategy1, p.boutStrategy2,
                                p.boutStrategy3}),
              (std::vector<int>{1, 2, 2, 1, 6}));
    EXPECT_EQ(p.rlw + p.rll + p.lbw + p.tbaw, 0);
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

    // The built-in field's names are distinct, fit, and leave the sample name to the player.
    std::set<std::string> names;
    for (const FieldRow& row : builtInField()) {
        EXPECT_LE(std::strlen(row.shikona), 13u);
        EXPECT_LE(std::strlen(row.realName), 20u);
        names.insert(row.shikona);
    }
    EXPECT_EQ(names.size(), kFieldSize);
    EXPECT_EQ(names.count(CreationValues().shikona), 0u);
}

TEST(NewCareer, ASecondCareerReplacesTheFirstInMemoryAndInTheFile)
{
    TempDir dir;
    Game game;
    game.savePath = dir.file("rikishi.r");
    buildNewCareer(game, CreationValues());
    // Play on a little: computer wrestlers change, the day moves.
    for (Rikishi& r : game.roster) {
        r.day = 9;
        r.cbw = 5;
        r.gmw = 5;
        r.genki = 77;
        r.baseStrength += 2;
    }
    game.roster[7].yusho = 1;
    ASSERT_TRUE(game.save());

    CreationValues second;
    second.shikona = "Second";
    buildNewCareer(game, second);
    EXPECT_EQ(game.roster[4].genki, 77) << "set afresh at every bout, so left as it was";
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
        // Behind a name's terminator the old name's tail may linger; genki is unnamed.
        std::memset(a.shikona, 0, sizeof a.shikona);
        std::memset(b.shikona, 0, sizeof b.shikona);
        a.genki = b.genki = 0;
        EXPECT_EQ(std::memcmp(&a, &b, sizeof(Rikishi)), 0);
    }
    EXPECT_EQ(shikonaOf(loaded.roster[39]), "Second");
}

} // namespace
