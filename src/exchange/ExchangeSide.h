#pragma once
// One half of the exchange window: a catalog tree over the side's own catalog model and the
// list of the chosen catalog's items, over the side's item list. Rows hold copies of their
// item's texts (name, short name, hotkey, description, guid, position) with the command kept
// beside them, so a row can be moved to the other side as it stands.
#include "data/CatalogTree.h"
#include "data/ItemList.h"
#include "data/dialogs/CatalogTreeView.h"
#include "ui/SkinListCtrl.h"
#include "ui/SkinTreeCtrl.h"

#include <string>
#include <unordered_map>
#include <vector>

class CExchangeSide {
public:
    static constexpr int kIndexColumn = 6;
    static constexpr int kGuidColumn = 5;

    explicit CExchangeSide(ItemList& items) : m_items(items) {}

    void Attach(HWND dialog, int treeId, int listId, HIMAGELIST images, const std::string& installFolder);
    // Shows the model below a root of the given title and empties the list.
    void ShowTree(const std::string& rootTitle);

    ItemList& Items() { return m_items; }
    CatalogTree& Model() { return m_model; }
    CCatalogTreeView& View() { return m_view; }
    CSkinListCtrl& List() { return m_list; }
    HWND Tree() const { return m_tree.Hwnd(); }
    HTREEITEM Selection() const { return TreeView_GetSelection(m_tree.Hwnd()); }
    CatalogId SelectedCatalog() const { return m_view.CatalogOf(Selection()); }

    // The catalog's items, or every shown item of the side for the root.
    void ListCatalog(CatalogId catalog);
    int AppendRow(const ShortcutItem& item, size_t index);
    // The record a row stands for: its texts, its command, Reserved empty and State "0".
    ShortcutItem RecordOfRow(int row) const;
    size_t IndexOfRow(int row) const;
    void SetIndexOfRow(int row, size_t index);
    std::vector<size_t> RowIndexes() const;
    // Selects the first row whose name begins with `text` (letter case ignored), searching
    // from the top; false when none does.
    bool FindRow(const std::string& text);

private:
    ItemList& m_items;
    CatalogTree m_model;
    CSkinTreeCtrl m_tree;
    CCatalogTreeView m_view;
    CSkinListCtrl m_list;
    // The commands of the rows, by the row's data; they outlive the rows.
    std::vector<std::string> m_commands;
};

// Places a record in an item list by its guid: the first record with the same guid is
// replaced in place, otherwise the record is appended. A record without a guid is always
// appended. Returns the record's position.
class GuidPlacer {
public:
    explicit GuidPlacer(ItemList& items);
    size_t Place(ShortcutItem record);

private:
    ItemList& m_items;
    std::unordered_map<std::string, size_t> m_positions;
};
