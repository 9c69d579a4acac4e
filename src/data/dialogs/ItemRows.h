#pragma once
// The item list of a window: a skinned report list whose rows are items of an item list. A
// row holds only its item's position; the list reads the texts from the item when it draws
// the row, so the rows never go stale and even the whole item list fills at once. The seven
// columns are the name, short name, modifier, key, description, guid and position; windows
// differ only in the widths and headings they give them.
#include "data/ItemList.h"
#include "ui/SkinListCtrl.h"

#include <string>
#include <vector>

class CItemRows {
public:
    static constexpr int kColumns = 7;
    struct Column {
        // A text key, or the heading itself when `key` is false.
        const char* heading;
        bool key;
        int width;
    };

    explicit CItemRows(const ItemList& items) : m_items(items) {}
    CItemRows(const CItemRows&) = delete;
    CItemRows& operator=(const CItemRows&) = delete;

    // Binds and skins the dialog's list and gives it the seven columns.
    void Attach(HWND dialog, int id, const std::string& installFolder, const Column (&columns)[kColumns], int format);
    CSkinListCtrl& List() { return m_list; }
    const CSkinListCtrl& List() const { return m_list; }

    // The rows become these items, in this order.
    void Show(const std::vector<size_t>& indexes) { m_list.ShowSourcedRows(indexes); }
    int Append(size_t index) { return m_list.InsertSourcedItem(m_list.GetItemCount(), index); }
    size_t ItemOfRow(int row) const { return static_cast<size_t>(m_list.GetItemData(row)); }
    // The items of every row, top to bottom.
    std::vector<size_t> RowItems() const;

    // A list of a window made to look like the others: white, grid lines, full-row select,
    // skinned scroll bars.
    static void SetUp(CSkinListCtrl& list, HWND dialog, int id, const std::string& installFolder);
    // The selected rows top to bottom, or every row bottom to top.
    static std::vector<int> ChosenRows(const CSkinListCtrl& list, bool all);
    // Selects and focuses one row alone (none for a row out of range) and scrolls to it.
    static void SelectOnly(CSkinListCtrl& list, int row);
    // The first row whose text in `column` begins with `typed` (or holds it anywhere), letter
    // case ignored; -1 when none does.
    static int FindRow(const CSkinListCtrl& list, const std::string& typed, int column, bool anywhere);

private:
    const ItemList& m_items;
    CSkinListCtrl m_list;
};
