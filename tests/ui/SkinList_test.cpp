#include "SkinHostDlg.h"
#include "SolidPng.h"

#include "WinTestSupport.h"
#include "ui/wnd/ListViewCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// Three columns (left, centred, right) and a row per key: "row<i>", the key, "<i>", data 100 + i.
void Fill(CSkinListCtrl& list, const std::vector<std::string>& keys)
{
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
    list.InsertColumn(1, "Key", LVCFMT_CENTER, 100);
    list.InsertColumn(2, "Size", LVCFMT_RIGHT, 100);
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

RECT RowRect(CSkinListCtrl& list, int row)
{
    RECT rect{};
    ListView_GetItemRect(list.Hwnd(), row, &rect, LVIR_BOUNDS);
    return rect;
}

void Click(HWND window, int x, int y)
{
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
} // namespace

TEST(SkinList, RowsCellsColoursAndTheHeaderAreDrawnFromTheRowStore)
{
    CSkinHostDlg host;
    host.WithList().Run([](CSkinHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        EXPECT_EQ(GetDlgCtrlID(list.Hwnd()), CSkinHostDlg::kListId) << "binding keeps the template's id";
        Fill(list, {"b", "a", "c"});
        EXPECT_EQ(list.InsertItem(1, "inserted"), 1);
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "inserted", "row1", "row2"}));
        EXPECT_EQ(list.GetItemData(3), 102u);

        // The list view itself knows the rows and answers for them.
        EXPECT_EQ(SendMessageA(list.Hwnd(), LVM_GETITEMCOUNT, 0, 0), 4);
        CListViewCtrl view(list.Hwnd());
        EXPECT_EQ(view.ItemText(2, 1), "a");
        EXPECT_EQ(view.ItemText(3, 0), "row2");
        EXPECT_TRUE(list.DeleteItem(1));
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row1", "row2"}));
        EXPECT_EQ(SendMessageA(list.Hwnd(), LVM_GETITEMCOUNT, 0, 0), 3);

        // Row colour, then the selected fill, then a cell colour over a row colour.
        list.SetRowColour(0, RGB(0, 200, 0));
        list.SetCellColour(2, 1, RGB(0, 0, 200));
        list.SetRowColour(2, RGB(200, 200, 0));
        list.SelectRow(1);
        auto rowTop = [&](int row) { return RowRect(list, row).top + 1; };
        EXPECT_EQ(PixelOf(list.Hwnd(), 60, rowTop(0)), RGB(0, 200, 0));
        EXPECT_EQ(PixelOf(list.Hwnd(), 230, rowTop(1)), RGB(255, 120, 220));
        EXPECT_EQ(PixelOf(list.Hwnd(), 160, rowTop(2)), RGB(0, 0, 200));
        EXPECT_EQ(PixelOf(list.Hwnd(), 300, rowTop(2)), RGB(200, 200, 0));

        list.SetRowHeight(30);
        EXPECT_EQ(RowRect(list, 1).bottom - RowRect(list, 1).top, 30) << "the row height is asked again when set";
        list.DeleteAllItems();
        EXPECT_EQ(SendMessageA(list.Hwnd(), LVM_GETITEMCOUNT, 0, 0), 0);

        // The header: a gradient from RGB(171,199,235), red and blue down by 8 per pixel row,
        // right of the last column too; flat with a step of 0.
        HWND header = list.Header().Hwnd();
        RECT client{};
        GetClientRect(header, &client);
        EXPECT_EQ(PixelOf(header, 1, 0), RGB(171, 199, 235));
        EXPECT_EQ(PixelOf(header, 1, 3), RGB(147, 199, 211));
        EXPECT_EQ(PixelOf(header, client.right - 2, 2), RGB(155, 199, 219));
        list.SetHeaderColour(161, 222, 255, 0);
        EXPECT_EQ(PixelOf(header, 1, 0), RGB(161, 222, 255));
        EXPECT_EQ(PixelOf(header, 1, client.bottom - 2), RGB(161, 222, 255));
    });
}

