// The record's text fields as the save file holds them, and the player's flag.
#include "rules/core/Rikishi.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Record, TextsFitTheirFieldsAndNeverReadPastThem)
{
    Rikishi r{};
    std::memset(r.shikona, 'x', sizeof r.shikona);
    r.age = 21.0f;
    setShikona(r, "Kirinoyamaumi"); // 13 characters: the last byte stays free
    setRealName(r, "Abcdefghijklmnopqrst");
    EXPECT_EQ(shikonaOf(r), "Kirinoyamaumi");
    EXPECT_EQ(r.shikona[14], 'x'); // bytes after the terminator keep what they held
    EXPECT_EQ(realNameOf(r), "Abcdefghijklmnopqrst");
    EXPECT_EQ(r.age, 21.0f); // the terminator ends right before the age

    setShikona(r, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    setRealName(r, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(shikonaOf(r), "ABCDEFGHIJKLM");
    EXPECT_EQ(realNameOf(r), "ABCDEFGHIJKLMNOPQRST");

    // A damaged file may hold no terminator at all: the field's width ends it.
    std::memset(r.shikona, 'Z', sizeof r.shikona);
    std::memset(r.realName, 'Y', sizeof r.realName);
    EXPECT_EQ(shikonaOf(r), std::string(15, 'Z'));
    EXPECT_EQ(realNameOf(r), std::string(21, 'Y'));
}

TEST(Record, PlayerIsFoundByHisFlagByte)
{
    Roster roster{};
    EXPECT_EQ(findPlayer(roster), -1);
    roster[39].isPlayer = 1;
    roster[5].isPlayer = 2; // only the value 1 marks the player
    EXPECT_EQ(findPlayer(roster), 39);
    roster[7].isPlayer = 1;
    EXPECT_EQ(findPlayer(roster), 7);
    EXPECT_EQ(countPlayers(roster), 2);
}
