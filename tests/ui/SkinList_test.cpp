#include "ListHostDlg.h"
#include "SolidPng.h"

#include "WinTestSupport.h"
#include "ui/wnd/ListViewCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
void AddColumns(CSkinListCtrl& list)
{
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
    list.InsertColumn(1, "Key", LVCFMT_CENTER, 100);
    list.InsertColumn(2, "Size", LVCFMT_RIGHT, 100);
}

void Fill(CSkinListCtrl& list, const std::vector<std::string>& keys)
{
    for (size_t i = 0; i < keys.size(); ++i) {
        const int row = list.InsertItem(list.GetItemCount(), "row" + std::to_string(i));
        list.SetItemText(row, 1, keys[i]);
        list.SetItemText(row, 2, std::to_string(i));
        list.SetItemData(row, 100 + i);
    }
}

std::vector<std::string> Names(CSkinListCtrl& list)
{
    std::vector<std::string> names;
    for (int row = 0; row < list.GetItemCount(); ++row)
        names.push_back(list.GetItemText(row, 0));
    return names;
}

RECT ColumnRect(HWND header, int column)
{
    RECT rect{};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void Click(HWND window, int x, int y)
{
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

RECT RowRect(CSkinListCtrl& list, int row)
{
    RECT rect{};
    ListView_GetItemRect(list.Hwnd(), row, &rect, LVIR_BOUNDS);
    return rect;
}

int ColumnWidth(HWND list, int column)
{
    return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}
} // namespace

TEST(SkinList, RowsCellsAndColoursAreDrawnFromTheRowStore)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        const LONG style = GetWindowLongA(list.Hwnd(), GWL_STYLE);
        EXPECT_TRUE(style & LVS_OWNERDATA);
        EXPECT_TRUE(style & LVS_OWNERDRAWFIXED);
        EXPECT_EQ(GetDlgCtrlID(list.Hwnd()), CListHostDlg::kListId);
        AddColumns(list);
        EXPECT_EQ(list.ColumnCount(), 3);
        EXPECT_EQ((std::string{list.Header().Alignment(0), list.Header().Alignment(1), list.Header().Alignment(2)}),
                  "012");
        Fill(list, {"b", "a", "c"});
        EXPECT_EQ(list.InsertItem(1, "inserted"), 1);
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "inserted", "row1", "row2"}));
        EXPECT_EQ(list.GetItemText(2, 1), "a");
        EXPECT_EQ(list.GetItemText(1, 2), "");
        EXPECT_EQ(list.GetItemData(3), 102u);
        EXPECT_EQ(list.GetItemText(9, 0), "");
        EXPECT_FALSE(list.SetItemText(9, 0, "x"));

        // The list view itself knows the rows and answers for them.
        EXPECT_EQ(SendMessageA(list.Hwnd(), LVM_GETITEMCOUNT, 0, 0), 4);
        CListViewCtrl view(list.Hwnd());
        EXPECT_EQ(view.ItemText(2, 1), "a");
        EXPECT_EQ(view.ItemText(3, 0), "row2");

        EXPECT_TRUE(list.DeleteItem(1));
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row1", "row2"}));
        EXPECT_EQ(SendMessageA(list.Hwnd(), LVM_GETITEMCOUNT, 0, 0), 3);

        list.SetRowColour(0, RGB(0, 200, 0));
        list.SetCellColour(2, 1, RGB(0, 0, 200));
        list.SetRowColour(2, RGB(200, 200, 0));
        list.SelectRow(1);
        const RECT row0 = RowRect(list, 0);
        const int height = row0.bottom - row0.top;
        const int middle = row0.top + height / 2;
        // Row colour, then the selected fill, then a cell colour over a row colour.
        EXPECT_EQ(PixelOf(list.Hwnd(), 60, middle - height / 2 + 1), RGB(0, 200, 0));
        EXPECT_EQ(PixelOf(list.Hwnd(), 230, middle + height - height / 2 + 1), RGB(255, 120, 220));
        EXPECT_EQ(PixelOf(list.Hwnd(), 160, middle + 2 * height - height / 2 + 1), RGB(0, 0, 200));
        EXPECT_EQ(PixelOf(list.Hwnd(), 300, middle + 2 * height - height / 2 + 1), RGB(200, 200, 0));
        COLORREF found = 0;
        EXPECT_FALSE(list.FindCellColour(1, 1, found));
        EXPECT_TRUE(list.FindRowColour(2, found));
        EXPECT_EQ(found, RGB(200, 200, 0));

        // The row height is asked again when set.
        list.SetRowHeight(30);
        EXPECT_EQ(RowRect(list, 1).bottom - RowRect(list, 1).top, 30);

        list.DeleteAllItems();
        EXPECT_EQ(list.GetItemCount(), 0);
        EXPECT_EQ(SendMessageA(list.Hwnd(), LVM_GETITEMCOUNT, 0, 0), 0);
        EXPECT_EQ(list.Sort(0, true), 0);
    });
}

