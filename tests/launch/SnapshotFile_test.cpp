#include "../data/DataBytes.h"

#include "data/SnapshotFile.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(SnapshotFile, RecordLayoutIsDigitsThenZeroFillerThenData)
{
    std::string bytes;
    ASSERT_TRUE(EncodeSnapshotRecord(13, "abc\0de", 6, bytes));
    EXPECT_EQ(bytes, SnapshotHeader("13", "6") + "abc\0de"s);

    // Seven digits of size still leave room for the terminating 0x00.
    std::string large(kSnapshotMaxDataSize, 'x');
    std::string big;
    ASSERT_TRUE(EncodeSnapshotRecord(49161, large.data(), large.size(), big));
    EXPECT_EQ(big.substr(0, 16), SnapshotHeader("49161", "9999999"));
    EXPECT_EQ(big.size(), 16 + large.size());

    std::string untouched = "keep";
    std::string tooLarge(kSnapshotMaxDataSize + 1, 'x');
    EXPECT_FALSE(EncodeSnapshotRecord(1, tooLarge.data(), tooLarge.size(), untouched));
    EXPECT_FALSE(EncodeSnapshotRecord(0, "a", 1, untouched));
    EXPECT_FALSE(EncodeSnapshotRecord(65536, "a", 1, untouched));
    EXPECT_EQ(untouched, "keep");
}

TEST(SnapshotFile, WholeFilesReadBackRecordByRecord)
{
    const std::string file = SnapshotHeader("1", "6") + "hello\0"s + SnapshotHeader("13", "12") +
                             "h\0e\0l\0l\0o\0\0\0"s + SnapshotHeader("16", "4") + "\x04\x08\0\0"s +
                             SnapshotHeader("49300", "0");
    const SnapshotContents contents = ParseSnapshot(file);
    EXPECT_TRUE(contents.IsWhole());
    std::string seen;
    for (const SnapshotRecord& record : contents.records)
        seen += std::to_string(record.format) + "@" + std::to_string(record.offset) + ":" + record.data + "|";
    EXPECT_EQ(seen, "1@0:hello\0|13@22:h\0e\0l\0l\0o\0\0\0|16@50:\x04\x08\0\0|49300@70:|"s);

    // Writing what was read gives the same bytes.
    EXPECT_EQ(EncodeSnapshot(contents.records), file);

    // An empty file is an empty clipboard, not damage.
    EXPECT_TRUE(ParseSnapshot("").IsWhole() && ParseSnapshot("").records.empty());

    // Filler after the digits is not looked at.
    std::string header = SnapshotHeader("1", "2");
    header[3] = 'Z';
    header[12] = 'Q';
    EXPECT_TRUE(ParseSnapshot(header + "ok").IsWhole());
}

// Reads past the end of cut files are the fuzz target's to find, under the address sanitizer.
TEST(SnapshotFile, DamageStopsReadingAndKeepsWhatWasWhole)
{
    const std::string good = SnapshotHeader("1", "3") + "abc";
    struct Case {
        const char* name;
        std::string tail;
        const char* problem;
    };
    const Case cases[] = {
        {"header cut short", "7\0\0\0"s, "cut short"},
        {"data cut short", SnapshotHeader("7", "10") + "12345", "cut short"},
        {"size of eight digits", SnapshotHeader("1", "10000000") + "x", "eight digits"},
        {"size slot all digits, no terminator", SnapshotHeader("1", "99999999"), "eight digits"},
        {"size slot not a number", SnapshotHeader("1", "x3") + "abc", "size slot"},
        {"size slot empty", SnapshotHeader("1", "") + "abc", "size slot"},
        {"format not a number", SnapshotHeader("CF", "3") + "abc", "format slot"},
        {"format zero", SnapshotHeader("0", "3") + "abc", "out of range"},
        {"format of six digits", SnapshotHeader("100000", "3") + "abc", "out of range"},
        {"format above 16 bits", SnapshotHeader("65536", "3") + "abc", "out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = good + c.tail;
        const SnapshotContents contents = ParseSnapshot(file.data(), file.size());
        ASSERT_EQ(contents.records.size(), 1u);
        EXPECT_EQ(contents.records[0].data, "abc");
        ASSERT_EQ(contents.problems.size(), 1u);
        EXPECT_EQ(contents.problems[0].offset, good.size());
        EXPECT_NE(contents.problems[0].what.find(c.problem), std::string::npos) << contents.problems[0].what;
    }
}
