// A day's results on rosters the day flow never hands over: no player, no such day.
#include "rules/tournament/DayResults.h"

#include "tests/support/DayFixtures.h"

#include <gtest/gtest.h>

TEST(DayResults, NoPlayerOrNoScheduledDayMeansNothingRecordedAndNothingCopied)
{
    Roster roster = makeRoster(1);
    for (Rikishi& r : roster)
        r.cbw = 1; // as if day 1 were decided, all but the player's bout
    roster[39].cbw = 0;
    EXPECT_TRUE(computerBoutsRecorded(roster, 1));
    Roster top = roster; // the player at the head of the banzuke (slot 0 meets 6 on day 1)
    top[39].cbw = 1;
    top[39].isPlayer = 0;
    top[0].isPlayer = 1;
    top[0].cbw = top[6].cbw = 0;
    EXPECT_TRUE(computerBoutsRecorded(top, 1));
    for (int day : {0, 16, -5})
        EXPECT_FALSE(computerBoutsRecorded(roster, day)) << day;
    roster[39].isPlayer = 0;
    EXPECT_FALSE(computerBoutsRecorded(roster, 1));

    Game game;
    game.roster = roster;
    game.curDay = 1;
    EXPECT_FALSE(copyBoutBack(game)); // nobody to copy back
    game.roster[39].isPlayer = 1;
    game.curDay = 16;
    EXPECT_FALSE(copyBoutBack(game));
}
