// Fresh identifiers, and the catalog tree adapter on a real tree view.
#include "DataBytes.h"
#include "TempFolder.h"
#include "WinTestSupport.h"

#include "data/CatalogData.h"
#include "data/dialogs/CatalogTreeView.h"
#include "data/FileAccess.h"
#include "data/NewGuidString.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <regex>
#include <string>

namespace {
ItemList SomeItems()
{
    ItemList items;
    for (const char* name : {"Notes", "Paint", "Gone", "Mail"})
        items.Append(ShortcutItem{name, "", "", "", "", "", "0", NewGuidString(), std::string(name) + ".exe"});
    items.At(3).ExePath = "Notes\r\nPaint^^^notes.exe\r\npaint.exe";
    items.Tombstone(2, false);
    return items;
}
} // namespace

TEST(NewGuidString, FreshUpperCaseIdentifiersInOneSharedBuffer)
{
    const char* first = NewGuidString();
    const std::string copy = first;
    EXPECT_TRUE(std::regex_match(copy, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}")))
        << copy;
    const char* second = NewGuidString();
    EXPECT_EQ(first, second);
    EXPECT_NE(copy, std::string(second));
}

TEST(CatalogTreeView, ShowsTheModelAndFollowsItsChanges)
{
    WinTestEnvironment environment;
    TempFolder folder;
    const std::string path = folder.File("Shortcut2.clg");
    const std::string text = kRoot + "|Tools|" + kA + "|0,2,1,9\\" + kA + "|Inner|" + kB + "\\" + kRoot + "|Mail|" +
                             kC + "|,,3,\\" + "99999999-0000-0000-0000-000000000000|Lost|x";
    WriteBytes(path, text);
    const ItemList items = SomeItems();
    CatalogTree model;
    ASSERT_TRUE(LoadCatalogTree(path, model));

    HWND hwnd = CreateWindowExA(0, WC_TREEVIEWA, "", WS_POPUP | TVS_HASBUTTONS, 0, 0, 300, 400, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    CCatalogTreeView view(hwnd);
    view.Show(model, "All catalogs", &items);
    HTREEITEM root = view.Root();
    CTreeViewCtrl tree(hwnd);

    // What the window does on TVN_ITEMEXPANDING, then the expansion itself.
    auto open = [&](HTREEITEM node) {
        NMTREEVIEWA expanding{};
        expanding.action = TVE_EXPAND;
        expanding.itemNew.hItem = node;
        view.OnItemExpanding(expanding);
        tree.Expand(node);
    };
    EXPECT_EQ(ChildTexts(hwnd, root), (std::vector<std::string>{"Tools", "Mail"}));
    HTREEITEM tools = tree.Child(root);
    // Item nodes come when a catalog opens: as its list reads (the tombstone and the index
    // past the end left out), before its sub-catalogs.
    EXPECT_EQ(ChildTexts(hwnd, tools), (std::vector<std::string>{"Inner"}));
    open(tools);
    open(tools);
    EXPECT_EQ(ChildTexts(hwnd, tools), (std::vector<std::string>{"Notes", "Paint", "Inner"}));
    HTREEITEM notes = tree.Child(tools);
    HTREEITEM inner = tree.NextSibling(tree.NextSibling(notes));
    EXPECT_EQ(view.CatalogOf(inner), model.Find(kB));
    EXPECT_EQ(view.NodeOf(model.Find(kA)), tools);
    EXPECT_EQ(view.CatalogOf(root), CatalogTree::kRoot);
    size_t index = 99;
    EXPECT_TRUE(view.ItemOf(notes, index));
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(view.CatalogOf(notes), CatalogTree::kNone);
    EXPECT_EQ(TreeItemOf(hwnd, notes).iImage, 2);
    HTREEITEM mail = tree.NextSibling(tools);
    open(mail);
    ASSERT_EQ(ChildTexts(hwnd, mail), (std::vector<std::string>{"Mail"}));
    EXPECT_EQ(TreeItemOf(hwnd, tree.Child(mail)).iImage, 3);

    // Changes of the model reach the tree: a new member, a new, renamed and removed catalog.
    model.AddMember(model.Find(kB), 1);
    view.ShowItems(model.Find(kB), items);
    open(inner);
    EXPECT_EQ(ChildTexts(hwnd, inner), (std::vector<std::string>{"Paint"}));
    model.AddMember(model.Find(kB), 0);
    view.ShowItems(model.Find(kB), items);
    EXPECT_EQ(ChildTexts(hwnd, inner), (std::vector<std::string>{"Paint", "Notes"}));
    CatalogId added = model.Add(model.Find(kC), "New", "EEEEEEEE-0000-0000-0000-000000000005");
    HTREEITEM addedNode = view.ShowAdded(added);
    EXPECT_EQ(tree.Parent(addedNode), mail);
    model.Rename(added, "Renamed");
    view.ShowRenamed(added);
    EXPECT_EQ(tree.ItemText(addedNode), "Renamed");
    const CatalogId toolsId = model.Find(kA), innerId = model.Find(kB);
    model.Remove(toolsId);
    view.ShowRemoved(toolsId);
    EXPECT_EQ(ChildTexts(hwnd, root), (std::vector<std::string>{"Mail"}));
    EXPECT_EQ(view.NodeOf(innerId), nullptr);
    DestroyWindow(hwnd);
}
