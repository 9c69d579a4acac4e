#pragma once
// The report list of the program's windows: owner-drawn rows with row and cell colours, a
// gradient header, skinned scroll bars beside it, locked columns and sorting by column.
// The rows live in the control's own RowStore and the list view only shows them (an
// owner-data list), so lists of the user's whole item list fill, sort and scroll quickly.
#include "ui/HeaderCtrlCl.h"
#include "ui/ListSelection.h"
#include "ui/RowStore.h"
#include "ui/SkinScrollBar.h"
#include "ui/wnd/SubclassedControl.h"

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

class CSkinListCtrl : public CSubclassedControl {
public:
    // Sent to the parent after a key press leaves a row selected: wParam the row, lParam the
    // list's window.
    static constexpr UINT kRowSelectedMessage = 0x590;

    CSkinListCtrl();

    // Binds a report list of a dialog template. A template list without the owner-data and
    // owner-draw styles is replaced by an identical one that has them (same id, place, font).
    bool BindDlgItem(HWND dialog, int id);
    bool Create(HWND parent, int id, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT);

    void SetHeaderColour(int red, int green, int blue, int step) { m_header.SetColour(red, green, blue, step); }
    // Creates the skinned scroll bars beside the list and places them; once, after binding.
    void Initialise();
    void AttachImages(const std::string& installFolder);
    int InsertColumn(int index, const std::string& heading, int format, int width, int subItem = -1);
    int ColumnCount() const;

    int InsertItem(int row, const std::string& text);
    // Rows that show their owner's texts rather than copies (see RowStore::SetTextSource).
    void SetTextSource(RowStore::TextSource source, size_t columns)
    {
        m_rows.SetTextSource(std::move(source), columns);
    }
    int InsertSourcedItem(int row, uintptr_t data);
    // Replaces every row by rows showing these data (see SetTextSource) in this order: the list
    // view learns only their number and asks for the few rows it draws.
    void ShowSourcedRows(const std::vector<size_t>& data);
    void SetImageSource(RowStore::ImageSource source) { m_rows.SetImageSource(std::move(source)); }
    bool SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    bool SetItemData(int row, uintptr_t data);
    uintptr_t GetItemData(int row) const;
    bool SetItemImage(int row, int image);
    bool DeleteItem(int row);
    // Deletes these rows (any order); the rows left keep their selection and focus.
    void DeleteRows(std::vector<int> rows);
    void DeleteAllItems();
    // Room for a known number of rows, so a large fill does not move the rows it has made.
    void ReserveRows(size_t rows) { m_rows.Reserve(rows); }
    int GetItemCount() const { return static_cast<int>(m_rows.Count()); }
    // The rows as shown, for searches that must not copy every cell.
    const RowStore& Rows() const { return m_rows; }
    bool GetCheck(int row) const;
    void SetCheck(int row, bool checked);

    int GetFirstSelected() const { return GetNextSelected(-1); }
    int GetNextSelected(int after) const;
    void SelectRow(int row, bool select = true);
    void ClearSelection();
    void EnsureVisible(int row);
    int GetTopIndex() const;

    void SetRowColour(int row, COLORREF colour) { SetEntry(m_rowColours, row, -1, colour); }
    void SetCellColour(int row, int column, COLORREF colour) { SetEntry(m_cellColours, row, column, colour); }
    void SetRowTextColour(int row, COLORREF colour) { SetEntry(m_rowTextColours, row, -1, colour); }
    void SetCellTextColour(int row, int column, COLORREF colour) { SetEntry(m_cellTextColours, row, column, colour); }
    bool FindRowColour(int row, COLORREF& colour) const { return FindEntry(m_rowColours, row, -1, colour); }
    bool FindCellColour(int row, int column, COLORREF& colour) const;
    bool FindRowTextColour(int row, COLORREF& colour) const { return FindEntry(m_rowTextColours, row, -1, colour); }
    bool FindCellTextColour(int row, int column, COLORREF& colour) const;

    void SetRowHeight(int height);
    // Columns at or above `limit` cannot be resized by dragging; -1 lets the locked-column
    // list decide (any entry locks every column).
    void SetResizeLimit(int limit) { m_resizeLimit = limit; }
    void AddLockedColumn(unsigned column) { m_lockedColumns.push_back(column); }
    // The edit that receives the first cell of a row chosen by the keyboard.
    void SetLinkedEdit(HWND edit) { m_linkedEdit = edit; }

    // Sorts rows first..last (-1: to the end) by a column. Returns 1 when sorted, 0 when the
    // column does not exist or the range is empty, -1 without a header.
    int Sort(int column, bool ascending, int first = 0, int last = -1);
    // What a click on a column heading does: flip the direction, remember the column,
    // repaint the header, sort.
    int SortByColumnClick(int column);
    // Lets the list answer heading clicks itself; otherwise the parent gets LVN_COLUMNCLICK.
    void SetSortOnHeaderClick(bool sort) { m_sortOnHeaderClick = sort; }
    void SetSortState(int column, bool ascending)
    {
        m_sortColumn = column;
        m_ascending = ascending;
    }
    int SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_ascending; }

    void ShowAll();
    void HideAll();
    void PlaceBars();
    void PlaceWithoutCorner();

    CHeaderCtrlCl& Header() { return m_header; }
    CSkinScrollBar& VerticalBar() { return m_verticalBar; }
    CSkinScrollBar& HorizontalBar() { return m_horizontalBar; }

    bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnAttached() override;

private:
    struct ColourEntry {
        int row;
        int column;
        COLORREF colour;
    };
    static void SetEntry(std::vector<ColourEntry>& entries, int row, int column, COLORREF colour);
    static bool FindEntry(const std::vector<ColourEntry>& entries, int row, int column, COLORREF& colour);

    bool ValidRow(int row) const { return row >= 0 && static_cast<size_t>(row) < m_rows.Count(); }
    void RowsChanged();
    void AttachHeader();
    void FlushCount() const;
    void RepaintSoon();
    bool RefuseTracking(const NMHEADERA* notice) const;
    void OnLButtonDown(POINT point);
    void AfterKeyDown();
    bool OnDispInfo(NMHDR* header);
    void DrawRow(const DRAWITEMSTRUCT& item);
    void DrawCell(HDC dc, int row, int column, const RECT& cell, bool selected, COLORREF background);
    void DrawCheck(HDC dc, int row, const RECT& cell) const;
    int HeaderHeight() const;

    CHeaderCtrlCl m_header;
    int m_rowHeight = 0;
    std::vector<ColourEntry> m_rowColours;
    std::vector<ColourEntry> m_cellColours;
    std::vector<ColourEntry> m_rowTextColours;
    std::vector<ColourEntry> m_cellTextColours;
    CSkinScrollBar m_verticalBar{true};
    CSkinScrollBar m_horizontalBar{false};
    int m_resizeLimit = -1;
    std::vector<unsigned> m_lockedColumns;
    int m_sortColumn = 0;
    bool m_ascending = false;
    HWND m_linkedEdit = nullptr;

    RowStore m_rows;
    CListSelection m_selection;
    int m_firstRowHeight = 0;
    bool m_sortOnHeaderClick = false;
    bool m_initialised = false;
    mutable bool m_countPending = false;
    bool m_repaintPending = false;
};
