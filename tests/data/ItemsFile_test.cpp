#include "DataBytes.h"
#include "TempFolder.h"

#include "data/FileAccess.h"
#include "data/ItemsFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
const std::string kGuidA = "0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9";
const std::string kGuidB = "FEDCBA98-7654-3210-FEDC-BA9876543210";

// A live item, a tombstone left by deleting its catalog (guid kept) and one left by deleting
// the item itself (guid gone).
ItemList ThreeItems()
{
    ItemList items;
    const ShortcutItem word{"Word", "W", "Ctrl", "F2", "", "Writes", "0", kGuidA, "C:\\Office\\word.exe"};
    items.Append(word);
    items.Append(word);
    items.Tombstone(1, true);
    items.Append(word);
    items.At(2).guid = kGuidB;
    items.Tombstone(2, false);
    return items;
}

std::string ThreeItemsBytes(const char* count = "0000000000000003")
{
    return Header(count) + "0004Word0001W0004Ctrl0002F200000006Writes00010" + "0036" + kGuidA +
           "0018C:\\Office\\word.exe" + "000000000000000000000000" + "0002-1" + "0036" + kGuidA + "0000" +
           "000000000000000000000000" + "0002-1" + "0000" + "0000";
}

ItemList Load(const std::string& bytes, ItemsLoadReport* report = nullptr)
{
    ItemList items;
    DecodeItems(bytes.data(), bytes.size(), items, report);
    return items;
}

void ExpectSame(const ItemList& a, const ItemList& b)
{
    ASSERT_EQ(a.Count(), b.Count());
    for (size_t i = 0; i < a.Count(); ++i)
        EXPECT_EQ(a.At(i), b.At(i)) << "item " << i;
}
} // namespace

// Three records and an empty list written and read byte for byte; a failed rewrite changes nothing.
TEST(ItemsFile, WrittenAndReadByteForByteAndAFailedRewriteChangesNothing)
{
    TempFolder folder;
    const std::string path = folder.File("Shortcut2.dat");
    ItemList loaded;
    EXPECT_FALSE(LoadItems(path, loaded)) << "no file yet";
    EXPECT_EQ(loaded.Count(), 0u);
    const ItemList items = ThreeItems();
    ASSERT_TRUE(SaveItems(path, items));
    EXPECT_EQ(ReadBytes(path), ThreeItemsBytes());
    EXPECT_FALSE(FileExists(FreshFileName(path).c_str()));

    ItemsLoadReport report;
    ASSERT_TRUE(LoadItems(path, loaded, &report));
    ExpectSame(loaded, items);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(report.records, 3u);
    EXPECT_EQ(report.editingFlag, 0);

    // The header count is informative: a stale one changes nothing.
    ExpectSame(Load(ThreeItemsBytes("0000000000000002")), items);
    ExpectSame(Load(ThreeItemsBytes("xxxxxxxxxxxxxxxx")), items);

    // The editing flag is the first byte only.
    ASSERT_TRUE(WriteEditingFlag(path, true));
    std::string flagged = ThreeItemsBytes();
    flagged[0] = '\x01';
    EXPECT_EQ(ReadBytes(path), flagged);
    ItemList again;
    ASSERT_TRUE(LoadItems(path, again, &report));
    EXPECT_EQ(report.editingFlag, 1);
    ExpectSame(again, items);
    ASSERT_TRUE(WriteEditingFlag(folder.File("new.dat"), true));
    EXPECT_EQ(ReadBytes(folder.File("new.dat")), "\x01");

    // A failed rewrite leaves the old file whole: the place the new file is built in is taken by
    // a folder that cannot be removed.
    std::filesystem::create_directories(FreshFileName(path) + "/busy");
    const ItemList other = Items(1);
    EXPECT_FALSE(SaveItems(path, other));
    EXPECT_EQ(ReadBytes(path), flagged);

    // A leftover of an interrupted save is simply replaced.
    std::filesystem::remove_all(FreshFileName(path));
    WriteBytes(FreshFileName(path), "stale bytes of an earlier crash");
    ASSERT_TRUE(SaveItems(path, other));
    EXPECT_EQ(ReadBytes(path), EncodeItemsFile(other));
    EXPECT_FALSE(FileExists(FreshFileName(path).c_str()));

    // An empty list is the editing flag alone: a file of one byte. Exactly a header: nothing to
    // load, nothing wrong.
    ASSERT_TRUE(SaveItems(path, ItemList()));
    EXPECT_EQ(ReadBytes(path), std::string(1, '\0'));
    ItemList empty;
    EXPECT_TRUE(LoadItems(path, empty, &report));
    EXPECT_EQ(empty.Count(), 0u);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(Load(Header("0000000000000000"), &report).Count(), 0u);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(Load(Header("0000000000000000").substr(0, 60), &report).Count(), 0u);
    EXPECT_EQ(report.problems.size(), 1u);
}

