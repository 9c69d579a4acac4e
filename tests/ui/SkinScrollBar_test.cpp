#include "ListHostDlg.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const int kRows = 200;

void FillRows(CSkinListCtrl& list, int count)
{
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
    list.InsertColumn(1, "Path", LVCFMT_LEFT, 300);
    for (int i = 0; i < count; ++i) {
        list.InsertItem(i, "item " + std::to_string(i));
        list.SetItemText(i, 1, "C:\\Programs\\item" + std::to_string(i) + ".exe");
    }
    UpdateWindow(list.Hwnd());
}

RECT RectInParent(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int BarLength(const CSkinScrollBar& bar)
{
    RECT client{};
    GetClientRect(bar.Hwnd(), &client);
    return bar.IsVertical() ? client.bottom : client.right;
}

// A point on the vertical bar, `along` pixels from its top.
LPARAM On(int along)
{
    return MAKELPARAM(6, along);
}

int EndArrow(const CSkinScrollBar& bar)
{
    return BarLength(bar) - 12 - 6;
}

// A press and release at one point of a bar.
void Click(HWND bar, LPARAM at)
{
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(bar, WM_LBUTTONUP, 0, at);
}
} // namespace

TEST(SkinScrollBar, BarsStandBesideTheListAndHideItsOwn)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        FillRows(list, kRows);
        const RECT owner = RectInParent(list.Hwnd());
        RECT headerRect{};
        GetWindowRect(list.Header().Hwnd(), &headerRect);
        const int headerHeight = headerRect.bottom - headerRect.top;
        EXPECT_GT(headerHeight, 0);

        const RECT vertical = RectInParent(list.VerticalBar().Hwnd());
        EXPECT_EQ(vertical.left, owner.right);
        EXPECT_EQ(vertical.right - vertical.left, 12);
        EXPECT_EQ(vertical.top, owner.top + headerHeight);
        EXPECT_EQ(vertical.bottom, owner.bottom + 12);
        const RECT horizontal = RectInParent(list.HorizontalBar().Hwnd());
        EXPECT_EQ(horizontal.left, owner.left);
        EXPECT_EQ(horizontal.top, owner.bottom);
        EXPECT_EQ(horizontal.bottom - horizontal.top, 12);
        EXPECT_EQ(horizontal.right - horizontal.left, owner.right - owner.left + 1);
        EXPECT_EQ(GetDlgCtrlID(list.VerticalBar().Hwnd()), 65535);

        // The list's own bars take no room: the rows reach the border on both sides.
        RECT client{};
        GetClientRect(list.Hwnd(), &client);
        const int border = GetSystemMetrics(SM_CXBORDER);
        EXPECT_EQ(client.right, owner.right - owner.left - 2 * border);
        EXPECT_EQ(client.bottom, owner.bottom - owner.top - 2 * border);
        EXPECT_TRUE(GetWindowLongA(list.Hwnd(), GWL_STYLE) & WS_VSCROLL);

        list.PlaceWithoutCorner();
        EXPECT_FALSE(list.VerticalBar().Corner());
        EXPECT_EQ(RectInParent(list.VerticalBar().Hwnd()).bottom, owner.bottom);

        list.HideAll();
        EXPECT_FALSE(IsWindowVisible(list.VerticalBar().Hwnd()));
        EXPECT_FALSE(IsWindowVisible(list.HorizontalBar().Hwnd()));
        EXPECT_FALSE(IsWindowVisible(list.Hwnd()));
        list.ShowAll();
        EXPECT_TRUE(IsWindowVisible(list.VerticalBar().Hwnd()));
        EXPECT_TRUE(IsWindowEnabled(list.HorizontalBar().Hwnd()));
    });
}

TEST(SkinScrollBar, FollowsTheListAfterEnsureVisibleWheelKeysAndClearing)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        FillRows(list, kRows);
        CSkinScrollBar& bar = list.VerticalBar();
        EXPECT_EQ(bar.Position(), 0);
        EXPECT_GT(bar.Maximum(), 100);
        EXPECT_EQ(bar.ThumbOffset(), 12);

        list.EnsureVisible(150);
        const int top = list.GetTopIndex();
        EXPECT_GT(top, 100);
        EXPECT_EQ(bar.Position(), top);
        EXPECT_GT(bar.ThumbOffset(), 12);

        list.EnsureVisible(kRows - 1);
        EXPECT_EQ(bar.Position(), bar.Maximum());
        EXPECT_EQ(bar.ThumbOffset() + 12, EndArrow(bar) - 6);

        SendMessageA(list.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        EXPECT_LT(list.GetTopIndex(), bar.Maximum());
        EXPECT_EQ(bar.Position(), list.GetTopIndex());

        SetFocus(list.Hwnd());
        list.SelectRow(0);
        SendMessageA(list.Hwnd(), WM_KEYDOWN, VK_HOME, 0);
        EXPECT_EQ(bar.Position(), 0);

        list.DeleteAllItems();
        EXPECT_EQ(bar.Maximum(), 0);
        EXPECT_EQ(bar.ThumbOffset(), 12);

        // A few rows leave nothing to scroll: the end arrow moves nothing.
        for (int i = 0; i < 3; ++i)
            list.InsertItem(i, "item");
        EXPECT_EQ(bar.Maximum(), 0);
        Click(bar.Hwnd(), On(EndArrow(bar)));
        EXPECT_EQ(bar.Position(), 0);
        EXPECT_EQ(list.GetTopIndex(), 0);
    });
}

