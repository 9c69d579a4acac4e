#include "data/CatalogData.h"
#include "data/ItemKind.h"
#include "data/ItemList.h"

#include <gtest/gtest.h>

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
    ItemList items;
    for (int i = 0; i < 8; ++i) {
        ShortcutItem item;
        item.Name = "item" + std::to_string(i);
        item.State = "0";
        items.Append(item);
    }
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
