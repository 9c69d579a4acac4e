#include "data/ProfileValue.h"

#include <gtest/gtest.h>

#include <string>

// How values travel through a profile section is the hand-off test's (under Wine); here the
// decoding of stored texts that were cut or edited by hand.
TEST(ProfileValue, DecodingCutsToTheLimitAndDropsACutEscape)
{
    EXPECT_EQ(DecodeProfileValue("abcdef", 4), "abcd");
    EXPECT_EQ(DecodeProfileValue("a%0D%0A", 2), "a\r");
    // A stored text cut inside an escape loses the broken escape only.
    EXPECT_EQ(DecodeProfileValue("line%0", 100), "line");
    EXPECT_EQ(DecodeProfileValue("line%", 100), "line");
    // A hand-edited "%" that starts no escape stays.
    EXPECT_EQ(DecodeProfileValue("100%zz", 100), "100%zz");
    EXPECT_EQ(DecodeProfileValue(EncodeProfileValue("\xC4\xE3\xBA\xC3 %"), 100), "\xC4\xE3\xBA\xC3 %");
    // No value carries a NUL, however it was written.
    EXPECT_EQ(DecodeProfileValue("%00a%00b", 100), "ab");
    EXPECT_EQ(EncodeProfileValue(std::string("a\0b", 3)), "ab");
    // A value cut at the limit keeps whole characters of its code page.
    EXPECT_EQ(DecodeProfileValue("ab\xB1\x41", 3, LeadBytes::Of(936)), "ab");
    EXPECT_EQ(DecodeProfileValue("ab\xB1\x41", 3, LeadBytes::Of(932)), "ab\xB1");
    EXPECT_EQ(DecodeProfileValue("ab\xB1\x41", 3, LeadBytes::Of(1252)), "ab\xB1");
}