TEST(SkinScrollBar, ArrowClickScrollsOneLineAndPagesJumpAPage)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        FillRows(list, kRows);
        CSkinScrollBar& bar = list.VerticalBar();
        HWND hwnd = bar.Hwnd();

        // The start arrow at the start does nothing.
        Click(hwnd, On(5));
        EXPECT_EQ(list.GetTopIndex(), 0);

        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(EndArrow(bar)));
        EXPECT_EQ(list.GetTopIndex(), 0);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(EndArrow(bar)));
        EXPECT_EQ(list.GetTopIndex(), 1);
        EXPECT_EQ(bar.Position(), 1);
        EXPECT_EQ(GetCapture(), nullptr);

        // Released away from the arrow it was pressed on: nothing.
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(EndArrow(bar)));
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, On(5));
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(5));
        EXPECT_EQ(list.GetTopIndex(), 1);

        Click(hwnd, On(5));
        EXPECT_EQ(list.GetTopIndex(), 0);

        const int page = bar.PageSize();
        EXPECT_GT(page, 3);
        const int afterThumb = bar.ThumbOffset() + 20;
        Click(hwnd, On(afterThumb));
        EXPECT_EQ(list.GetTopIndex(), page);
        EXPECT_EQ(bar.Position(), page);

        // A press in the corner square does nothing at all.
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(BarLength(bar) - 3));
        EXPECT_EQ(GetCapture(), nullptr);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(BarLength(bar) - 3));
        EXPECT_EQ(list.GetTopIndex(), page);
    });
}

TEST(SkinScrollBar, HoldingAnArrowRepeatsUntilReleased)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        FillRows(list, kRows);
        CSkinScrollBar& bar = list.VerticalBar();
        // The repeat runs only while the pointer stays on the arrow.
        ParkPointer(bar.Hwnd(), POINT{6, EndArrow(bar)});
        SendMessageA(bar.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, On(EndArrow(bar)));
        EXPECT_EQ(list.GetTopIndex(), 0);
        ASSERT_TRUE(PumpUntil([&] { return list.GetTopIndex() >= 5; }, 20000));
        SendMessageA(bar.Hwnd(), WM_LBUTTONUP, 0, On(EndArrow(bar)));
        const int released = list.GetTopIndex();
        EXPECT_EQ(bar.Position(), released);
        // The timers stop with the release.
        PumpFor(400);
        EXPECT_EQ(list.GetTopIndex(), released);
    });
}

TEST(SkinScrollBar, DraggingTheThumbScrollsALinePerMove)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        FillRows(list, kRows);
        CSkinScrollBar& bar = list.VerticalBar();
        HWND hwnd = bar.Hwnd();
        const int grab = bar.ThumbOffset() + 6;
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(grab));
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, On(grab + 30));
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, On(grab + 60));
        EXPECT_EQ(list.GetTopIndex(), 2);
        EXPECT_EQ(bar.ThumbOffset(), grab + 60 - 6);
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, On(grab + 40));
        EXPECT_EQ(list.GetTopIndex(), 1);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, On(grab + 40));
        // After the drag the thumb shows the real position again.
        EXPECT_EQ(bar.Position(), 1);
        EXPECT_LT(bar.ThumbOffset(), grab + 40 - 6);
    });
}

TEST(SkinScrollBar, HorizontalBarTellsTheParentAndScrollsSideways)
{
    CListHostDlg host;
    host.Run([](CListHostDlg& dlg) {
        CSkinListCtrl& list = dlg.List();
        FillRows(list, 20);
        CSkinScrollBar& bar = list.HorizontalBar();
        EXPECT_GT(bar.Maximum(), 0);
        const int endArrow = BarLength(bar) - 12 - 6;
        Click(bar.Hwnd(), MAKELPARAM(endArrow, 6));
        EXPECT_EQ(dlg.HorizontalScrollNotices(), 1);
        EXPECT_GT(GetScrollPos(list.Hwnd(), SB_HORZ), 0);
        EXPECT_EQ(bar.Position(), GetScrollPos(list.Hwnd(), SB_HORZ));
        // Nothing moves at the start: no scroll, so no notice either.
        Click(bar.Hwnd(), MAKELPARAM(5, 6));
        Click(bar.Hwnd(), MAKELPARAM(5, 6));
        EXPECT_EQ(GetScrollPos(list.Hwnd(), SB_HORZ), 0);
        EXPECT_EQ(dlg.HorizontalScrollNotices(), 2);
    });
}
