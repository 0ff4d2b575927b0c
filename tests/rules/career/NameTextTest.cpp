// Names typed in UTF-8 and stored as Latin-1.
#include "rules/career/NameText.h"

#include <gtest/gtest.h>

TEST(NameText, AcceptsPrintableLatin1AndRefusesWhatTheFileCannotHoldOrShow)
{
    EXPECT_EQ(latin1NameFromUtf8(""), std::string());
    EXPECT_EQ(latin1NameFromUtf8("J\xC3\xBCrgen"), std::string("J\xFCrgen"));
    EXPECT_EQ(latin1NameFromUtf8("\xC3\xBF"), std::string("\xFF"));
    EXPECT_EQ(latin1NameFromUtf8("\xC2\xA0~ "), std::string("\xA0~ "));

    for (const std::string& bad : std::initializer_list<std::string>{"\xE2\x82\xAC", // the euro sign is not Latin-1
                                                                     "\xF0\x9F\x98\x80", // nor is anything past U+FFFF
                                                                     "a\tb", "a\nb", std::string("a\0b", 3), "\xC2\x85", "\x7F",
                                                                     "J\xFCrgen", // a Latin-1 byte as it stands
                                                                     "ab\xC3", "\xC1\x81", "\xE0\x81\x81"}) // cut, overlong
        EXPECT_FALSE(latin1NameFromUtf8(bad)) << bad;
    EXPECT_FALSE(isNameCharacter(U'\x9F'));
    EXPECT_TRUE(isNameCharacter(U'\xE9'));
    EXPECT_FALSE(isNameCharacter(U'\x100'));
}
