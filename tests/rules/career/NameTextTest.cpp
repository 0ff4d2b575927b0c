// Names typed in UTF-8 and stored as Latin-1.
#include "rules/career/NameText.h"

#include <gtest/gtest.h>

TEST(NameText, AcceptsPrintableLatin1AndConvertsIt)
{
    EXPECT_EQ(latin1NameFromUtf8(""), std::string());
    EXPECT_EQ(latin1NameFromUtf8("Kiri Arashi"), std::string("Kiri Arashi"));
    EXPECT_EQ(latin1NameFromUtf8("J\xC3\xBCrgen"), std::string("J\xFCrgen"));
    EXPECT_EQ(latin1NameFromUtf8("\xC3\xBF"), std::string("\xFF"));
    EXPECT_EQ(latin1NameFromUtf8("\xC2\xA0~"), std::string("\xA0~"));
}

TEST(NameText, RefusesWhatTheSaveFileCannotHoldOrShow)
{
    EXPECT_FALSE(latin1NameFromUtf8("\xE2\x82\xAC"));      // the euro sign is not Latin-1
    EXPECT_FALSE(latin1NameFromUtf8("\xF0\x9F\x98\x80"));  // nor is anything past U+FFFF
    EXPECT_FALSE(latin1NameFromUtf8("a\tb"));
    EXPECT_FALSE(latin1NameFromUtf8("a\nb"));
    EXPECT_FALSE(latin1NameFromUtf8(std::string("a\0b", 3)));
    EXPECT_FALSE(latin1NameFromUtf8("\xC2\x85"));  // a C1 control character
    EXPECT_FALSE(latin1NameFromUtf8("\x7F"));
    // Malformed UTF-8: a Latin-1 byte as it stands, a cut sequence, overlong forms.
    EXPECT_FALSE(latin1NameFromUtf8("J\xFCrgen"));
    EXPECT_FALSE(latin1NameFromUtf8("ab\xC3"));
    EXPECT_FALSE(latin1NameFromUtf8("\xC1\x81"));
    EXPECT_FALSE(latin1NameFromUtf8("\xE0\x81\x81"));

    EXPECT_TRUE(isNameCharacter(U' '));
    EXPECT_FALSE(isNameCharacter(U'\x9F'));
    EXPECT_TRUE(isNameCharacter(U'\xE9'));
    EXPECT_FALSE(isNameCharacter(U'\x100'));
}