TEST(ItemsFile, DamagedDataLoadsWholeRecordsAndStops)
{
    const std::string whole = ThreeItemsBytes();
    const size_t firstEnd = 116 + 4 * 9 + 4 + 1 + 4 + 2 + 6 + 1 + 36 + 18;
    const size_t secondEnd = firstEnd + 4 * 9 + 2 + 36;
    // Cut at every length: never a read past the end, always the records that are whole.
    for (size_t size = 0; size <= whole.size(); ++size) {
        const std::string cut = whole.substr(0, size);
        ItemsLoadReport report;
        ItemList items = Load(cut, &report);
        size_t expected = size >= whole.size() ? 3 : size >= secondEnd ? 2 : size >= firstEnd ? 1 : 0;
        ASSERT_EQ(items.Count(), expected) << "size " << size;
        bool onBoundary = size <= 1 || size == 116 || size == firstEnd || size == secondEnd || size == whole.size();
        EXPECT_EQ(report.problems.empty(), onBoundary) << "size " << size;
    }

    // Length slots that are not four digits end the reading where they stand.
    for (const char* slot : {"00a4", "-001", " 004", "4\0\0\0"}) {
        std::string bad = whole;
        bad.replace(firstEnd + 4 + 4, 4, std::string(slot, 4));
        ItemsLoadReport report;
        EXPECT_EQ(Load(bad, &report).Count(), 1u) << slot;
        ASSERT_EQ(report.problems.size(), 1u);
        EXPECT_EQ(report.problems[0].offset, int64_t(firstEnd + 8));
        EXPECT_NE(report.problems[0].text.find("four digits"), std::string::npos);
    }

    // A length that runs past the end.
    std::string tooLong = whole;
    tooLong.replace(whole.size() - 4, 4, "9999");
    EXPECT_EQ(Load(tooLong).Count(), 2u);
}

TEST(ItemsFile, LongFieldsAreCutOnWholeCharacters)
{
    ItemList items;
    ShortcutItem item;
    item.Name = std::string(10000, 'x');
    // A double-byte character across the limit goes whole or not at all.
    item.Description = std::string(9998, 'a') + "\xB0\xA1" + "tail";
    item.ExePath = std::string(9997, 'a') + "\xD6\xD0" + "\xCE\xC4";
    item.ShortName = std::string(9999, 'k');
    items.Append(item);

    const LeadBytes gbk = LeadBytes::Of(936);
    const std::string bytes = EncodeItemsFile(items, gbk);
    ItemsLoadReport report;
    ItemList loaded = Load(bytes, &report);
    ASSERT_EQ(loaded.Count(), 1u);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(loaded.At(0).Name, std::string(9999, 'x'));
    EXPECT_EQ(loaded.At(0).Description, std::string(9998, 'a'));
    EXPECT_EQ(loaded.At(0).ExePath, std::string(9997, 'a') + "\xD6\xD0");
    EXPECT_EQ(loaded.At(0).ShortName, item.ShortName);
    // What was read back writes back the same.
    EXPECT_EQ(EncodeItemsFile(loaded, gbk), bytes);

    // The same bytes under each code page: 0xB1 starts a character on 936 only (a half-width
    // kana on 932, a sign on 1252), 0x95 on 936 and 932; the cut ends on a whole character.
    const std::string field = "\xB1" + std::string(10000, '\x95');
    EXPECT_EQ(StoredFieldLength(field, gbk), 9998u);
    EXPECT_EQ(StoredFieldLength(field, LeadBytes::Of(932)), 9999u);
    EXPECT_EQ(StoredFieldLength(field, LeadBytes::Of(1252)), 9999u);
}

TEST(ItemsFile, AppendAddsOneRecordOrWritesAValidFile)
{
    TempFolder folder;
    const std::string path = folder.File("Shortcut2.dat");
    ItemList items = ThreeItems();
    const ShortcutItem added{"Paint", "", "", "", "", "", "0", kGuidB, "mspaint.exe"};

    // The usual case: record number 3 lands at the end, the header stays as it was.
    WriteBytes(path, ThreeItemsBytes());
    items.Append(added);
    ASSERT_TRUE(AppendItem(path, items, 3));
    std::string record;
    AppendItemRecord(record, added);
    EXPECT_EQ(ReadBytes(path), ThreeItemsBytes() + record);

    // Missing file, a lone editing flag, a cut file, a file with another number of records:
    // each becomes the whole list, readable, with the editing flag it had.
    for (const std::string& before : {std::string(), std::string("\x01"), ThreeItemsBytes().substr(0, 150),
                                      ThreeItemsBytes().substr(0, 116), Header("0000000000000000")}) {
        DeleteFileIfPresent(path);
        if (!before.empty())
            WriteBytes(path, before);
        ASSERT_TRUE(AppendItem(path, items, 3));
        std::string expected = EncodeItemsFile(items);
        if (!before.empty())
            expected[0] = before[0];
        EXPECT_EQ(ReadBytes(path), expected) << before.size();
    }

    // A bare header takes the first record as it is.
    ItemList one;
    one.Append(added);
    WriteBytes(path, Header("0000000000000000", '\x01'));
    ASSERT_TRUE(AppendItem(path, one, 0));
    EXPECT_EQ(ReadBytes(path), Header("0000000000000000", '\x01') + record);
    EXPECT_FALSE(AppendItem(path, one, 1));
}
