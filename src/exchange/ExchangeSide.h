#pragma once
// One half of the exchange window: the catalog pane over the side's catalogs and the item rows
// of the catalog it lists, both over the side's own item list. These are the parts the
// configuration window is built from; a side adds only what a move across the window needs.
#include "data/InstallPaths.h"
#include "data/ItemList.h"
#include "data/dialogs/CatalogPane.h"
#include "data/dialogs/ItemRows.h"

#include <string>

class CExchangeSide {
public:
    CExchangeSide(ItemList& items, const InstallPaths& paths) : m_items(items), m_pane(items, paths), m_rows(items)
    {
        m_pane.ShowCatalogsOnly();
    }

    void Attach(HWND dialog, int treeId, int listId, HIMAGELIST images, const std::string& installFolder);

    ItemList& Items() { return m_items; }
    CCatalogPane& Pane() { return m_pane; }
    CatalogTree& Model() { return m_pane.Model(); }
    CCatalogTreeView& View() { return m_pane.View(); }
    CItemRows& Rows() { return m_rows; }
    CSkinListCtrl& List() { return m_rows.List(); }
    HWND Tree() const { return m_pane.Hwnd(); }
    HTREEITEM Selection() const { return TreeView_GetSelection(m_pane.Hwnd()); }
    CatalogId SelectedCatalog() const { return m_pane.Selected(); }

    // Lists the catalog's items, or every shown item of the side for the root.
    void ListCatalog(CatalogId catalog);
    // The record a row stands for as it moves to the other side: Reserved empty, State "0".
    ShortcutItem RecordOfRow(int row) const;

private:
    ItemList& m_items;
    CCatalogPane m_pane;
    CItemRows m_rows;
};
