#pragma once
// Shows a CatalogTree in a tree control: the one way every window puts catalogs on screen. The
// model stays the only copy of the catalogs: a node carries no data of its own, this view
// only maps nodes to the model's ids (or to the item an item node shows) and back, and is
// refilled or patched after the window changed the model.
#include "data/CatalogTree.h"
#include "data/ItemList.h"
#include "ui/wnd/TreeViewCtrl.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CCatalogTreeView {
public:
    CCatalogTreeView() = default;
    explicit CCatalogTreeView(HWND tree) { Attach(tree); }
    CCatalogTreeView(const CCatalogTreeView&) = delete;
    CCatalogTreeView& operator=(const CCatalogTreeView&) = delete;

    void Attach(HWND tree) { m_tree.Attach(tree); }
    HWND Hwnd() const { return m_tree.Hwnd(); }

    // Empties the control and shows the model below a root titled `rootTitle`. With `items`
    // given, every catalog also shows its live items as item nodes, first among its children;
    // they are put in when the catalog is first expanded, so a list of many thousands of items
    // opens at once.
    void Show(const CatalogTree& model, const std::string& rootTitle, const ItemList* items);
    HTREEITEM Root() const { return m_root; }

    // After the model changed: a catalog that was added (last under its parent), renamed,
    // removed (with its branch), or whose members changed.
    HTREEITEM ShowAdded(CatalogId id);
    void ShowRenamed(CatalogId id);
    void ShowRemoved(CatalogId id);
    void ShowItems(CatalogId id, const ItemList& items);
    // Refreshes the item nodes of every catalog (names or kinds of items changed).
    void ShowAllItems(const ItemList& items);
    // Puts in the item nodes of a catalog about to be expanded (TVN_ITEMEXPANDING).
    void OnItemExpanding(const NMTREEVIEWA& info);

    // kNone for an item node, a node the view does not know, or nullptr.
    CatalogId CatalogOf(HTREEITEM node) const;
    HTREEITEM NodeOf(CatalogId id) const;
    // The item an item node shows; false for a catalog node.
    bool ItemOf(HTREEITEM node, size_t& index) const;
    bool IsItemNode(HTREEITEM node) const { return m_itemOf.count(node) != 0; }
    CatalogId SelectedCatalog() const;

    // What the node stands for, as CatalogData: a catalog's from the model, an item node's
    // "TempItemNode" text; empty for a node the view does not know.
    std::string DataOf(HTREEITEM node) const;
    // Catalog nodes show image 1 while expanded and 0 while collapsed.
    void OnItemExpanded(const NMTREEVIEWA& info) const;

private:
    HTREEITEM InsertCatalog(CatalogId id, HTREEITEM parent);
    void ForgetBranch(HTREEITEM node);
    void RemoveItemNodes(HTREEITEM catalog);
    void InsertItemNodes(CatalogId id, HTREEITEM catalog, const ItemList& items);
    // Item nodes wait until the catalog opens: it only shows a button meanwhile.
    void DeferItemNodes(CatalogId id, HTREEITEM catalog);

    CTreeViewCtrl m_tree;
    const CatalogTree* m_model = nullptr;
    const ItemList* m_items = nullptr;
    HTREEITEM m_root = nullptr;
    std::unordered_map<HTREEITEM, CatalogId> m_catalogOf;
    std::unordered_map<HTREEITEM, size_t> m_itemOf;
    std::vector<HTREEITEM> m_nodeOf;
    std::unordered_set<CatalogId> m_deferred;
};
