#include "ControlHostDlg.h"
#include "TempFolder.h"
#include "WinTestSupport.h"
#include "resource.h"
#include "ui/BitmapComboBox.h"
#include "ui/SkinComboBox.h"
#include "ui/SkinEdit.h"
#include "ui/TransparentStatic.h"
#include "ui/wnd/InstallFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const COLORREF kFocusFill = RGB(115, 138, 174);
const COLORREF kFill = RGB(115, 138, 154);

std::string WindowText(HWND hwnd)
{
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

void AddItems(HWND combo)
{
    for (const char* text : {"No Hotkey", "Ctrl", "Alt", "Shift"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

HWND AddCombo(CControlHostDlg& host, int top)
{
    // Without integral height the list takes exactly the height asked for, not whole rows.
    return host.AddControl("ComboBox", "", CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                           RECT{20, top, 170, top + 160});
}

class SkinControlsTest : public testing::Test {
protected:
    WinTestEnvironment m_environment;
    CControlHostDlg m_host;
};
} // namespace

TEST_F(SkinControlsTest, SkinComboKeepsItsItemsPaintsItsFaceAndGrowsItsList)
{
    CSkinComboBox combo;
    bool imageLoaded = false;
    m_host.Run(
        [&](CControlHostDlg& host) {
            combo.Attach(AddCombo(host, 20));
            imageLoaded = combo.SetButtonImage(InstallFolder() + "\\Images\\ComboButton.png");
            AddItems(combo.Hwnd());
        },
        [&](CControlHostDlg&) {
            EXPECT_TRUE(imageLoaded);
            EXPECT_EQ(SendMessageA(combo.Hwnd(), CB_GETCOUNT, 0, 0), 4);
            SendMessageA(combo.Hwnd(), CB_SETCURSEL, 2, 0);
            EXPECT_EQ(WindowText(combo.Hwnd()), "Alt");

            RECT client{};
            GetClientRect(combo.Hwnd(), &client);
            InvalidateRect(combo.Hwnd(), nullptr, TRUE);
            EXPECT_EQ(ScreenPixel(combo.Hwnd(), client.right - 24, 2), CSkinComboBox::kFaceColour);

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
        });
}

TEST_F(SkinControlsTest, BitmapComboFillsItsTextAreaByFocusAndKeepsItsSelection)
{
    CBitmapComboBox combo;
    HWND other = nullptr;
    m_host.Run(
        [&](CControlHostDlg& host) {
            combo.Attach(AddCombo(host, 20));
            combo.SetFaceBitmaps(IDB_FACE_1, IDB_FACE_2, IDB_FACE_3);
            combo.SetButtonBitmaps(IDB_BUTTON_1, IDB_BUTTON_2, IDB_BUTTON_3, IDB_BUTTON_4);
            combo.SetColours(kFocusFill, RGB(255, 255, 255), kFill, RGB(255, 255, 255));
            AddItems(combo.Hwnd());
            other = host.AddControl("Edit", "", WS_BORDER | WS_TABSTOP, RECT{20, 100, 170, 120});
        },
        [&](CControlHostDlg&) {
            SendMessageA(combo.Hwnd(), CB_SETCURSEL, 1, 0);
            EXPECT_EQ(WindowText(combo.Hwnd()), "Ctrl");
            const RECT text = combo.TextRect();
            EXPECT_LT(text.left, text.right);

            SetFocus(combo.Hwnd());
            EXPECT_TRUE(combo.HasFocus());
            InvalidateRect(combo.Hwnd(), nullptr, FALSE);
            EXPECT_EQ(ScreenPixel(combo.Hwnd(), text.left, text.top), kFocusFill);
            SetFocus(other);
            InvalidateRect(combo.Hwnd(), nullptr, FALSE);
            EXPECT_EQ(ScreenPixel(combo.Hwnd(), text.left, text.top), kFill);
        });
}

TEST_F(SkinControlsTest, SkinEditLightsItsBorderUnderThePointerAndWithTheFocus)
{
    CSkinEdit edit;
    HWND other = nullptr;
    m_host.Run(
        [&](CControlHostDlg& host) {
            edit.Attach(
                host.AddControl("Edit", "first", ES_AUTOHSCROLL | WS_TABSTOP, RECT{20, 20, 220, 44}, WS_EX_CLIENTEDGE));
            other = host.AddControl("Edit", "", WS_BORDER | WS_TABSTOP, RECT{20, 80, 220, 100});
        },
        [&](CControlHostDlg&) {
            SetFocus(other);
            SetWindowTextA(edit.Hwnd(), "catalog name");
            SendMessageA(edit.Hwnd(), EM_SETSEL, 0, 7);
            SendMessageA(edit.Hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("item"));
            EXPECT_EQ(WindowText(edit.Hwnd()), "item name");

            const COLORREF idleOuter = GetSysColor(COLOR_3DSHADOW);
            EXPECT_EQ(edit.OuterBorderColour(), idleOuter);
            EXPECT_EQ(ScreenPixel(edit.Hwnd(), 0, 0, true), idleOuter);

            // The real pointer goes over the edit and away again.
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
        });
}

TEST_F(SkinControlsTest, SkinEditTooltipIsOneToolWhoseTextIsReplaced)
{
    CSkinEdit edit;
    m_host.Run(
        [&](CControlHostDlg& host) {
            edit.Attach(host.AddControl("Edit", "", WS_TABSTOP, RECT{20, 20, 220, 44}, WS_EX_CLIENTEDGE));
        },
        [&](CControlHostDlg&) {
            EXPECT_EQ(edit.ToolTip(), nullptr);
            edit.SetToolTip("Short name");
            ASSERT_NE(edit.ToolTip(), nullptr);
            edit.SetToolTip("Name of the item");
            EXPECT_EQ(SendMessageA(edit.ToolTip(), TTM_GETTOOLCOUNT, 0, 0), 1);
            char text[80] = {};
            TOOLINFOA tool{};
            tool.cbSize = TTTOOLINFOA_V1_SIZE;
            tool.hwnd = GetParent(edit.Hwnd());
            tool.uId = reinterpret_cast<UINT_PTR>(edit.Hwnd());
            tool.lpszText = text;
            SendMessageA(edit.ToolTip(), TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
            EXPECT_STREQ(text, "Name of the item");
        });
}

TEST_F(SkinControlsTest, TransparentStaticLeavesNoTraceOfItsOldText)
{
    CTransparentStatic label;
    m_host.Run(
        [&](CControlHostDlg& host) {
            label.Attach(host.AddControl("Static", "WWWWWWWWWWWWWWWWWWWW", SS_LEFT, RECT{20, 20, 220, 40}));
        },
        [&](CControlHostDlg& host) {
            const COLORREF back = ScreenPixel(host.Hwnd(), 5, 5);
            auto darkPixelsRightHalf = [&] {
                int count = 0;
                for (int y = 0; y < 20; ++y)
                    for (int x = 100; x < 200; ++x)
                        count += ScreenPixel(label.Hwnd(), x, y) != back ? 1 : 0;
                return count;
            };
            EXPECT_GT(darkPixelsRightHalf(), 0);
            HDC dc = GetDC(label.Hwnd());
            EXPECT_EQ(SendMessageA(host.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(label.Hwnd())),
                      reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
            EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
            ReleaseDC(label.Hwnd(), dc);

            SetWindowTextA(label.Hwnd(), "i");
            EXPECT_EQ(darkPixelsRightHalf(), 0);
        });
}