TEST(SkinList, ChecksKeysHeadingClicksAndLockedColumns)
{
    CSkinHostDlg host;
    host.WithList().Run([](CSkinHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        Fill(list, {"beta", "Beta", "alpha", "Alpha", "beta"});
        {
            SCOPED_TRACE("a click in the first pixels of a row toggles its check");
            const RECT row1 = RowRect(list, 1);
            const int y = (row1.top + row1.bottom) / 2;
            Click(list.Hwnd(), row1.left + 5, y);
            EXPECT_TRUE(list.GetCheck(1));
            EXPECT_FALSE(list.GetCheck(0));
            Click(list.Hwnd(), row1.left + 17, y);
            EXPECT_FALSE(list.GetCheck(1));
            Click(list.Hwnd(), row1.left + 40, y);
            EXPECT_FALSE(list.GetCheck(1));
        }
        {
            SCOPED_TRACE("a keyboard choice fills the linked edit and tells the parent");
            SetFocus(list.Hwnd());
            list.SelectRow(0);
            SendMessageA(list.Hwnd(), WM_KEYDOWN, VK_DOWN, 0);
            SendMessageA(list.Hwnd(), WM_KEYUP, VK_DOWN, 0);
            EXPECT_EQ(list.GetFirstSelected(), 1);
            ASSERT_EQ(dlg.RowSelectedNotices().size(), 1u);
            EXPECT_EQ(dlg.RowSelectedNotices()[0].first, 1u);
            EXPECT_EQ(dlg.RowSelectedNotices()[0].second, reinterpret_cast<LPARAM>(list.Hwnd()));
            EXPECT_EQ(CWindowRef(dlg.Edit()).Text(), "row1");

            // A click is the parent's own NM_CLICK business; nothing selected, no message.
            const RECT row2 = RowRect(list, 2);
            Click(list.Hwnd(), 150, (row2.top + row2.bottom) / 2);
            EXPECT_EQ(list.GetFirstSelected(), 2);
            list.ClearSelection();
            SendMessageA(list.Hwnd(), WM_KEYDOWN, VK_SHIFT, 0);
            EXPECT_EQ(dlg.RowSelectedNotices().size(), 1u);
        }
        HWND header = list.Header().Hwnd();
        auto column = [&](int index) {
            RECT rect{};
            SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
            return rect;
        };
        {
            SCOPED_TRACE("a heading click is the parent's, or sorts and flips the direction");
            list.SetCheck(0, true);
            const int keyX = (column(1).left + column(1).right) / 2;
            Click(header, keyX, 5);
            EXPECT_EQ(dlg.ColumnClicks(), std::vector<int>{1});
            EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row1", "row2", "row3", "row4"}));

            list.SetSortOnHeaderClick(true);
            Click(header, keyX, 5);
            EXPECT_EQ(list.SortColumn(), 1);
            EXPECT_TRUE(list.SortAscending());
            EXPECT_EQ(Names(list), (std::vector<std::string>{"row3", "row1", "row2", "row0", "row4"}));
            // Data, the other cells and checks travel with their rows.
            EXPECT_EQ(list.GetItemData(0), 103u);
            EXPECT_EQ(list.GetItemText(0, 2), "3");
            EXPECT_TRUE(list.GetCheck(3));
            EXPECT_FALSE(list.GetCheck(0));

            Click(header, keyX, 5);
            EXPECT_FALSE(list.SortAscending());
            EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row4", "row2", "row1", "row3"}));
            EXPECT_EQ(dlg.ColumnClicks().size(), 1u);
        }
        {
            SCOPED_TRACE("locked columns refuse resizing");
            auto drag = [&](int index) {
                const int x = column(index).right - 1;
                SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
                SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 15, 5));
                SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(x + 15, 5));
                return static_cast<int>(SendMessageA(list.Hwnd(), LVM_GETCOLUMNWIDTH, index, 0));
            };
            list.SetResizeLimit(1);
            EXPECT_GT(drag(0), 120);
            EXPECT_EQ(drag(1), 100);
            EXPECT_EQ(drag(2), 100);
            list.SetResizeLimit(-1);
            EXPECT_GT(drag(1), 100);
            list.AddLockedColumn(2);
            const int before = static_cast<int>(SendMessageA(list.Hwnd(), LVM_GETCOLUMNWIDTH, 0, 0));
            EXPECT_EQ(drag(0), before);
        }
    });
}
