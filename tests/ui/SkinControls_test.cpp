#include "ControlHostDlg.h"
#include "WinTestSupport.h"
#include "resource.h"
#include "ui/BitmapComboBox.h"
#include "ui/SkinComboBox.h"
#include "ui/SkinEdit.h"
#include "ui/TransparentStatic.h"
#include "ui/wnd/InstallFolder.h"
#include "ui/wnd/Window.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The bitmap combo's text area with and without the focus; also the frame and fill that stand
// in for missing images.
const COLORREF kFocusFill = RGB(115, 138, 174);
const COLORREF kFill = RGB(115, 138, 154);

HWND AddCombo(CControlHostDlg& host, int top)
{
    // Without integral height the list takes exactly the height asked for, not whole rows.
    HWND combo = host.AddControl("ComboBox", "", CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                                 RECT{20, top, 170, top + 160});
    for (const char* text : {"No Hotkey", "Ctrl", "Alt", "Shift"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return combo;
}
} // namespace

// Every skinned control of the configuration windows in one real dialog, with a plain edit to
// take the focus away.
TEST(SkinControls, CombosEditsAndLabelsInOneDialog)
{
    CSkinComboBox combo;
    CBitmapComboBox bitmapCombo;
    CSkinComboBox bareCombo;
    CBitmapComboBox bareBitmapCombo;
    CSkinEdit edit;
    CTransparentStatic label;
    HWND other = nullptr;
    bool imageLoaded = false;
    CControlHostDlg host;
    host.Run(
        [&](CControlHostDlg& dialog) {
            combo.Attach(AddCombo(dialog, 20));
            imageLoaded = combo.SetButtonImage(InstallFolder() + "\\Images\\ComboButton.png");
            bitmapCombo.Attach(AddCombo(dialog, 60));
            bitmapCombo.SetFaceBitmaps(IDB_FACE_1, IDB_FACE_2, IDB_FACE_3);
            bitmapCombo.SetButtonBitmaps(IDB_BUTTON_1, IDB_BUTTON_2, IDB_BUTTON_3, IDB_BUTTON_4);
            bitmapCombo.SetColours(kFocusFill, RGB(255, 255, 255), kFill, RGB(255, 255, 255));
            // Images that are not there, bitmaps that are not in the resources.
            bareCombo.Attach(AddCombo(dialog, 140));
            bareCombo.SetButtonImage(InstallFolder() + "\\Images\\Missing.png");
            bareBitmapCombo.Attach(AddCombo(dialog, 180));
            bareBitmapCombo.SetFaceBitmaps(60001, 60002, 60003);
            bareBitmapCombo.SetButtonBitmaps(60004, 0, 0, 0);
            other = dialog.AddControl("Edit", "", WS_BORDER | WS_TABSTOP, RECT{20, 100, 170, 120});
            edit.Attach(dialog.AddControl("Edit", "first", ES_AUTOHSCROLL | WS_TABSTOP, RECT{200, 20, 400, 44},
                                          WS_EX_CLIENTEDGE));
            label.Attach(dialog.AddControl("Static", "WWWWWWWWWWWWWWWWWWWW", SS_LEFT, RECT{200, 80, 400, 100}));
        },
        [&](CControlHostDlg& dialog) {
            {
                SCOPED_TRACE("without their images the combos draw plain frames and fills");
                RECT client{};
                GetClientRect(bareCombo.Hwnd(), &client);
                EXPECT_EQ(ScreenPixel(bareCombo.Hwnd(), client.right - CSkinComboBox::kButtonFromRight,
                                      CSkinComboBox::kButtonTop),
                          kFocusFill);
                EXPECT_EQ(ScreenPixel(bareCombo.Hwnd(), client.right - 24, 2), CSkinComboBox::kFaceColour);
                const RECT text = bareBitmapCombo.TextRect();
                EXPECT_EQ(ScreenPixel(bareBitmapCombo.Hwnd(), text.left, text.top), kFill);
                EXPECT_EQ(ScreenPixel(bareBitmapCombo.Hwnd(), 0, 0), kFocusFill);
            }
            {
                SCOPED_TRACE("the skin combo loads its button, keeps its items and grows its list");
                EXPECT_TRUE(imageLoaded);
                SendMessageA(combo.Hwnd(), CB_SETCURSEL, 2, 0);
                EXPECT_EQ(CWindowRef(combo.Hwnd()).Text(), "Alt");
                RECT before{};
                SendMessageA(combo.Hwnd(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&before));
                combo.SetDropHeight(60);
                RECT after{};
                SendMessageA(combo.Hwnd(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&after));
                EXPECT_EQ(after.bottom, before.bottom + 60);
                EXPECT_EQ(after.top, before.top);

                // The dropped list's colour request comes back to the control as its own.
                HDC dc = GetDC(combo.Hwnd());
                auto brush = reinterpret_cast<HBRUSH>(
                    SendMessageA(combo.Hwnd(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), 0));
                LOGBRUSH logBrush{};
                ASSERT_NE(brush, nullptr);
                GetObjectA(brush, sizeof(logBrush), &logBrush);
                EXPECT_EQ(logBrush.lbColor, CSkinComboBox::kFaceColour);
                EXPECT_EQ(GetBkColor(dc), CSkinComboBox::kFaceColour);
                ReleaseDC(combo.Hwnd(), dc);
            }
            {
                SCOPED_TRACE("the bitmap combo fills its text area by focus and keeps its selection");
                SendMessageA(bitmapCombo.Hwnd(), CB_SETCURSEL, 1, 0);
                EXPECT_EQ(CWindowRef(bitmapCombo.Hwnd()).Text(), "Ctrl");
                const RECT text = bitmapCombo.TextRect();
                EXPECT_LT(text.left, text.right);
                SetFocus(bitmapCombo.Hwnd());
                EXPECT_TRUE(bitmapCombo.HasFocus());
                InvalidateRect(bitmapCombo.Hwnd(), nullptr, FALSE);
                EXPECT_EQ(ScreenPixel(bitmapCombo.Hwnd(), text.left, text.top), kFocusFill);
                SetFocus(other);
                InvalidateRect(bitmapCombo.Hwnd(), nullptr, FALSE);
                EXPECT_EQ(ScreenPixel(bitmapCombo.Hwnd(), text.left, text.top), kFill);
            }
            {
                SCOPED_TRACE("the edit lights its border under the pointer and with the focus");
                SetWindowTextA(edit.Hwnd(), "catalog name");
                SendMessageA(edit.Hwnd(), EM_SETSEL, 0, 7);
                SendMessageA(edit.Hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("item"));
                EXPECT_EQ(CWindowRef(edit.Hwnd()).Text(), "item name");

                const COLORREF idleOuter = GetSysColor(COLOR_3DSHADOW);
                EXPECT_EQ(edit.OuterBorderColour(), idleOuter);
                EXPECT_EQ(ScreenPixel(edit.Hwnd(), 0, 0, true), idleOuter);
                RECT window{};
                GetWindowRect(edit.Hwnd(), &window);
                SetCursorPos(window.left + 30, window.top + 10);
                SendMessageA(edit.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 8));
                EXPECT_TRUE(edit.IsHot());
                EXPECT_EQ(ScreenPixel(edit.Hwnd(), 0, 0, true), GetSysColor(COLOR_3DDKSHADOW));
                EXPECT_EQ(ScreenPixel(edit.Hwnd(), 1, 1, true), GetSysColor(COLOR_3DHILIGHT));
                SetCursorPos(window.right + 200, window.bottom + 200);
                EXPECT_TRUE(PumpUntil([&] { return !edit.IsHot(); }, 5000));
                EXPECT_EQ(ScreenPixel(edit.Hwnd(), 0, 0, true), idleOuter);

                SetFocus(edit.Hwnd());
                EXPECT_EQ(ScreenPixel(edit.Hwnd(), 0, 0, true), GetSysColor(COLOR_3DDKSHADOW));
                EXPECT_EQ(ScreenPixel(edit.Hwnd(), 1, 1, true), GetSysColor(COLOR_3DSHADOW));
                SetFocus(other);
                EXPECT_EQ(ScreenPixel(edit.Hwnd(), 0, 0, true), idleOuter);
            }
            {
                SCOPED_TRACE("the edit's tooltip is one tool whose text is replaced");
                EXPECT_EQ(edit.ToolTip(), nullptr);
                edit.SetToolTip("Short name");
                ASSERT_NE(edit.ToolTip(), nullptr);
                edit.SetToolTip("Name of the item");
                EXPECT_EQ(SendMessageA(edit.ToolTip(), TTM_GETTOOLCOUNT, 0, 0), 1);
                char text[80] = {};
                TOOLINFOA tool{};
                tool.cbSize = TTTOOLINFOA_V1_SIZE;
                tool.hwnd = dialog.Hwnd();
                tool.uId = reinterpret_cast<UINT_PTR>(edit.Hwnd());
                tool.lpszText = text;
                SendMessageA(edit.ToolTip(), TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
                EXPECT_STREQ(text, "Name of the item");
            }
            {
                SCOPED_TRACE("a transparent label leaves no trace of its old text");
                const COLORREF back = ScreenPixel(dialog.Hwnd(), 5, 5);
                auto darkPixelsRightHalf = [&] {
                    int count = 0;
                    for (int y = 0; y < 20; ++y)
                        for (int x = 100; x < 200; ++x)
                            count += ScreenPixel(label.Hwnd(), x, y) != back ? 1 : 0;
                    return count;
                };
                EXPECT_GT(darkPixelsRightHalf(), 0);
                HDC dc = GetDC(label.Hwnd());
                EXPECT_EQ(SendMessageA(dialog.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(label.Hwnd())),
                          reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
                EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
                ReleaseDC(label.Hwnd(), dc);
                SetWindowTextA(label.Hwnd(), "i");
                EXPECT_EQ(darkPixelsRightHalf(), 0);
            }
        });
}
