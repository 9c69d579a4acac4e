#include "data/CatalogData.h"
#include "data/ItemKind.h"
#include "data/ItemList.h"
#include "data/KeyTable.h"

#include <gtest/gtest.h>

namespace {
ShortcutItem Named(const std::string& name, const std::string& state = "0")
{
    ShortcutItem item;
    item.Name = name;
    item.State = state;
    item.guid = "G-" + name;
    return item;
}
} // namespace

TEST(KeyTable, ModifierIgnoresCaseKeyDoesNot)
{
    // The picker's 48 keys in order are checked through the add-item dialog's list.
    ASSERT_EQ(KeyTable().size(), 48u);
    EXPECT_EQ(KeyTable()[36].code, 0x70u);
    EXPECT_EQ(ModifierFlag("Ctrl"), 2u);
    EXPECT_EQ(ModifierFlag("ctrl"), 2u);
    EXPECT_EQ(ModifierFlag("SHIFT"), 4u);
    EXPECT_EQ(ModifierFlag("Alt"), 1u);
    for (const char* none : {"", "No Hotkey", "No Hotkey1", "Ctrl ", "Control"})
        EXPECT_EQ(ModifierFlag(none), 0u) << none;
    EXPECT_EQ(VirtualKey("Q"), 0x51u);
    EXPECT_EQ(VirtualKey("7"), 0x37u);
    EXPECT_EQ(VirtualKey("F10"), 0x79u);
    for (const char* none : {"q", "f1", "F13", "", "AB"})
        EXPECT_EQ(VirtualKey(none), 0u) << none;
}

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

TEST(ItemList, PositionsNeverChangeAndTombstonesKeepTheirPlace)
{
    ItemList items;
    EXPECT_EQ(items.Append(Named("one")), 0u);
    EXPECT_EQ(items.Append(Named("two")), 1u);
    EXPECT_EQ(items.Append(Named("three")), 2u);
    items.At(0).Description = "d";
    items.At(0).ExePath = "x.exe";
    items.At(0).Hotkey1 = "Ctrl";

    items.Tombstone(0, false);
    items.Tombstone(1, true);
    ASSERT_EQ(items.Count(), 3u);
    ShortcutItem userDeleted;
    userDeleted.State = "-1";
    EXPECT_EQ(items.At(0), userDeleted);
    ShortcutItem catalogDeleted = userDeleted;
    catalogDeleted.guid = "G-two";
    EXPECT_EQ(items.At(1), catalogDeleted);
    EXPECT_EQ(items.At(2).Name, "three");
    EXPECT_TRUE(items.At(1).IsTombstone());
    EXPECT_FALSE(items.At(1).IsShown());

    items.Clear();
    EXPECT_EQ(items.Count(), 0u);
    EXPECT_EQ(items.Append(Named("again")), 0u);
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
    EXPECT_EQ(ItemNodeData(42), "TempItemNode42");
    EXPECT_FALSE(IsItemNodeData(id + "|1"));
}

TEST(CatalogData, IndexListShowsLiveNamedItemsInListOrder)
{
    ItemList items;
    for (int i = 0; i < 8; ++i)
        items.Append(Named("item" + std::to_string(i)));
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
