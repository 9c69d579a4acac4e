#include "data/ShortName.h"
#include "data/SyllableTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// GB2312 double-byte characters written as their codes.
const std::string kBei = "\xB1\xB1";  // reading bei
const std::string kJing = "\xBE\xA9"; // reading jing
const std::string kDi = "\xB5\xD8";   // reading di
const std::string kYou = "\xD3\xCE";  // reading you
const std::string kA = "\xB0\xA1";    // the first level-1 character
const std::string kLevel2 = "\xD8\xA1";
const std::string kFullStop = "\xA1\xA3"; // punctuation row, no reading
} // namespace

TEST(SyllableTable, IsSortedAndCoversEveryStartCode)
{
    for (size_t i = 1; i < kSyllableCount; ++i)
        EXPECT_LT(g_syllableTable[i - 1].startCode, g_syllableTable[i].startCode) << i;
    // Each start code and the code just before the next start belong to the entry.
    for (size_t i = 0; i + 1 < kSyllableCount; ++i) {
        const unsigned last = g_syllableTable[i + 1].startCode - 1u;
        EXPECT_EQ(SyllableOf(last >> 8, last & 0xFF), g_syllableTable[i].syllable);
    }
}

TEST(SyllableOf, BoundsOfTheLevelOneBlock)
{
    EXPECT_EQ(SyllableOf(0xB0, 0xA0), "a"); // one below the first start code
    EXPECT_EQ(SyllableOf(0xB0, 0x9F), "");
    EXPECT_EQ(SyllableOf(0xA1, 0xA3), "");
    EXPECT_EQ(SyllableOf('A', 'B'), "");
    EXPECT_EQ(SyllableOf(0xB0, 0xA3), "ai");
    EXPECT_EQ(SyllableOf(0xC2, 0xBF), "lv");
    EXPECT_EQ(SyllableOf(0xD7, 0xF9), "zuo");
    // Everything from the last start code upward, level 2 included, reads as the last entry.
    EXPECT_EQ(SyllableOf(0xD8, 0xA1), "zuo");
    EXPECT_EQ(SyllableOf(0xFF, 0xFF), "zuo");
}

TEST(AsciiInitials, WordsDotsAndSingleWords)
{
    EXPECT_EQ(AsciiInitials(""), "");
    EXPECT_EQ(AsciiInitials("Microsoft Word 2003"), "MW2");
    EXPECT_EQ(AsciiInitials("Notepad"), "Notepad");
    EXPECT_EQ(AsciiInitials("Notepad "), "Notepad ");
    EXPECT_EQ(AsciiInitials("v1.2.3"), "v1.2.3"); // a single word keeps its dots
    EXPECT_EQ(AsciiInitials("  many   blanks  between "), "mbb");
    EXPECT_EQ(AsciiInitials("open .hidden files"), "of");
    EXPECT_EQ(AsciiInitials("lower Case Kept"), "lCK");
}

TEST(MakeShortName, LatinAndChineseNamesAndOddByteSequences)
{
    EXPECT_EQ(MakeShortName("Microsoft Word 2003"), "MW2");
    EXPECT_EQ(MakeShortName(kBei + kJing), "bj");
    EXPECT_EQ(MakeShortName(kBei + kJing + kDi + kYou + kA), "bjdy"); // only four characters count
    EXPECT_EQ(MakeShortName("QQ" + kDi + kYou), "QQdy");
    EXPECT_EQ(MakeShortName("Tencent QQ " + kDi + kYou), "TQdy");
    EXPECT_EQ(MakeShortName(kLevel2 + kLevel2), "zz");
    EXPECT_EQ(MakeShortName(kA + kLevel2), "az");

    // Symbols without a reading give no letters; the name then falls back to its initials.
    EXPECT_EQ(MakeShortName(kFullStop + kFullStop), kFullStop + kFullStop);
    EXPECT_EQ(MakeShortName("Big Box " + kFullStop), "BB");
    EXPECT_EQ(MakeShortName("Big " + kFullStop + " Box"), "Big"); // " B" and "ox" are pairs without a reading

    // The pairing does not re-align after a Latin letter: "x" is paired with the next lead byte,
    // and that lead byte's own trail byte starts the next step.
    EXPECT_EQ(MakeShortName(kBei + "x" + kJing), "b");
    // A lone lead byte at the end is paired with 0 and still gives a letter.
    EXPECT_EQ(MakeShortName(kBei + "\xBE"), "bj");
    EXPECT_EQ(MakeShortName("\xBE"), "j");
    EXPECT_EQ(MakeShortName("\xB0"), "\xB0"); // B000 is below the first reading
    // A trailing Latin letter after four steps is ignored.
    EXPECT_EQ(MakeShortName(kA + kA + kA + kA + "Z"), "aaaa");
}
