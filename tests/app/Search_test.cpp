#include "app/HotkeyIds.h"
#include "app/PrefixSearch.h"
#include "data/TextTrim.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
size_t Find(const std::vector<std::string>& rows, const std::string& typed, const LeadBytes& lead = LeadBytes::Of(936))
{
    return FindFirstPrefixRow(
        rows.size(), [&](size_t row) -> const std::string& { return rows[row]; }, typed, lead);
}
} // namespace

TEST(PrefixSearch, FirstRowInListOrderWhoseStartMatchesIgnoringCase)
{
    const std::vector<std::string> shortNames = {"mw2", "N", "nod", "Notepad", "O"};
    EXPECT_EQ(Find(shortNames, "N"), 1u);
    EXPECT_EQ(Find(shortNames, "no"), 2u);
    EXPECT_EQ(Find(shortNames, "NOT"), 3u);
    EXPECT_EQ(Find(shortNames, "o"), 4u);
    EXPECT_EQ(Find(shortNames, "x"), kNoRow);
    EXPECT_EQ(Find(shortNames, ""), kNoRow);
    // Typed text longer than every cell matches nothing, and blanks are matched as typed.
    EXPECT_EQ(Find(shortNames, "notepad++"), kNoRow);
    EXPECT_EQ(Find(shortNames, " n"), kNoRow);
}

TEST(PrefixSearch, DoubleByteCharactersAreComparedAsTheyAre)
{
    // 0xC1 0x41 is one double-byte character whose second byte looks like 'A'.
    const std::string lead = "\xC1";
    const std::vector<std::string> names = {lead + "a", lead + "Ab"};
    EXPECT_EQ(Find(names, lead + "A"), 1u);
    EXPECT_EQ(TrimBlanks("  nod \t"), "nod");
    EXPECT_EQ(TrimBlanks("   "), "");
    // On a Western code page 0xC1 is a letter of its own (A acute): the letter after it is
    // compared without regard to case.
    EXPECT_EQ(Find(names, lead + "A", LeadBytes::Of(1252)), 0u);
}

TEST(HotkeyIds, GrowFromA002SkippingBuiltInIdsAndWrapInsideTheRange)
{
    EXPECT_EQ(NextItemHotkeyId(kToggleWindowHotkeyId), 0xA002u);
    // 0xA010 to 0xA012 belong to the capture and save hotkeys.
    EXPECT_EQ(NextItemHotkeyId(0xA00F), 0xA013u);
    EXPECT_EQ(NextItemHotkeyId(0xBFFE), 0xBFFFu);
    EXPECT_EQ(NextItemHotkeyId(0xBFFF), 0xA002u);
    for (uint32_t last = 0xA001; last <= 0xBFFF; ++last) {
        const uint32_t next = NextItemHotkeyId(last);
        ASSERT_FALSE(IsBuiltInHotkeyId(next));
        ASSERT_GE(next, kFirstItemHotkeyId);
        ASSERT_LE(next, kLastHotkeyId);
    }
}
