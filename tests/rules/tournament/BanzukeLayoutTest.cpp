// Rows, columns and labels of the banzuke view.
#include "rules/career/NewCareer.h"
#include "rules/core/Game.h"
#include "rules/tournament/BanzukeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

// "text@x,y" of every item of the slot (-1: the rank words and row numbers), in order.
std::string items(const BanzukeLayout& layout, int slot)
{
    std::string out;
    for (const BanzukeItem& i : layout.items)
        if (i.slot == slot)
            out += i.text + "@" + std::to_string(i.x) + "," + std::to_string(i.y) + " ";
    return out;
}

TEST(BanzukeLayout, RowsColumnsAndLabelsOfANewCareerAndOfOddRosters)
{
    Game game;
    buildNewCareer(game, CreationValues());
    Roster& roster = game.roster;
    roster[0].cbw = 10; // two-digit wins stand five pixels left; losses never move
    roster[1].cbw = 9;
    roster[1].cbl = 11;
    BanzukeLayout layout = banzukeLayout(roster);
    EXPECT_EQ(layout.title, "The Banzuke through day 0 of the basho");
    EXPECT_EQ(items(layout, 0), shikonaOf(roster[0]) + "@0,60 10@110,64 -@125,64 0@131,64 ");
    EXPECT_EQ(items(layout, 1), shikonaOf(roster[1]) + "@300,60 9@413,64 -@423,64 11@429,64 ");
    // Y 0|1, Y 2|-, O 3|4: every other group opens a row of its own.
    EXPECT_EQ(items(layout, 2).substr(shikonaOf(roster[2]).size()), "@0,84 0@115,88 -@125,88 0@131,88 ");
    EXPECT_EQ(items(layout, 4).substr(shikonaOf(roster[4]).size(), 8), "@300,108");
    EXPECT_EQ(items(layout, 39), "Kiriarashi@300,540 0@413,544 -@423,544 0@429,544 ");
    const std::string labels = items(layout, -1);
    EXPECT_EQ(labels.rfind("YOKOZUNA@180,64 OZEKI@198,112 SEKIWAKE@185,160 KOMUSUBI@184,184 "
                           "MAEGASHIRA@177,232 2@218,256 3@218,280 ",
                           0),
              0u)
        << labels;
    EXPECT_EQ(labels.substr(labels.size() - 22), "13@218,520 14@218,544 ");
    EXPECT_EQ(std::count(labels.begin(), labels.end(), '@'), 5 + 13);
    EXPECT_EQ(layout.bottom, 564);

    // No Yokozuna at the top: the list opens one row lower. Unknown ranks
    // are left out; damaged days and names are shown as they are.
    for (std::size_t s = 0; s < 3; ++s)
        roster[s].rank = kOzeki;
    roster[20].rank = 7;
    roster[0].day = INT32_MIN;
    std::memset(roster[21].shikona, 'z', sizeof roster[21].shikona);
    layout = banzukeLayout(roster);
    EXPECT_EQ(items(layout, 0).substr(shikonaOf(roster[0]).size(), 6), "@0,84 ");
    EXPECT_EQ(items(layout, -1).substr(0, 13), "OZEKI@198,88 ");
    EXPECT_EQ(items(layout, 20), "");
    EXPECT_EQ(items(layout, 21).substr(0, 18), std::string(15, 'z') + "@0,");
    EXPECT_EQ(layout.title, "The Banzuke through day 2147483647 of the basho");
}

// What a screen reader says for a name: rank, row where the rank has more
// than one, side, name and record, counted in words.
TEST(BanzukeLayout, EachNameIsReadAsItsWholeEntry)
{
    Game game;
    buildNewCareer(game, CreationValues());
    Roster& roster = game.roster;
    roster[0].cbw = 1;
    roster[0].cbl = 0;
    roster[39].cbw = 4;
    roster[39].cbl = 1;
    const BanzukeLayout layout = banzukeLayout(roster);
    auto spoken = [&layout](int slot) {
        for (const BanzukeItem& i : layout.items)
            if (i.slot == slot && i.kind == BanzukeItem::Name)
                return i.spoken;
        return std::string("(none)");
    };
    EXPECT_EQ(spoken(0), "Yokozuna East, " + shikonaOf(roster[0]) + ", 1 win 0 losses");
    EXPECT_EQ(spoken(3), "Ozeki East, " + shikonaOf(roster[3]) + ", 0 wins 0 losses");
    EXPECT_EQ(spoken(39), "Maegashira 14 West, Kiriarashi, 4 wins 1 loss");
    for (const BanzukeItem& i : layout.items)
        EXPECT_EQ(i.spoken.empty(), i.kind != BanzukeItem::Name) << i.text;
}

} // namespace