TEST(SkinList, HeaderIsAGradientFromItsColour)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        AddColumns(list);
        HWND header = list.Header().Hwnd();
        // The default: RGB(171,199,235), red and blue down by 8 per pixel row.
        EXPECT_EQ(PixelOf(header, 1, 0), RGB(171, 199, 235));
        EXPECT_EQ(PixelOf(header, 1, 3), RGB(147, 199, 211));
        // Right of the last column too.
        RECT client{};
        GetClientRect(header, &client);
        EXPECT_EQ(PixelOf(header, client.right - 2, 2), RGB(155, 199, 219));
        // A flat header (step 0), as the exchange window uses.
        list.SetHeaderColour(161, 222, 255, 0);
        EXPECT_EQ(PixelOf(header, 1, 0), RGB(161, 222, 255));
        EXPECT_EQ(PixelOf(header, 1, client.bottom - 2), RGB(161, 222, 255));
    });
}

TEST(SkinList, HeadingClickSortsAndFlipsTheDirection)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        AddColumns(list);
        Fill(list, {"beta", "Beta", "alpha", "Alpha", "beta"});
        HWND header = list.Header().Hwnd();
        const RECT keyColumn = ColumnRect(header, 1);

        // Left to the parent by default.
        Click(header, (keyColumn.left + keyColumn.right) / 2, 5);
        EXPECT_EQ(dlg.ColumnClicks(), std::vector<int>{1});
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row1", "row2", "row3", "row4"}));

        list.SetSortOnHeaderClick(true);
        Click(header, (keyColumn.left + keyColumn.right) / 2, 5);
        EXPECT_EQ(list.SortColumn(), 1);
        EXPECT_TRUE(list.SortAscending());
        // Upper case first; equal keys keep their order; data travels with the rows.
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row3", "row1", "row2", "row0", "row4"}));
        EXPECT_EQ(list.GetItemData(0), 103u);
        EXPECT_EQ(list.GetItemText(0, 2), "3");

        Click(header, (keyColumn.left + keyColumn.right) / 2, 5);
        EXPECT_FALSE(list.SortAscending());
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row4", "row2", "row1", "row3"}));
        EXPECT_EQ(dlg.ColumnClicks().size(), 1u);

        // A column past the last, or a range past the end, leaves the rows alone.
        EXPECT_EQ(list.Sort(3, true), 0);
        EXPECT_EQ(list.Sort(1, true, 5), 0);
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row4", "row2", "row1", "row3"}));
    });
}

TEST(SkinList, KeyboardChoiceFillsTheLinkedEditAndTellsTheParent)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        AddColumns(list);
        Fill(list, {"x", "y", "z"});
        SetFocus(list.Hwnd());
        list.SelectRow(0);
        SendMessageA(list.Hwnd(), WM_KEYDOWN, VK_DOWN, 0);
        SendMessageA(list.Hwnd(), WM_KEYUP, VK_DOWN, 0);
        EXPECT_EQ(list.GetFirstSelected(), 1);
        ASSERT_EQ(dlg.RowSelectedNotices().size(), 1u);
        EXPECT_EQ(dlg.RowSelectedNotices()[0].first, 1u);
        EXPECT_EQ(dlg.RowSelectedNotices()[0].second, reinterpret_cast<LPARAM>(list.Hwnd()));
        EXPECT_EQ(CWindowRef(dlg.Edit()).Text(), "row1");

        // A click is the parent's own NM_CLICK business: no row-selected message for it.
        const RECT row2 = RowRect(list, 2);
        Click(list.Hwnd(), 150, (row2.top + row2.bottom) / 2);
        EXPECT_EQ(list.GetFirstSelected(), 2);
        EXPECT_EQ(dlg.RowSelectedNotices().size(), 1u);

        // Nothing selected: no message.
        list.ClearSelection();
        SendMessageA(list.Hwnd(), WM_KEYDOWN, VK_SHIFT, 0);
        EXPECT_EQ(dlg.RowSelectedNotices().size(), 1u);
    });
}

TEST(SkinList, ClickInTheFirstPixelsOfARowTogglesItsCheck)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        AddColumns(list);
        Fill(list, {"a", "b", "c"});
        const RECT row1 = RowRect(list, 1);
        const int y = (row1.top + row1.bottom) / 2;
        Click(list.Hwnd(), row1.left + 5, y);
        EXPECT_TRUE(list.GetCheck(1));
        EXPECT_FALSE(list.GetCheck(0));
        Click(list.Hwnd(), row1.left + 17, y);
        EXPECT_FALSE(list.GetCheck(1));
        Click(list.Hwnd(), row1.left + 40, y);
        EXPECT_FALSE(list.GetCheck(1));

        // Checks travel with their rows when sorted.
        list.SetCheck(2, true);
        list.Sort(1, false);
        EXPECT_TRUE(list.GetCheck(0));
        EXPECT_EQ(list.GetItemText(0, 1), "c");
    });
}

TEST(SkinList, LockedColumnsRefuseResizing)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        AddColumns(list);
        HWND header = list.Header().Hwnd();
        auto drag = [&](int column) {
            const RECT rect = ColumnRect(header, column);
            const int x = rect.right - 1;
            SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
            SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 15, 5));
            SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(x + 15, 5));
            return ColumnWidth(list.Hwnd(), column);
        };
        list.SetResizeLimit(1);
        EXPECT_GT(drag(0), 120);
        EXPECT_EQ(drag(1), 100);
        EXPECT_EQ(drag(2), 100);

        list.SetResizeLimit(-1);
        EXPECT_GT(drag(1), 100);
        list.AddLockedColumn(2);
        const int before = ColumnWidth(list.Hwnd(), 0);
        EXPECT_EQ(drag(0), before);
    });
}
