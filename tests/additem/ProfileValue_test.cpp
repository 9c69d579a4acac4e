#include "data/ProfileValue.h"

#include <gtest/gtest.h>

#include <string>

TEST(ProfileValue, PlainTextAndPathsTravelUnchanged)
{
    for (const std::string text : {"Notepad", "C:\\Program Files\\Tool\\tool.exe", "a b  c", "x=y;z", ""}) {
        EXPECT_EQ(EncodeProfileValue(text), text);
        EXPECT_EQ(DecodeProfileValue(text, 1023), text);
    }
}

TEST(ProfileValue, WhatAProfileLineWouldLoseComesBack)
{
    const std::string values[] = {
        "first line\r\nNodeID=forged\r\n[other]\r\nlast",
        "  indented and trailing \t",
        "\"quoted\"",
        "'single'",
        "50% done, %25 literal",
        "\xC4\xE3\xBA\xC3 double-byte",
    };
    for (const std::string& value : values) {
        const std::string stored = EncodeProfileValue(value);
        EXPECT_EQ(stored.find_first_of("\r\n\"'"), std::string::npos) << stored;
        EXPECT_NE(stored.front(), ' ');
        EXPECT_NE(stored.back(), ' ');
        EXPECT_EQ(DecodeProfileValue(stored, 1023), value);
    }
}

TEST(ProfileValue, DecodingCutsToTheLimitAndDropsACutEscape)
{
    EXPECT_EQ(DecodeProfileValue("abcdef", 4), "abcd");
    EXPECT_EQ(DecodeProfileValue("a%0D%0A", 2), "a\r");
    // A stored text cut inside an escape loses the broken escape only.
    EXPECT_EQ(DecodeProfileValue("line%0", 100), "line");
    EXPECT_EQ(DecodeProfileValue("line%", 100), "line");
    // A hand-edited "%" that starts no escape stays.
    EXPECT_EQ(DecodeProfileValue("100%zz", 100), "100%zz");
}
