#pragma once
// A catalog pane: the skinned catalog tree of a window, the catalog model it shows, and the
// catalog whose items the window's list shows, which a pin can hold while the user chooses
// other catalogs. The pane owns the catalogs; the window owns its list and asks the pane what
// to list. It takes only what it works on, so any window (or both sides of one) can have one.
#include "data/CatalogTree.h"
#include "data/InstallPaths.h"
#include "data/ItemList.h"
#include "data/dialogs/CatalogTreeView.h"
#include "ui/SkinTreeCtrl.h"

#include <string>
#include <vector>

class CCatalogPane {
public:
    CCatalogPane(ItemList& items, const InstallPaths& paths) : m_items(items), m_paths(paths) {}
    CCatalogPane(const CCatalogPane&) = delete;
    CCatalogPane& operator=(const CCatalogPane&) = delete;

    // Binds the dialog's tree. With a `dropMessage`, catalogs and item nodes can be dragged
    // onto catalogs; once the tree has moved its nodes the dialog receives that message with
    // the receiving catalog in wParam and answers it with ShowAgain.
    void Attach(HWND dialog, int treeId, HIMAGELIST images, UINT dropMessage = 0);
    CSkinTreeCtrl& Tree() { return m_tree; }
    HWND Hwnd() const { return m_view.Hwnd(); }
    const CatalogTree& Model() const { return m_model; }
    CatalogTree& Model() { return m_model; }
    CCatalogTreeView& View() { return m_view; }

    // Catalog nodes only, without item nodes below them; before Load.
    void ShowCatalogsOnly() { m_itemNodes = false; }
    // Reads the catalogs file and shows it below a root titled `rootTitle`, expanded.
    void Load(const std::string& rootTitle);
    // Shows the model as it stands (filled by the window) in the same way; nothing is listed.
    void Show(const std::string& rootTitle);
    bool Save() const { return SaveCatalogTree(m_paths.catalogsFile, m_model); }
    // Shows the whole model again with `select` chosen (the root when it is gone).
    void ShowAgain(CatalogId select);
    // Tree notices the pane answers itself (opening catalogs); false for the others.
    bool OnNotify(const NMHDR& header);

    // The catalog chosen in the tree: kNone for no choice or an item node.
    CatalogId Selected() const { return m_view.SelectedCatalog(); }
    // The catalog a node lists: the node's own, or an item node's parent catalog (with the item).
    CatalogId CatalogListedAt(HTREEITEM node, size_t* item = nullptr) const;
    // The items a catalog lists, in list order; the root lists every live item.
    std::vector<size_t> Members(CatalogId catalog) const;

    // The catalog the window's list shows; kNone when it shows none.
    CatalogId Listed() const { return m_model.IsLive(m_listed) ? m_listed : CatalogTree::kNone; }
    void SetListed(CatalogId catalog) { m_listed = catalog; }
    // Pins the listed catalog; false (and nothing pinned) when no catalog is listed.
    bool Pin(bool on);
    bool IsPinned() const { return m_pinned && Listed() != CatalogTree::kNone; }
    // The listed catalog's members become `indexes` (the root keeps listing everything).
    void SetListedMembers(const std::vector<size_t>& indexes);
    void AddMembers(CatalogId catalog, const std::vector<size_t>& indexes);
    // Item nodes again, after names or kinds of items changed.
    void ShowItemsAgain() { m_view.ShowAllItems(m_items); }
    void ShowItemsOf(CatalogId catalog) { m_view.ShowItems(catalog, m_items); }

    // A new catalog last below the chosen catalog (an item node's catalog, or the root).
    CatalogId Add(const std::string& name, const std::string& nodeId);
    // A new catalog last below `parent`, with its catalog data (its NodeID and members).
    CatalogId AddBelow(CatalogId parent, const std::string& name, const std::string& data);
    void Rename(CatalogId catalog, const std::string& name);
    // Removes a catalog with its branch; a listed or pinned catalog inside it is let go.
    void Remove(CatalogId catalog);

private:
    int MayDrop(HTREEITEM dragged, HTREEITEM target) const;
    void AfterDrop(HTREEITEM dragged, HTREEITEM target);
    const ItemList* ItemNodes() const { return m_itemNodes ? &m_items : nullptr; }

    ItemList& m_items;
    const InstallPaths m_paths;
    HWND m_dialog = nullptr;
    std::string m_rootTitle;
    UINT m_dropMessage = 0;
    CatalogTree m_model;
    CSkinTreeCtrl m_tree;
    CCatalogTreeView m_view;
    CatalogId m_listed = CatalogTree::kNone;
    bool m_pinned = false;
    bool m_itemNodes = true;
};
