#include "SkinHostDlg.h"
#include "SolidPng.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {
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

// A point `along` pixels from the start of a bar, and the middle of its end arrow.
LPARAM On(const CSkinScrollBar& bar, int along)
{
    return bar.IsVertical() ? MAKELPARAM(6, along) : MAKELPARAM(along, 6);
}

int EndArrow(const CSkinScrollBar& bar)
{
    return BarLength(bar) - 12 - 6;
}

void Click(HWND bar, LPARAM at)
{
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(bar, WM_LBUTTONUP, 0, at);
}
} // namespace

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
        {
            SCOPED_TRACE("the bars stand beside the list, which hides its own");
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
        }
        {
            SCOPED_TRACE("the bar follows EnsureVisible, the wheel and the keys");
            EXPECT_EQ(bar.Position(), 0);
            EXPECT_GT(bar.Maximum(), 100);
            EXPECT_EQ(bar.ThumbOffset(), 12);
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
        }
        {
            SCOPED_TRACE("an arrow click scrolls a line on release, a track click a page");
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
            EXPECT_EQ(bar.Position(), page);

            SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, On(bar, BarLength(bar) - 3));
            EXPECT_EQ(GetCapture(), nullptr) << "a press in the corner square does nothing at all";
            SendMessageA(hwnd, WM_LBUTTONUP, 0, On(bar, BarLength(bar) - 3));
            EXPECT_EQ(list.GetTopIndex(), page);
        }
        {
            SCOPED_TRACE("dragging the thumb scrolls a line per move");
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
        }
        {
            SCOPED_TRACE("holding an arrow repeats until released");
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
        }
        {
            SCOPED_TRACE("the horizontal bar scrolls sideways and tells the parent");
            CSkinScrollBar& across = list.HorizontalBar();
            EXPECT_GT(across.Maximum(), 0);
            Click(across.Hwnd(), On(across, EndArrow(across)));
            EXPECT_EQ(dlg.HorizontalScrollNotices(), 1);
            EXPECT_GT(GetScrollPos(list.Hwnd(), SB_HORZ), 0);
            EXPECT_EQ(across.Position(), GetScrollPos(list.Hwnd(), SB_HORZ));
            // Nothing moves at the start: no scroll, so no notice either.
            Click(across.Hwnd(), On(across, 5));
            Click(across.Hwnd(), On(across, 5));
            EXPECT_EQ(GetScrollPos(list.Hwnd(), SB_HORZ), 0);
            EXPECT_EQ(dlg.HorizontalScrollNotices(), 2);
        }
        {
            SCOPED_TRACE("a few rows leave nothing to scroll");
            list.DeleteAllItems();
            EXPECT_EQ(bar.Maximum(), 0);
            EXPECT_EQ(bar.ThumbOffset(), 12);
            for (int i = 0; i < 3; ++i)
                list.InsertItem(i, "item");
            EXPECT_EQ(bar.Maximum(), 0);
            Click(hwnd, On(bar, EndArrow(bar)));
            EXPECT_EQ(bar.Position(), 0);
            EXPECT_EQ(list.GetTopIndex(), 0);
        }
        {
            SCOPED_TRACE("without the corner, and hidden with the list");
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
        }
    });
}
