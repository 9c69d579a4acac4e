#include "DataBytes.h"

#include "data/ItemKind.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

TEST(ItemKind, ToldFromTheCommandText)
{
    EXPECT_TRUE(EndsWithNoCase("C:\\T\\Data\\1.STX", ".stx"));
    EXPECT_FALSE(EndsWithNoCase("stx", ".stx"));
    // One component: no line break, so the single-item image.
    EXPECT_EQ(ItemImageOf("A^^^c:\\a.exe"), 2);
    EXPECT_EQ(ItemImageOf("A\r\nB^^^a.exe\r\nb.exe"), 3);
}

TEST(CatalogData, IdentifierIndexListAndAdding)
{
    const std::string id = "11111111-2222-3333-4444-555555555555";
    EXPECT_EQ(NodeIdOf(id + "|1,2"), id);
    // A longer NodeID from a foreign file is kept whole, so its children still find it.
    EXPECT_EQ(NodeIdOf(id + "WXYZ|3"), id + "WXYZ");
    EXPECT_EQ(NodeIdOf("short|1,2"), "short");
    EXPECT_EQ(IndexListOf(id), "");
    EXPECT_EQ(IndexListOf(id + "|"), "");
    EXPECT_EQ(IndexListOf(id + "|4,5|6"), "4,5|6");
    // A present but empty list read with a leading comma gives just the numbers.
    EXPECT_EQ(ReadIndexList(",5"), std::vector<long>{5});
    EXPECT_TRUE(IsItemNodeData(ItemNodeData(42)));
    EXPECT_FALSE(IsItemNodeData(id + "|1"));
}

TEST(CatalogData, IndexListShowsLiveNamedItemsInListOrder)
{
    ItemList items = Items(8);
    items.Tombstone(4, true);
    items.At(6).Name.clear();

    EXPECT_EQ(ParseIndexList(",,3,,5,", items), (std::vector<size_t>{3, 5}));
    EXPECT_EQ(ParseIndexList("5,3,5", items), (std::vector<size_t>{5, 3, 5}));
    // Tombstone, nameless item, past the end, negative: all left out.
    EXPECT_EQ(ParseIndexList("4,6,8,99999999999999999999,-1,2", items), (std::vector<size_t>{2}));
    // Numbers are read like the C library does: blanks, sign, digits; junk reads as 0.
    EXPECT_EQ(ParseIndexList(" 7,+1,x,2y", items), (std::vector<size_t>{7, 1, 0, 2}));
    EXPECT_TRUE(ParseIndexList("", items).empty());
    EXPECT_TRUE(ParseIndexList(",,,", items).empty());
}

// Items are kept packed and unpacked when asked for: both reads agree, unpacked items keep
// their place in memory and their changes, and a copy of the list goes its own way.
TEST(ItemList, PackedAndUnpackedReadsAgree)
{
    ItemList items;
    // Fields in their stored order.
    ShortcutItem first{"Notes", "n", "", "", "", "", "0", kA, "C:\\Program Files\\Notes\\notes.exe"};
    items.Append(first);
    const ShortcutItem huge{"Composed", "", "", "", "", "", "0", "", std::string(70000, 'c')};
    items.Append(huge);
    const ShortcutItem& held = items.At(0);
    for (int i = 0; i < 3000; ++i) {
        first.Description = std::string(static_cast<size_t>(i % 300), 'd');
        items.Append(first);
    }
    EXPECT_EQ(&held, &items.At(0));
    EXPECT_EQ(items.At(1), huge);
    for (size_t index : {size_t{0}, size_t{1}, size_t{2000}}) {
        for (int field = 0; field < ShortcutItem::kFieldCount; ++field)
            EXPECT_EQ(items.FieldText(index, field), items.At(index).Field(field));
    }
    EXPECT_EQ(items.FieldText(2999, ShortcutItem::kDescription), std::string(2997 % 300, 'd'));

    items.At(5).Name = "Renamed";
    items.Tombstone(6, false);
    EXPECT_EQ(items.FieldText(5, ShortcutItem::kName), "Renamed");
    EXPECT_TRUE(items.IsTombstone(6));
    EXPECT_FALSE(items.IsTombstone(7));

    ItemList copy = items;
    copy.At(5).Name = "In the copy";
    first.Name = "Appended to the copy";
    copy.Append(first);
    first.Name = "Appended to the list";
    items.Append(first);
    EXPECT_EQ(items.FieldText(5, ShortcutItem::kName), "Renamed");
    EXPECT_EQ(copy.FieldText(5, ShortcutItem::kName), "In the copy");
    EXPECT_EQ(copy.FieldText(3002, ShortcutItem::kName), "Appended to the copy");
    EXPECT_EQ(items.FieldText(3002, ShortcutItem::kName), "Appended to the list");
    items.Clear();
    EXPECT_EQ(items.Count(), 0u);
    EXPECT_EQ(copy.Count(), 3003u);
}

// Program discovery reads the names on a worker while the window goes on unpacking, changing
// and appending items: the worker is given a copy, which the list's changes must not touch.
TEST(ItemList, ACopyIsReadOnAnotherThreadWhileTheListChanges)
{
    ItemList items;
    ShortcutItem item;
    for (int i = 0; i < 2000; ++i) {
        item.Name = "Item " + std::to_string(i);
        items.Append(item);
    }
    const ItemList copy = items;
    size_t mismatches = 0;
    std::thread worker([&] {
        for (int round = 0; round < 20; ++round) {
            for (size_t i = 0; i < copy.Count(); ++i)
                mismatches +=
                    copy.FieldText(i, ShortcutItem::kName) != "Item " + std::to_string(i) || copy.IsTombstone(i);
        }
    });
    for (size_t i = 0; i < 2000; ++i) {
        items.At(i).Name = "Changed";
        items.Tombstone((i * 7) % 2000, true);
        items.Append(item);
    }
    worker.join();
    EXPECT_EQ(mismatches, 0u);
}
