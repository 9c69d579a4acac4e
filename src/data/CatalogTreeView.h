#pragma once
// Shows catalogs in a tree view and writes them back: the one loader and writer of every
// window that shows catalogs. Each node's lParam is a NUL-terminated text (its CatalogData, or
// "TempItemNode<index>" for an item node). With a skinned tree the control owns these texts;
// with a plain tree view this object does, so it must live as long as the tree's nodes.
#include "data/CatalogTree.h"
#include "data/ItemList.h"
#include "ui/wnd/TreeViewCtrl.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CSkinTreeCtrl;

// Parallel tables: ids[k] is the NodeID of nodes[k]. They start with the root.
struct CatalogTables {
    std::vector<std::string> ids;
    std::vector<HTREEITEM> nodes;
};

class CCatalogTreeView {
public:
    CCatalogTreeView() = default;
    explicit CCatalogTreeView(HWND tree, CSkinTreeCtrl* skin = nullptr) { Attach(tree, skin); }
    CCatalogTreeView(const CCatalogTreeView&) = delete;
    CCatalogTreeView& operator=(const CCatalogTreeView&) = delete;

    void Attach(HWND tree, CSkinTreeCtrl* skin = nullptr);
    HWND Hwnd() const { return m_tree.Hwnd(); }

    // Empties the tree and inserts the root (data: the root NodeID); the tables restart with it.
    HTREEITEM ResetRoot(const std::string& title);
    HTREEITEM Root() const { return m_root; }
    CatalogTables& Tables() { return m_tables; }
    const CatalogTables& Tables() const { return m_tables; }

    // Adds the catalogs of the file below the root. With `withItems` (and items given), every
    // catalog with an index list also shows its live items as item nodes.
    void LoadCatalogs(const std::string& path, const ItemList* items, bool withItems);
    void LoadRecords(const std::vector<CatalogRecord>& records, const ItemList* items, bool withItems);
    // Rewrites the file from the tree below `root` (item nodes left out); no catalogs, no file.
    bool SaveCatalogs(const std::string& path) const { return SaveCatalogs(m_root, path); }
    bool SaveCatalogs(HTREEITEM root, const std::string& path) const;
    CatalogTree ToModel(HTREEITEM root) const;

    HTREEITEM InsertCatalog(HTREEITEM parent, const std::string& name, const std::string& data);
    // Replaces the item nodes below a catalog with those its index list shows.
    void ShowItems(HTREEITEM catalog, const std::string& indexList, const ItemList& items);
    HTREEITEM FindCatalog(const std::string& nodeId) const;

    std::string DataOf(HTREEITEM node) const;
    void SetData(HTREEITEM node, const std::string& data);
    bool IsItemNode(HTREEITEM node) const;
    // Catalog nodes show image 1 while expanded and 0 while collapsed.
    void OnItemExpanded(const NMTREEVIEWA& info) const;

private:
    HTREEITEM Insert(const std::string& text, HTREEITEM parent, const std::string& data, int image);
    LPARAM OwnText(const std::string& data);

    CTreeViewCtrl m_tree;
    CSkinTreeCtrl* m_skin = nullptr;
    HTREEITEM m_root = nullptr;
    CatalogTables m_tables;
    std::unordered_map<LPARAM, std::unique_ptr<char[]>> m_texts;
};
