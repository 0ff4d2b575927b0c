// Rows, columns and labels of the banzuke view.
#include "career/NewCareer.h"
#include "core/Game.h"
#include "tournament/BanzukeLayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

Roster newCareerRoster()
{
    Game game;
    buildNewCareer(game, CreationValues());
    return game.roster;
}

const BanzukeItem* find(const BanzukeLayout& layout, BanzukeItem::Kind kind, int slot)
{
    for (const BanzukeItem& item : layout.items)
        if (item.kind == kind && item.slot == slot)
            return &item;
    return nullptr;
}

// "text@x,y" of every rank word and row number, in order.
std::vector<std::string> rowLabels(const BanzukeLayout& layout)
{
    std::vector<std::string> out;
    for (const BanzukeItem& item : layout.items)
        if (item.kind == BanzukeItem::RankWord || item.kind == BanzukeItem::RowNumber)
            out.push_back(item.text + "@" + std::to_string(item.x) + "," + std::to_string(item.y));
    return out;
}

TEST(BanzukeLayout, NewCareerRows)
{
    const BanzukeLayout layout = banzukeLayout(newCareerRoster());
    EXPECT_EQ(layout.title, "The Banzuke through day 0 of the basho");

    // slot -> (x, y) of its name: Y 0|1, Y 2|-, O 3|4, O 5|-, S 6|7, K 8|9,
    // K 10|11, then fourteen Maegashira rows with the player West on the last.
    const std::map<int, std::pair<int, int>> expected{
        {0, {0, 60}},    {1, {300, 60}},   {2, {0, 84}},    {3, {0, 108}},  {4, {300, 108}},
        {5, {0, 132}},   {6, {0, 156}},    {7, {300, 156}}, {8, {0, 180}},  {9, {300, 180}},
        {10, {0, 204}},  {11, {300, 204}}, {12, {0, 228}},  {13, {300, 228}}, {14, {0, 252}},
        {37, {300, 516}}, {38, {0, 540}},  {39, {300, 540}},
    };
    for (const auto& [slot, at] : expected) {
        const BanzukeItem* name = find(layout, BanzukeItem::Name, slot);
        ASSERT_NE(name, nullptr) << slot;
        EXPECT_EQ(std::make_pair(name->x, name->y), at) << "slot " << slot;
    }
    int names = 0;
    for (const BanzukeItem& item : layout.items)
        if (item.kind == BanzukeItem::Name)
            ++names;
    EXPECT_EQ(names, 40);

    const std::vector<std::string> labels = rowLabels(layout);
    const std::vector<std::string> head{"YOKOZUNA@180,64", "OZEKI@198,112", "SEKIWAKE@185,160",
                                        "KOMUSUBI@184,184", "MAEGASHIRA@177,232", "2@218,256", "3@218,280"};
    ASSERT_EQ(labels.size(), 5u + 13u);
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 7), head);
    EXPECT_EQ(labels.back(), "14@218,544");
    EXPECT_EQ(layout.bottom, 564);

    // Every wrestler stands 0-0, his labels 4 pixels below his button.
    const BanzukeItem* wins = find(layout, BanzukeItem::Wins, 39);
    const BanzukeItem* dash = find(layout, BanzukeItem::Dash, 39);
    const BanzukeItem* losses = find(layout, BanzukeItem::Losses, 39);
    ASSERT_TRUE(wins && dash && losses);
    EXPECT_EQ(wins->text, "0");
    EXPECT_EQ(losses->text, "0");
    EXPECT_EQ(dash->text, "-");
    EXPECT_EQ(wins->x, 413);
    EXPECT_EQ(dash->x, 423);
    EXPECT_EQ(losses->x, 429);
    EXPECT_EQ(wins->y, 544);
    EXPECT_EQ(find(layout, BanzukeItem::Wins, 0)->x, 115);
    EXPECT_EQ(find(layout, BanzukeItem::Losses, 0)->x, 131);
    EXPECT_EQ(find(layout, BanzukeItem::Name, 39)->text, "Kiriarashi");
}

TEST(BanzukeLayout, TwoDigitWinsStandFivePixelsLeft)
{
    Roster roster = newCareerRoster();
    roster[0].cbw = 10;
    roster[1].cbw = 12;
    roster[2].cbw = 9;
    roster[2].cbl = 11;
    roster[5].day = 13;
    roster[0].day = 13;
    const BanzukeLayout layout = banzukeLayout(roster);
    EXPECT_EQ(find(layout, BanzukeItem::Wins, 0)->x, 110);
    EXPECT_EQ(find(layout, BanzukeItem::Wins, 1)->x, 408);
    EXPECT_EQ(find(layout, BanzukeItem::Wins, 2)->x, 115);
    EXPECT_EQ(find(layout, BanzukeItem::Losses, 2)->x, 131) << "losses never move";
    EXPECT_EQ(find(layout, BanzukeItem::Wins, 1)->text, "12");
    EXPECT_EQ(layout.title, "The Banzuke through day 12 of the basho") << "record 0's day counts";
}

TEST(BanzukeLayout, ListOpensOneRowLowerWithoutAYokozunaAtTheTop)
{
    Roster roster = newCareerRoster();
    for (std::size_t s = 0; s < 3; ++s)
        roster[s].rank = kOzeki;
    const BanzukeLayout layout = banzukeLayout(roster);
    EXPECT_EQ(find(layout, BanzukeItem::Name, 0)->y, 84);
    EXPECT_EQ(find(layout, BanzukeItem::Name, 1)->x, 300);
    EXPECT_EQ(rowLabels(layout).front(), "OZEKI@198,88");
}

TEST(BanzukeLayout, RecordsWithoutARankCodeAreLeftOut)
{
    Roster roster = newCareerRoster();
    roster[20].rank = 7;
    roster[0].day = INT32_MIN;
    std::memset(roster[21].shikona, 'z', sizeof roster[21].shikona);
    const BanzukeLayout layout = banzukeLayout(roster);
    EXPECT_EQ(find(layout, BanzukeItem::Name, 20), nullptr);
    EXPECT_EQ(find(layout, BanzukeItem::Name, 21)->text, std::string(15, 'z'));
    EXPECT_EQ(layout.title, "The Banzuke through day 2147483647 of the basho");
}

} // namespace
