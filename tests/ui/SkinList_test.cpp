#include "SkinHostDlg.h"

#include "WinTestSupport.h"
#include "ui/wnd/ListViewCtrl.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {
// A row per key: "row<i>", the key, "<i>", data 100 + i.
void AddRows(CSkinListCtrl& list, const std::vector<std::string>& keys)
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

RECT RowRect(CSkinListCtrl& list, int row)
{
    RECT rect{};
    ListView_GetItemRect(list.Hwnd(), row, &rect, LVIR_BOUNDS);
    return rect;
}

void Click(HWND window, LPARAM at)
{
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(window, WM_LBUTTONUP, 0, at);
}

RECT RectInParent(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A point `along` pixels from the start of a bar, and the middle of its end arrow (with the
// corner square of 12 pixels after it).
LPARAM On(const CSkinScrollBar& bar, int along)
{
    return bar.IsVertical() ? MAKELPARAM(6, along) : MAKELPARAM(along, 6);
}

int EndArrow(const CSkinScrollBar& bar)
{
    RECT client{};
    GetClientRect(bar.Hwnd(), &client);
    return (bar.IsVertical() ? client.bottom : client.right) - 12 - 6;
}
} // namespace

TEST(SkinList, RowsColoursHeaderChecksKeysSortingAndLockedColumns)
{
    CSkinHostDlg host;
    host.WithList().Run([](CSkinHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        EXPECT_EQ(GetDlgCtrlID(list.Hwnd()), CSkinHostDlg::kListId) << "binding keeps the template's id";
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
        list.InsertColumn(1, "Key", LVCFMT_CENTER, 100);
        list.InsertColumn(2, "Size", LVCFMT_RIGHT, 100);
        AddRows(list, {"b", "a", "c"});
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

        AddRows(list, {"beta", "Beta", "alpha", "Alpha", "beta"});

        // A click in the first pixels of a row toggles its check.
        const RECT row1 = RowRect(list, 1);
        const int y = (row1.top + row1.bottom) / 2;
        Click(list.Hwnd(), MAKELPARAM(row1.left + 5, y));
        EXPECT_TRUE(list.GetCheck(1));
        EXPECT_FALSE(list.GetCheck(0));
        Click(list.Hwnd(), MAKELPARAM(row1.left + 17, y));
        EXPECT_FALSE(list.GetCheck(1));
        Click(list.Hwnd(), MAKELPARAM(row1.left + 40, y));
        EXPECT_FALSE(list.GetCheck(1));

        // A keyboard choice fills the linked edit and tells the parent.
        SetFocus(list.Hwnd());
        list.SelectRow(0);
        SendMessageA(list.Hwnd(), WM_KEYDOWN, VK_DOWN, 0);
        SendMessageA(list.Hwnd(), WM_KEYUP, VK_DOWN, 0);
        EXPECT_EQ(list.GetFirstSelected(), 1);
        const std::vector<std::pair<WPARAM, LPARAM>> toldOnce{{1, reinterpret_cast<LPARAM>(list.Hwnd())}};
        EXPECT_EQ(dlg.m_rowSelected, toldOnce);
        EXPECT_EQ(CWindowRef(dlg.Edit()).Text(), "row1");

        // A click is the parent's own NM_CLICK business; nothing selected, no message.
        const RECT row2 = RowRect(list, 2);
        Click(list.Hwnd(), MAKELPARAM(150, (row2.top + row2.bottom) / 2));
        EXPECT_EQ(list.GetFirstSelected(), 2);
        list.ClearSelection();
        SendMessageA(list.Hwnd(), WM_KEYDOWN, VK_SHIFT, 0);
        EXPECT_EQ(dlg.m_rowSelected, toldOnce);
        auto column = [&](int index) {
            RECT rect{};
            SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
            return rect;
        };

        // A heading click is the parent's, or sorts and flips the direction.
        list.SetCheck(0, true);
        const int keyX = (column(1).left + column(1).right) / 2;
        Click(header, MAKELPARAM(keyX, 5));
        EXPECT_EQ(dlg.m_columnClicks, std::vector<int>{1});
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row1", "row2", "row3", "row4"}));

        list.SetSortOnHeaderClick(true);
        list.SelectRow(4);
        list.SelectRow(0);
        // The selected rows, then the focused one.
        auto chosen = [&] {
            std::vector<int> rows;
            for (int row = list.GetFirstSelected(); row >= 0; row = list.GetNextSelected(row))
                rows.push_back(row);
            rows.push_back(ListView_GetNextItem(list.Hwnd(), -1, LVNI_FOCUSED));
            return rows;
        };
        Click(header, MAKELPARAM(keyX, 5));
        EXPECT_EQ(list.SortColumn(), 1);
        EXPECT_TRUE(list.SortAscending());
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row3", "row1", "row2", "row0", "row4"}));
        // Data, the other cells, checks, the selection and the focus travel with their rows.
        EXPECT_EQ(list.GetItemData(0), 103u);
        EXPECT_EQ(list.GetItemText(0, 2), "3");
        EXPECT_TRUE(list.GetCheck(3));
        EXPECT_FALSE(list.GetCheck(0));
        EXPECT_EQ(chosen(), (std::vector<int>{3, 4, 3}));

        Click(header, MAKELPARAM(keyX, 5));
        EXPECT_FALSE(list.SortAscending());
        EXPECT_EQ(Names(list), (std::vector<std::string>{"row0", "row4", "row2", "row1", "row3"}));
        EXPECT_EQ(chosen(), (std::vector<int>{0, 1, 0}));
        EXPECT_EQ(dlg.m_columnClicks.size(), 1u);

        // Locked columns refuse resizing.
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

        // Rows handed over at once show their owner's texts; many rows deleted at once leave
        // the row the user clicked selected where it now stands.
        std::vector<std::string> owner;
        for (int i = 0; i < 100; ++i)
            owner.push_back("item " + std::to_string(i));
        list.SetTextSource([&owner](uintptr_t data, size_t) -> const std::string& { return owner[data]; }, 1);
        std::vector<size_t> shown(owner.size());
        std::iota(shown.begin(), shown.end(), size_t{0});
        list.ShowSourcedRows(shown);
        EXPECT_EQ(SendMessageA(list.Hwnd(), LVM_GETITEMCOUNT, 0, 0), 100);
        EXPECT_EQ(list.GetFirstSelected(), -1);
        const RECT third = RowRect(list, 2);
        Click(list.Hwnd(), MAKELPARAM(150, (third.top + third.bottom) / 2));
        ASSERT_EQ(list.GetFirstSelected(), 2);
        std::vector<int> gone(70);
        std::iota(gone.begin(), gone.end(), 3);
        gone.push_back(0);
        list.DeleteRows(gone);
        EXPECT_EQ(SendMessageA(list.Hwnd(), LVM_GETITEMCOUNT, 0, 0), 29);
        EXPECT_EQ(list.GetFirstSelected(), 1);
        EXPECT_EQ(list.GetNextSelected(1), -1);
        EXPECT_EQ(list.GetItemText(1, 0), "item 2");
        EXPECT_EQ(list.GetItemText(2, 0), "item 73");
        list.ClearSelection();
        EXPECT_EQ(list.GetFirstSelected(), -1);
        list.DeleteAllItems();
    });
}

TEST(SkinScrollBar, BarsStandBesideTheListFollowItAndScrollIt)
{
    CSkinHostDlg host;
    host.WithList().Run([](CSkinHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
        list.InsertColumn(1, "Path", LVCFMT_LEFT, 300);
        const int rows = 200;
        for (int i = 0; i < rows; ++i) {
            list.InsertItem(i, "item " + std::to_string(i));
            list.SetItemText(i, 1, "C:\\Programs\\item" + std::to_string(i) + ".exe");
        }
        UpdateWindow(list.Hwnd());
        CSkinScrollBar& bar = list.VerticalBar();
        HWND hwnd = bar.Hwnd();

        // The bars stand beside the list, which hides its own.
        const RECT owner = RectInParent(list.Hwnd());
        RECT header{};
        GetWindowRect(list.Header().Hwnd(), &header);
        const RECT vertical = RectInParent(hwnd);
        EXPECT_EQ(vertical.left, owner.right);
        EXPECT_EQ(vertical.right - vertical.left, 12);
        EXPECT_EQ(vertical.top, owner.top + header.bottom - header.top);
        EXPECT_EQ(vertical.bottom, owner.bottom + 12);
        const RECT horizontal = RectInParent(list.HorizontalBar().Hwnd());
        EXPECT_EQ(horizontal.left, owner.left);
        EXPECT_EQ(horizontal.top, owner.bottom);
        EXPECT_EQ(horizontal.bottom - horizontal.top, 12);
        EXPECT_EQ(horizontal.right - horizontal.left, owner.right - owner.left + 1);

        // The list's own bars take no room: the rows reach the border on both sides.
        RECT client{};
        GetClientRect(list.Hwnd(), &client);
        const int border = GetSystemMetrics(SM_CXBORDER);
        EXPECT_EQ(client.right, owner.right - owner.left - 2 * border);
        EXPECT_EQ(client.bottom, owner.bottom - owner.top - 2 * border);
        EXPECT_TRUE(GetWindowLongA(list.Hwnd(), GWL_STYLE) & WS_VSCROLL);

        // These bars have no images: a plain frame, and the thumb darker than the track.
        EXPECT_EQ(PixelOf(hwnd, 0, 30), RGB(100, 100, 100));
        EXPECT_LT(GetGValue(PixelOf(hwnd, 6, 18)), GetGValue(PixelOf(hwnd, 6, 60)));

        // The bar follows EnsureVisible, the wheel and the keys.
        EXPECT_EQ(bar.Position(), 0);
        EXPECT_GT(bar.Maximum(), 100);
        list.EnsureVisible(150);
        EXPECT_GT(list.GetTopIndex(), 100);
        EXPECT_EQ(bar.Position(), list.GetTopIndex());
        EXPECT_GT(bar.ThumbOffset(), 12);
        list.EnsureVisible(rows - 1);
        EXPECT_EQ(bar.Position(), bar.Maximum());
        EXPECT_EQ(bar.ThumbOffset() + 12, EndArrow(bar) - 6);
        SendMessageA(list.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        EXPECT_LT(list.GetTopIndex(), bar.Maximum());
        EXPECT_EQ(bar.Position(), list.GetTopIndex());
        SetFocus(list.Hwnd());
        list.SelectRow(0);
        SendMessageA(list.Hwnd(), WM_KEYDOWN, VK_HOME, 0);
        EXPECT_EQ(bar.Position(), 0);

        // An arrow click scrolls a line on release, a track click a page.
        Click(hwnd, On(bar, 5));
        EXPECT_EQ(list.GetTopIndex(), 0) << "the start arrow at the start does nothing";
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(bar, EndArrow(bar)));
        EXPECT_EQ(list.GetTopIndex(), 0);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(bar, EndArrow(bar)));
        EXPECT_EQ(list.GetTopIndex(), 1);
        EXPECT_EQ(bar.Position(), 1);
        EXPECT_EQ(GetCapture(), nullptr);

        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(bar, EndArrow(bar)));
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, On(bar, 5));
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(bar, 5));
        EXPECT_EQ(list.GetTopIndex(), 1) << "released away from the arrow it was pressed on";
        Click(hwnd, On(bar, 5));
        EXPECT_EQ(list.GetTopIndex(), 0);

        const int page = bar.PageSize();
        EXPECT_GT(page, 3);
        Click(hwnd, On(bar, bar.ThumbOffset() + 20));
        EXPECT_EQ(list.GetTopIndex(), page);

        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(bar, EndArrow(bar) + 15));
        EXPECT_EQ(GetCapture(), nullptr) << "a press in the corner square does nothing at all";
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(bar, EndArrow(bar) + 15));
        EXPECT_EQ(list.GetTopIndex(), page);

        // Dragging the thumb scrolls a line per move.
        list.EnsureVisible(0);
        ASSERT_EQ(list.GetTopIndex(), 0);
        const int grab = bar.ThumbOffset() + 6;
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(bar, grab));
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, On(bar, grab + 30));
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, On(bar, grab + 60));
        EXPECT_EQ(list.GetTopIndex(), 2);
        EXPECT_EQ(bar.ThumbOffset(), grab + 60 - 6);
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, On(bar, grab + 40));
        EXPECT_EQ(list.GetTopIndex(), 1);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(bar, grab + 40));
        EXPECT_EQ(bar.Position(), 1);
        EXPECT_LT(bar.ThumbOffset(), grab + 40 - 6) << "after the drag the thumb shows the real position";

        // Holding an arrow repeats until released.
        // The repeat runs only while the pointer stays on the arrow.
        const int start = list.GetTopIndex();
        ParkPointer(hwnd, POINT{6, EndArrow(bar)});
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(bar, EndArrow(bar)));
        EXPECT_EQ(list.GetTopIndex(), start);
        ASSERT_TRUE(PumpUntil([&] { return list.GetTopIndex() >= start + 5; }, 20000));
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(bar, EndArrow(bar)));
        const int released = list.GetTopIndex();
        EXPECT_EQ(bar.Position(), released);
        PumpFor(400);
        EXPECT_EQ(list.GetTopIndex(), released) << "the timers stop with the release";

        // The horizontal bar scrolls sideways and tells the parent.
        CSkinScrollBar& across = list.HorizontalBar();
        EXPECT_GT(across.Maximum(), 0);
        Click(across.Hwnd(), On(across, EndArrow(across)));
        EXPECT_EQ(dlg.m_horizontalNotices, 1);
        EXPECT_GT(GetScrollPos(list.Hwnd(), SB_HORZ), 0);
        EXPECT_EQ(across.Position(), GetScrollPos(list.Hwnd(), SB_HORZ));
        // Nothing moves at the start: no scroll, so no notice either.
        Click(across.Hwnd(), On(across, 5));
        Click(across.Hwnd(), On(across, 5));
        EXPECT_EQ(GetScrollPos(list.Hwnd(), SB_HORZ), 0);
        EXPECT_EQ(dlg.m_horizontalNotices, 2);

        // A few rows leave nothing to scroll.
        list.DeleteAllItems();
        EXPECT_EQ(bar.Maximum(), 0);
        for (int i = 0; i < 3; ++i)
            list.InsertItem(i, "item");
        EXPECT_EQ(bar.Maximum(), 0);
        Click(hwnd, On(bar, EndArrow(bar)));
        EXPECT_EQ(bar.Position(), 0);
        EXPECT_EQ(list.GetTopIndex(), 0);

        // Without the corner, and hidden with the list.
        list.PlaceWithoutCorner();
        EXPECT_FALSE(bar.Corner());
        EXPECT_EQ(RectInParent(hwnd).bottom, RectInParent(list.Hwnd()).bottom);
        list.HideAll();
        EXPECT_FALSE(IsWindowVisible(hwnd));
        EXPECT_FALSE(IsWindowVisible(list.HorizontalBar().Hwnd()));
        EXPECT_FALSE(IsWindowVisible(list.Hwnd()));
        list.ShowAll();
        EXPECT_TRUE(IsWindowVisible(hwnd));
        EXPECT_TRUE(IsWindowEnabled(list.HorizontalBar().Hwnd()));
    });
}
