#include "DialogHost.h"
#include "SkinHostDlg.h"
#include "WinTestSupport.h"
#include "resource.h"
#include "ui/BitmapComboBox.h"
#include "ui/SkinComboBox.h"
#include "ui/SkinEdit.h"
#include "ui/TransparentStatic.h"
#include "ui/wnd/InstallFolder.h"

#include <gtest/gtest.h>

namespace {
// The bitmap combo's text area with and without the focus; also the frame and fill that stand
// in for missing images.
const COLORREF kFocusFill = RGB(115, 138, 174);
const COLORREF kFill = RGB(115, 138, 154);

HWND AddCombo(CSkinHostDlg& host, int top)
{
    // Without integral height the list takes exactly the height asked for, not whole rows.
    return host.AddControl("ComboBox", CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                           RECT{20, top, 170, top + 160});
}
} // namespace

// The combos and the edit of the configuration windows in one skinned window, with a plain
// edit to take the focus away.
TEST(SkinControls, CombosAndEditsInOneDialog)
{
    CSkinComboBox combo;
    CBitmapComboBox bitmapCombo;
    CSkinComboBox bareCombo;
    CBitmapComboBox bareBitmapCombo;
    CSkinEdit edit;
    CSkinHostDlg host;
    host.Run([&](CSkinHostDlg& dialog) {
        combo.Attach(AddCombo(dialog, 80));
        EXPECT_TRUE(combo.SetButtonImage(InstallFolder() + "\\Images\\ComboButton.png"));
        bitmapCombo.Attach(AddCombo(dialog, 120));
        bitmapCombo.SetFaceBitmaps(IDB_FACE_1, IDB_FACE_2, IDB_FACE_3);
        bitmapCombo.SetButtonBitmaps(IDB_BUTTON_1, IDB_BUTTON_2, IDB_BUTTON_3, IDB_BUTTON_4);
        bitmapCombo.SetColours(kFocusFill, RGB(255, 255, 255), kFill, RGB(255, 255, 255));
        HWND other = dialog.AddControl("Edit", WS_BORDER | WS_TABSTOP, RECT{20, 160, 170, 180});
        // Images that are not there, bitmaps that are not in the resources.
        bareCombo.Attach(AddCombo(dialog, 200));
        bareCombo.SetButtonImage(InstallFolder() + "\\Images\\Missing.png");
        bareBitmapCombo.Attach(AddCombo(dialog, 240));
        bareBitmapCombo.SetFaceBitmaps(60001, 60002, 60003);
        bareBitmapCombo.SetButtonBitmaps(60004, 0, 0, 0);
        edit.Attach(
            dialog.AddControl("Edit", ES_AUTOHSCROLL | WS_TABSTOP, RECT{250, 80, 430, 104}, "", WS_EX_CLIENTEDGE));

        // Without their images the combos draw plain frames and fills.
        RECT client{};
        GetClientRect(bareCombo.Hwnd(), &client);
        EXPECT_EQ(PixelOf(bareCombo.Hwnd(), client.right - CSkinComboBox::kButtonFromRight, CSkinComboBox::kButtonTop),
                  kFocusFill);
        EXPECT_EQ(PixelOf(bareCombo.Hwnd(), client.right - 24, 2), CSkinComboBox::kFaceColour);
        const RECT bareText = bareBitmapCombo.TextRect();
        EXPECT_EQ(PixelOf(bareBitmapCombo.Hwnd(), bareText.left, bareText.top), kFill);
        EXPECT_EQ(PixelOf(bareBitmapCombo.Hwnd(), 0, 0), kFocusFill);

        // The skin combo loads its button and grows its list.
        RECT before{};
        SendMessageA(combo.Hwnd(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&before));
        combo.SetDropHeight(60);
        RECT after{};
        SendMessageA(combo.Hwnd(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&after));
        EXPECT_EQ(after.bottom, before.bottom + 60);
        EXPECT_EQ(after.top, before.top);

        // The dropped list's colour request comes back to the control as its own.
        HDC dc = GetDC(combo.Hwnd());
        auto brush =
            reinterpret_cast<HBRUSH>(SendMessageA(combo.Hwnd(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), 0));
        LOGBRUSH logBrush{};
        ASSERT_NE(brush, nullptr);
        GetObjectA(brush, sizeof(logBrush), &logBrush);
        EXPECT_EQ(logBrush.lbColor, CSkinComboBox::kFaceColour);
        EXPECT_EQ(GetBkColor(dc), CSkinComboBox::kFaceColour);
        ReleaseDC(combo.Hwnd(), dc);

        // The bitmap combo fills its text area by focus.
        const RECT text = bitmapCombo.TextRect();
        SetFocus(bitmapCombo.Hwnd());
        EXPECT_TRUE(bitmapCombo.HasFocus());
        InvalidateRect(bitmapCombo.Hwnd(), nullptr, FALSE);
        EXPECT_EQ(PixelOf(bitmapCombo.Hwnd(), text.left, text.top), kFocusFill);
        SetFocus(other);
        InvalidateRect(bitmapCombo.Hwnd(), nullptr, FALSE);
        EXPECT_EQ(PixelOf(bitmapCombo.Hwnd(), text.left, text.top), kFill);

        // The edit lights its border under the pointer and with the focus.
        auto outer = [&] { return PixelOf(edit.Hwnd(), 0, 0, true); };
        const COLORREF idleOuter = GetSysColor(COLOR_3DSHADOW);
        EXPECT_EQ(outer(), idleOuter);
        RECT window{};
        GetWindowRect(edit.Hwnd(), &window);
        SetCursorPos(window.left + 30, window.top + 10);
        SendMessageA(edit.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 8));
        EXPECT_TRUE(edit.IsHot());
        EXPECT_EQ(outer(), GetSysColor(COLOR_3DDKSHADOW));
        EXPECT_EQ(PixelOf(edit.Hwnd(), 1, 1, true), GetSysColor(COLOR_3DHILIGHT));
        SetCursorPos(window.right + 200, window.bottom + 200);
        EXPECT_TRUE(PumpUntil([&] { return !edit.IsHot(); }, 5000));
        EXPECT_EQ(outer(), idleOuter);

        SetFocus(edit.Hwnd());
        EXPECT_EQ(outer(), GetSysColor(COLOR_3DDKSHADOW));
        EXPECT_EQ(PixelOf(edit.Hwnd(), 1, 1, true), GetSysColor(COLOR_3DSHADOW));
        SetFocus(other);
        EXPECT_EQ(outer(), idleOuter);

        // The edit's tooltip is one tool whose text is replaced.
        EXPECT_EQ(edit.ToolTip(), nullptr);
        edit.SetToolTip("Short name");
        ASSERT_NE(edit.ToolTip(), nullptr);
        edit.SetToolTip("Name of the item");
        EXPECT_EQ(SendMessageA(edit.ToolTip(), TTM_GETTOOLCOUNT, 0, 0), 1);
        char tip[80] = {};
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = dialog.Hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(edit.Hwnd());
        tool.lpszText = tip;
        SendMessageA(edit.ToolTip(), TTM_GETTEXTA, sizeof(tip), reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(tip, "Name of the item");
    });
}

// In a plain dialog, not a skinned one: a skinned window hands every label a hollow brush and
// paints a background of many colours itself, so only here does the label show its own work.
TEST(TransparentStatic, AnswersItsColourRequestAndLeavesNoTraceOfItsOldText)
{
    CDialog plain(IDD_ABOUTBOX);
    CTransparentStatic label;
    HostDialog(plain, [&](HWND dialog) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            ShowWindow(child, SW_HIDE);
        label.Attach(CreateWindowExA(0, "Static", "WWWWWWWWWWWWWWWWWWWW", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 200,
                                     20, dialog, nullptr, nullptr, nullptr));
        const COLORREF back = PixelOf(dialog, 5, 5);
        auto tracesInRightHalf = [&] {
            int count = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = 100; x < 200; ++x)
                    count += PixelOf(label.Hwnd(), x, y) != back ? 1 : 0;
            return count;
        };
        EXPECT_GT(tracesInRightHalf(), 0);
        HDC dc = GetDC(label.Hwnd());
        EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(label.Hwnd())),
                  reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        ReleaseDC(label.Hwnd(), dc);
        SetWindowTextA(label.Hwnd(), "i");
        EXPECT_EQ(tracesInRightHalf(), 0);
    });
}
