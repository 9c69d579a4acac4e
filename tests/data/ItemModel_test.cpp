#include "data/CatalogData.h"
#include "data/ItemKind.h"
#include "data/ItemList.h"

#include <gtest/gtest.h>

TEST(ItemKind, ToldFromTheCommandText)
{
    EXPECT_EQ(ItemKindOf("C:\\Tools\\app.EXE"), ItemKind::Program);
    EXPECT_EQ(ItemKindOf("run.cmd"), ItemKind::Program);
    EXPECT_EQ(ItemKindOf("job.Bat"), ItemKind::Program);
    EXPECT_EQ(ItemKindOf("C:\\T\\Data\\1.STX"), ItemKind::Clipboard);
    EXPECT_EQ(ItemKindOf("exe"), ItemKind::Other);
    EXPECT_EQ(ItemKindOf("http://example.org"), ItemKind::Other);
    EXPECT_EQ(ItemKindOf("A\r\nB^^^a.exe\r\nb.stx"), ItemKind::Composed);
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
    EXPECT_EQ(AddIndex(id, 7), id + "|7");
    EXPECT_EQ(AddIndex(id + "|7", 12), id + "|7,12");
    // A present but empty list gets a comma; reading strips it again.
    EXPECT_EQ(AddIndex(id + "|", 5), id + "|,5");
    EXPECT_EQ(ReadIndexList(IndexListOf(AddIndex(id + "|", 5))), std::vector<long>{5});
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
