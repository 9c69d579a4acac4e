#include "SkinHostDlg.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {
const COLORREF kRed = RGB(220, 0, 0);
const COLORREF kBlue = RGB(0, 0, 220);
// The host makes every button 60 by 30 pixels.
const LPARAM kCentre = MAKELPARAM(30, 15);
const LPARAM kOutside = MAKELPARAM(static_cast<WORD>(-15), static_cast<WORD>(-15));

bool IsPushed(HWND button)
{
    return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

bool IsChecked(HWND button)
{
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND button, LPARAM releaseAt = 0)
{
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, kCentre);
    SendMessageA(button, WM_LBUTTONUP, 0, releaseAt ? releaseAt : kCentre);
    PumpFor(30);
}
} // namespace

// Two push buttons, two radio buttons of one group and a check box of its own, all red with a
// blue second face.
TEST(ImageButton, SecondFaceClicksAndCheckModes)
{
    TempFolder folder;
    const std::string normal = folder.File("face_01.png");
    const std::string lit = folder.File("face_02.png");
    ASSERT_TRUE(WriteSolidPng(normal, kRed));
    ASSERT_TRUE(WriteSolidPng(lit, kBlue));
    auto skinned = [&](int checkMode, DWORD style = 0) {
        return CSkinHostDlg::ButtonSpec{normal, lit, checkMode, style};
    };
    CSkinHostDlg host({skinned(CImageButton::kPushButton), skinned(CImageButton::kPushButton),
                       skinned(CImageButton::kRadioButton, WS_GROUP), skinned(CImageButton::kRadioButton),
                       skinned(CImageButton::kCheckBox, WS_GROUP)});
    host.Run([](CSkinHostDlg& dialog) {
        HWND first = dialog.Button(0);
        HWND second = dialog.Button(1);
        HWND radioA = dialog.Button(2);
        HWND radioB = dialog.Button(3);
        HWND check = dialog.Button(4);

        // The second face follows the focus and the pointer.
        SetFocus(second);
        PumpFor(50);
        EXPECT_EQ(CentrePixelOf(first), kRed);
        EXPECT_EQ(CentrePixelOf(second), kBlue);
        SetFocus(first);
        PumpFor(50);
        EXPECT_EQ(CentrePixelOf(first), kBlue);
        EXPECT_EQ(CentrePixelOf(second), kRed);

        ParkPointer(second, POINT{30, 15});
        SendMessageA(second, WM_MOUSEMOVE, 0, kCentre);
        PumpFor(50);
        EXPECT_EQ(CentrePixelOf(second), kBlue) << "the pointer over a button lights it";
        SetCursorPos(1270, 790);
        EXPECT_TRUE(PumpUntil([&] { return CentrePixelOf(second) == kRed; }, 5000))
            << "leaving the button puts the normal face back";
        EXPECT_EQ(CentrePixelOf(first), kBlue);

        // A click counts only when released on the button.
        const int id = CSkinHostDlg::kFirstButtonId;
        SendMessageA(first, WM_LBUTTONDOWN, MK_LBUTTON, kCentre);
        EXPECT_TRUE(IsPushed(first));
        SendMessageA(first, WM_MOUSEMOVE, MK_LBUTTON, kOutside);
        EXPECT_FALSE(IsPushed(first)) << "dragged off, the button pops up";
        SendMessageA(first, WM_MOUSEMOVE, MK_LBUTTON, kCentre);
        EXPECT_TRUE(IsPushed(first)) << "dragged back, it is pushed again";
        SendMessageA(first, WM_MOUSEMOVE, MK_LBUTTON, kOutside);
        SendMessageA(first, WM_LBUTTONUP, 0, kOutside);
        PumpFor(50);
        EXPECT_EQ(dialog.m_clicks[id], 0) << "released outside";
        EXPECT_NE(GetCapture(), first);

        Click(first);
        SendMessageA(first, WM_LBUTTONDBLCLK, MK_LBUTTON, kCentre);
        SendMessageA(first, WM_LBUTTONUP, 0, kCentre);
        PumpFor(50);
        EXPECT_EQ(dialog.m_clicks[id], 2) << "a double click is two clicks";
        EXPECT_EQ(dialog.m_clicks[id + 1], 0);

        // Radio buttons and check boxes.
        Click(radioA);
        EXPECT_TRUE(IsChecked(radioA));
        Click(radioB);
        EXPECT_TRUE(IsChecked(radioB));
        EXPECT_FALSE(IsChecked(radioA)) << "checking one radio button clears the others";
        Click(radioB);
        EXPECT_TRUE(IsChecked(radioB)) << "a radio button stays set";
        SetFocus(first);
        PumpFor(30);
        EXPECT_EQ(CentrePixelOf(radioB), kBlue) << "a checked button shows its second face";
        EXPECT_EQ(CentrePixelOf(radioA), kRed);

        Click(check);
        EXPECT_TRUE(IsChecked(check));
        Click(check, kOutside);
        EXPECT_TRUE(IsChecked(check)) << "released outside, nothing toggles";
        Click(check);
        EXPECT_FALSE(IsChecked(check));
        SendMessageA(check, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageA(check, WM_KEYUP, VK_SPACE, 0);
        EXPECT_TRUE(IsChecked(check)) << "the space bar toggles once";
        EXPECT_TRUE(IsChecked(radioB)) << "a check box is a group of its own";

        SendMessageA(second, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_FALSE(IsChecked(second)) << "a push button never stays checked";
    });
}
