#include "DataBytes.h"
#include "TempFolder.h"

#include "data/FileAccess.h"

#include <gtest/gtest.h>

TEST(CatalogsFile, DepthFirstOrderAndItemNodesLeftOut)
{
    CatalogTree tree;
    CatalogId a = tree.Add(CatalogTree::kRoot, "A", kA + "|");
    CatalogId d = tree.Add(CatalogTree::kRoot, "D", kD);
    tree.Add(a, "item", ItemNodeData(3));
    CatalogId b = tree.Add(a, "B", kB + "|1");
    tree.Add(b, "C", kC);
    tree.Add(d, "gone", ItemNodeData(0));
    // Each child after its parent, no separator at the end; read back, the same text.
    const std::string text =
        kRoot + "|A|" + kA + "|\\" + kA + "|B|" + kB + "|1\\" + kB + "|C|" + kC + "\\" + kRoot + "|D|" + kD;
    EXPECT_EQ(tree.Format(), text);
    EXPECT_EQ(CatalogTree().Format(), "");
    CatalogTree back = Place(text);
    EXPECT_EQ(back.Parent(back.Find(kC)), back.Find(kB));
    EXPECT_EQ(back.Data(back.Find(kB)), kB + "|1");
    EXPECT_EQ(back.Format(), text);
}

TEST(CatalogsFile, ParentsResolvedAsTheWindowsDo)
{
    // Empty records are skipped; an unknown parent drops the record and, with it, its children.
    CatalogTree tree = Place("\\\\" + kRoot + "|A|" + kA + "\\" + "99999999-0000-0000-0000-000000000000|X|" + kB +
                             "\\" + kB + "|Y|" + kC + "\\" + kA + "|Z|" + kD + "\\");
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"A", "Z"}));

    // Two fields: a node without data, which cannot be a parent.
    tree = Place(kRoot + "|Short\\|ignored\\" + kRoot + "|After|" + kA);
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"Short"}));
    tree = Place(kRoot + "|Short\\" + "|x|y");
    ASSERT_EQ(tree.Count(), 1u);
    EXPECT_EQ(tree.Data(1), "");

    // An empty parent field ends the reading; the first catalog stays.
    CatalogParse parse = ParseCatalogs(kRoot + "|A|" + kA + "\\|B|" + kB + "\\" + kRoot + "|C|" + kC);
    EXPECT_EQ(parse.records.size(), 1u);
    EXPECT_EQ(parse.problems.size(), 1u);

    // A name with "|" shifts the rest of its record: the name is cut, its id is the name's tail.
    tree = Place(kRoot + "|Left|Right|" + kA + "|1,2");
    ASSERT_EQ(tree.Count(), 1u);
    EXPECT_EQ(tree.Name(1), "Left");
    EXPECT_EQ(tree.Data(1), "Right|" + kA);

    // The parent that was just used is recognised without regard to case.
    const std::string lower = "aaaaaaaa-0000-0000-0000-000000000001"; // kA in lower case
    const std::string mixed = kRoot + "|A|" + kA + "\\" + kA + "|B|" + kB + "\\" + lower + "|C|" + kC;
    tree = Place(mixed);
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(tree.Parent(3), 1u);
    // ...but a lookup in the table is exact.
    tree = Place(kRoot + "|A|" + kA + "\\" + kRoot + "|D|" + kD + "\\" + lower + "|C|" + kC);
    EXPECT_EQ(Names(tree), (std::vector<std::string>{"A", "D"}));
}

TEST(CatalogsFile, CheckNamesEveryFlaw)
{
    const std::string text = kRoot + "|A|" + kA + "|1,7,2\\" + kRoot + "|NoId\\" + kC + "|Lost|" + kD + "\\" + kRoot +
                             "|Bar|x|" + kB + "|3\\|rest|" + kB + "\\" + kRoot + "|Never|" + kC;
    CatalogParse parse = ParseCatalogs(text);
    std::vector<std::string> ids{kRootNodeId};
    std::vector<CatalogLink> links = LinkCatalogs(parse.records, ids);
    std::vector<DataProblem> problems = CheckCatalogs(parse, links, 5);
    const std::vector<std::string> expected = {"index 7 past the item count 5", "no NodeID", "is unknown", "5 fields",
                                               "rest is ignored"};
    ASSERT_EQ(problems.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NE(problems[i].text.find(expected[i]), std::string::npos) << problems[i].text;
    EXPECT_EQ(problems[1].offset, int64_t(text.find("|NoId") - kRoot.size()));
    // Without the item count, indexes are not judged.
    EXPECT_EQ(CheckCatalogs(parse, links, -1).size(), 4u);
}

TEST(CatalogsFile, SavedInOneStepAndAnEmptyTextRemovesTheFile)
{
    TempFolder folder;
    const std::string path = folder.File("Shortcut2.clg");
    WriteBytes(path, "old");
    ASSERT_TRUE(SaveCatalogsText(path, kRoot + "|A|" + kA));
    EXPECT_EQ(ReadBytes(path), kRoot + "|A|" + kA);
    EXPECT_FALSE(FileExists(FreshFileName(path).c_str()));

    ASSERT_TRUE(SaveCatalogsText(path, ""));
    EXPECT_FALSE(FileExists(path.c_str()));
    CatalogTree loaded;
    EXPECT_FALSE(LoadCatalogTree(path, loaded));
    EXPECT_EQ(loaded.Count(), 0u);
}
