#include "DataBytes.h"
#include "TempFolder.h"

#include "data/FileAccess.h"
#include "data/ItemsFile.h"
#include "data/ReceiveItem.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
std::string Shape(const CatalogTree& tree)
{
    // Each catalog as parent-name/name, in walk order.
    std::string shape;
    tree.Walk(CatalogTree::kRoot, [&](CatalogId id) {
        CatalogId parent = tree.Parent(id);
        shape += (parent == CatalogTree::kRoot ? std::string("*") : tree.Name(parent)) + "/" + tree.Name(id) + " ";
    });
    return shape;
}
} // namespace

TEST(CatalogTree, LookupMoveAndRemoveKeepTheTreeWhole)
{
    CatalogTree tree;
    CatalogId a = tree.Add(CatalogTree::kRoot, "A", kA + "|0,1");
    CatalogId b = tree.Add(a, "B", kB);
    CatalogId c = tree.Add(b, "C", kC + "|2");
    CatalogId d = tree.Add(CatalogTree::kRoot, "D", kD);
    EXPECT_EQ(tree.Find(kC), c);
    EXPECT_EQ(tree.Find(kRoot), CatalogTree::kRoot);
    EXPECT_EQ(tree.Find("nothing"), CatalogTree::kNone);

    // A branch moves whole, to the end of its new parent; never into itself.
    EXPECT_FALSE(tree.Move(a, c));
    EXPECT_FALSE(tree.Move(CatalogTree::kRoot, d));
    ASSERT_TRUE(tree.Move(b, d));
    EXPECT_EQ(Shape(tree), "*/A */D D/B B/C ");
    EXPECT_EQ(tree.Format(), kRoot + "|A|" + kA + "|0,1\\" + kRoot + "|D|" + kD + "\\" + kD + "|B|" + kB + "\\" + kB +
                                 "|C|" + kC + "|2");

    // Removing a branch takes its catalogs out of the lookup (a hand-off naming one finds
    // nothing) and leaves the ids of the others valid.
    ASSERT_TRUE(tree.Remove(b));
    EXPECT_FALSE(tree.IsLive(c));
    EXPECT_EQ(tree.Find(kC), CatalogTree::kNone);
    EXPECT_EQ(tree.Find(kD), d);
    EXPECT_EQ(tree.Count(), 2u);
    EXPECT_FALSE(tree.Remove(CatalogTree::kRoot));
    EXPECT_FALSE(tree.Rename(CatalogTree::kRoot, "x"));
    EXPECT_EQ(Shape(tree), "*/A */D ");

    // Members: the raw list is kept until it is rebuilt; AddMember writes "|" first, then ",".
    ItemList items = Items(3);
    items.Tombstone(1, false);
    EXPECT_EQ(tree.Members(a, items), (std::vector<size_t>{0}));
    tree.AddMember(d, 2);
    tree.AddMember(d, 0);
    EXPECT_EQ(tree.Data(d), kD + "|2,0");
    tree.SetMembers(d, {});
    EXPECT_EQ(tree.Data(d), kD);
    EXPECT_TRUE(tree.Members(CatalogTree::kRoot, items).empty());
}

TEST(CatalogTree, CopiedBranchGetsNewIdsAndLongAndDoubleIdsSurviveARoundTrip)
{
    CatalogTree source = Place(kRoot + "|A|" + kA + "|4\\" + kA + "|B|" + kB + "\\" + kB + "|C|" + kC + "|5,6");
    CatalogTree target;
    CatalogId d = target.Add(CatalogTree::kRoot, "D", kD);
    int fresh = 0;
    CatalogId copy = target.CopyBranch(source, source.Find(kA), d,
                                       [&](const std::string&) { return "NEW-" + std::to_string(++fresh); });
    ASSERT_NE(copy, CatalogTree::kNone);
    EXPECT_EQ(Shape(target), "*/D D/A A/B B/C ");
    EXPECT_EQ(target.Format(), kRoot + "|D|" + kD + "\\" + kD + "|A|NEW-1|4\\NEW-1|B|NEW-2\\NEW-2|C|NEW-3|5,6");

    // A copy into its own branch copies what was there before, once.
    CatalogId b = target.Find("NEW-2");
    target.CopyBranch(target, target.Find("NEW-1"), b,
                      [&](const std::string&) { return "X" + std::to_string(++fresh); });
    EXPECT_EQ(Shape(target), "*/D D/A A/B B/C B/A A/B B/C ");

    // A 40-character NodeID is a whole identifier: its children keep their parent.
    const std::string longId = kA + "XXXX";
    const std::string text = kRoot + "|A|" + longId + "|1\\" + longId + "|B|" + kB;
    CatalogTree tree = Place(text);
    EXPECT_EQ(Shape(tree), "*/A A/B ");
    EXPECT_EQ(tree.Format(), text);
    // The first catalog of a doubled NodeID keeps it.
    tree = Place(kRoot + "|A|" + kA + "\\" + kRoot + "|A2|" + kA);
    EXPECT_EQ(tree.Name(tree.Find(kA)), "A");
}

// Joining the list and a catalog through the hand-off section is the add-item tests'; here the
// catalogs that cannot take the item and a catalogs file that cannot be written.
TEST(CatalogTree, ReceivedItemJoinsListFileAndCatalog)
{
    TempFolder folder;
    const std::string itemsPath = folder.File("Shortcut2.dat");
    const std::string catalogsPath = folder.File("Shortcut2.clg");
    ItemList items = Items(2);
    CatalogTree tree;
    CatalogId a = tree.Add(CatalogTree::kRoot, "A", kA + "|1");
    CatalogId b = tree.Add(CatalogTree::kRoot, "B", kB);

    const ShortcutItem item{"Editor", "", "", "", "junk", "", "0", "", ""};
    ReceivedItem received = ReceiveItem(items, tree, itemsPath, catalogsPath, item, kA);
    EXPECT_TRUE(received.saved);
    EXPECT_EQ(received.catalog, a);
    EXPECT_EQ(items.At(2).State, "0");
    EXPECT_EQ(items.At(2).Reserved, "");
    EXPECT_EQ(ReadBytes(catalogsPath), kRoot + "|A|" + kA + "|1,2\\" + kRoot + "|B|" + kB);

    // A deleted catalog is never reached, nor is the root or an unknown one: the item joins the
    // list in no catalog, and the catalogs file is left as it was.
    tree.Remove(b);
    const std::string catalogsBefore = ReadBytes(catalogsPath);
    for (const std::string& id : {kB, kRoot, std::string("unknown")})
        EXPECT_EQ(ReceiveItem(items, tree, itemsPath, catalogsPath, item, id).catalog, CatalogTree::kNone) << id;
    EXPECT_EQ(items.Count(), 6u);
    EXPECT_EQ(ReadBytes(catalogsPath), catalogsBefore);

    // A catalogs file that cannot be written is told, and the item stays for the next save.
    const std::string blocked = folder.File("blocked");
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked + "/Shortcut2.clg");
    std::filesystem::create_directory(FreshFileName(blocked + "/Shortcut2.clg"));
    received = ReceiveItem(items, tree, itemsPath, blocked + "/Shortcut2.clg", item, kA);
    EXPECT_FALSE(received.saved);
    EXPECT_EQ(tree.Members(a, items).back(), received.index);
}
