// Rows, columns and labels of the banzuke view.
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "rules/tournament/BanzukeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

Roster newCareerRoster()
{
    Game game;
    buildNewCareer(game, CreationValues());
    return game.roster;
}

std::string placed(const BanzukeItem& item)
{
    return item.text + "@" + std::to_string(item.x) + "," + std::to_string(item.y);
}

// "text@x,y" of the slot's item of that kind, or "none".
std::string at(const BanzukeLayout& layout, BanzukeItem::Kind kind, int slot)
{
    for (const BanzukeItem& item : layout.items)
        if (item.kind == kind && item.slot == slot)
            return placed(item);
    return "none";
}

// "x,y" of the slot's name button.
std::string nameAt(const BanzukeLayout& layout, int slot)
{
    const std::string p = at(layout, BanzukeItem::Name, slot);
    return p.substr(p.find('@') + 1);
}

// Every rank word and row number, in order.
std::vector<std::string> rowLabels(const BanzukeLayout& layout)
{
    std::vector<std::string> out;
    for (const BanzukeItem& item : layout.items)
        if (item.kind == BanzukeItem::RankWord || item.kind == BanzukeItem::RowNumber)
            out.push_back(placed(item));
    return out;
}

TEST(BanzukeLayout, NewCareerRows)
{
    const BanzukeLayout layout = banzukeLayout(newCareerRoster());
    EXPECT_EQ(layout.title, "The Banzuke through day 0 of the basho");

    // Slots by row: Y 0|1, Y 2|-, O 3|4, O 5|-, S 6|7, K 8|9, K 10|11, then
    // fourteen Maegashira rows with the player West on the last.
    const std::vector<std::string> expected{"0,60",    "300,60",  "0,84",    "0,108",   "300,108",
                                            "0,132",   "0,156",   "300,156", "0,180",   "300,180",
                                            "0,204",   "300,204", "0,228",   "300,228", "0,252"};
    for (int slot = 0; slot < 15; ++slot)
        EXPECT_EQ(nameAt(layout, slot), expected[static_cast<std::size_t>(slot)]) << "slot " << slot;
    EXPECT_EQ(nameAt(layout, 37) + " " + nameAt(layout, 38) + " " + nameAt(layout, 39), "300,516 0,540 300,540");
    EXPECT_EQ(std::count_if(layout.items.begin(), layout.items.end(),
                            [](const BanzukeItem& i) { return i.kind == BanzukeItem::Name; }),
              40);

    const std::vector<std::string> labels = rowLabels(layout);
    const std::vector<std::string> head{"YOKOZUNA@180,64", "OZEKI@198,112", "SEKIWAKE@185,160",
                                        "KOMUSUBI@184,184", "MAEGASHIRA@177,232", "2@218,256", "3@218,280"};
    ASSERT_EQ(labels.size(), 5u + 13u);
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 7), head);
    EXPECT_EQ(labels.back(), "14@218,544");
    EXPECT_EQ(layout.bottom, 564);

    // Every wrestler stands 0-0, his labels 4 pixels below his button.
    EXPECT_EQ(at(layout, BanzukeItem::Wins, 39) + " " + at(layout, BanzukeItem::Dash, 39) + " " +
                  at(layout, BanzukeItem::Losses, 39),
              "0@413,544 -@423,544 0@429,544");
    EXPECT_EQ(at(layout, BanzukeItem::Wins, 0) + " " + at(layout, BanzukeItem::Losses, 0), "0@115,64 0@131,64");
    EXPECT_EQ(at(layout, BanzukeItem::Name, 39), "Kiriarashi@300,540");
}

TEST(BanzukeLayout, TwoDigitWinsStandFivePixelsLeftAndRecordZerosDayCounts)
{
    Roster roster = newCareerRoster();
    roster[0].cbw = 10;
    roster[1].cbw = 12;
    roster[2].cbw = 9;
    roster[2].cbl = 11;
    roster[5].day = 13;
    roster[0].day = 13;
    const BanzukeLayout layout = banzukeLayout(roster);
    EXPECT_EQ(at(layout, BanzukeItem::Wins, 0), "10@110,64");
    EXPECT_EQ(at(layout, BanzukeItem::Wins, 1), "12@408,64");
    EXPECT_EQ(at(layout, BanzukeItem::Wins, 2) + " " + at(layout, BanzukeItem::Losses, 2), "9@115,88 11@131,88")
        << "losses never move";
    EXPECT_EQ(layout.title, "The Banzuke through day 12 of the basho");
}

TEST(BanzukeLayout, OddRostersOpenLowerLeaveOutBadRanksAndKeepLongNames)
{
    Roster roster = newCareerRoster();
    for (std::size_t s = 0; s < 3; ++s)
        roster[s].rank = kOzeki;   // no Yokozuna at the top: the list opens one row lower
    roster[20].rank = 7;
    roster[0].day = INT32_MIN;
    std::memset(roster[21].shikona, 'z', sizeof roster[21].shikona);
    const BanzukeLayout layout = banzukeLayout(roster);
    EXPECT_EQ(nameAt(layout, 0) + " " + nameAt(layout, 1), "0,84 300,84");
    EXPECT_EQ(rowLabels(layout).front(), "OZEKI@198,88");
    EXPECT_EQ(at(layout, BanzukeItem::Name, 20), "none");
    EXPECT_EQ(at(layout, BanzukeItem::Name, 21).substr(0, 16), std::string(15, 'z') + "@");
    EXPECT_EQ(layout.title, "The Banzuke through day 2147483647 of the basho");
}

} // namespace
