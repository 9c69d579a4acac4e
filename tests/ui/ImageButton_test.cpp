#include "ButtonHostDlg.h"
#include "SolidPng.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <windowsx.h>

namespace {
const COLORREF kRed = RGB(220, 0, 0);
const COLORREF kBlue = RGB(0, 0, 220);

class ImageButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteSolidPng(m_normal, kRed));
        ASSERT_TRUE(WriteSolidPng(m_lit, kBlue));
    }
    CButtonHostDlg::ButtonSpec Skinned(int checkMode = CImageButton::kPushButton, DWORD style = 0) const
    {
        return {m_normal, m_lit, checkMode, style};
    }

    TempFolder m_folder;
    std::string m_normal = m_folder.File("face_01.png");
    std::string m_lit = m_folder.File("face_02.png");
};

LPARAM Centre(HWND button)
{
    RECT rect{};
    GetClientRect(button, &rect);
    return MAKELPARAM(rect.right / 2, rect.bottom / 2);
}

const LPARAM kOutside = MAKELPARAM(static_cast<WORD>(-15), static_cast<WORD>(-15));

void PointerTo(HWND button)
{
    POINT point{GET_X_LPARAM(Centre(button)), GET_Y_LPARAM(Centre(button))};
    ClientToScreen(button, &point);
    SetCursorPos(point.x, point.y);
    SendMessageA(button, WM_MOUSEMOVE, 0, Centre(button));
}

bool IsPushed(HWND button)
{
    return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void Click(HWND button, LPARAM releaseAt = 0)
{
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    SendMessageA(button, WM_LBUTTONUP, 0, releaseAt ? releaseAt : Centre(button));
}
} // namespace

TEST_F(ImageButtonTest, SecondFaceShowsOnFocusAndHoverAndGoesWhenThePointerLeaves)
{
    CButtonHostDlg host({Skinned(), Skinned()});
    host.Run([](CButtonHostDlg& dialog) {
        HWND first = dialog.Button(0);
        HWND second = dialog.Button(1);
        SetFocus(second);
        PumpFor(50);
        EXPECT_EQ(CentrePixelOf(first), kRed);
        EXPECT_EQ(CentrePixelOf(second), kBlue) << "a focused button looks lit";

        SetFocus(first);
        PumpFor(50);
        EXPECT_EQ(CentrePixelOf(first), kBlue);
        EXPECT_EQ(CentrePixelOf(second), kRed);

        PointerTo(second);
        PumpFor(50);
        EXPECT_EQ(CentrePixelOf(second), kBlue) << "the pointer over a button lights it";

        SetCursorPos(1270, 790);
        EXPECT_TRUE(PumpUntil([&] { return CentrePixelOf(second) == kRed; }, 5000))
            << "leaving the button puts the normal face back";
        EXPECT_EQ(CentrePixelOf(first), kBlue);
    });
}

TEST_F(ImageButtonTest, ReleasingOutsideSendsNoClickAndDoubleClickGivesTwo)
{
    CButtonHostDlg host({Skinned(), Skinned()});
    host.Run([](CButtonHostDlg& dialog) {
        HWND button = dialog.Button(0);
        const int id = CButtonHostDlg::kFirstButtonId;
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
        EXPECT_TRUE(IsPushed(button));
        SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, kOutside);
        EXPECT_FALSE(IsPushed(button)) << "dragged off, the button pops up";
        SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, Centre(button));
        EXPECT_TRUE(IsPushed(button)) << "dragged back, it is pushed again";
        SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, kOutside);
        SendMessageA(button, WM_LBUTTONUP, 0, kOutside);
        PumpFor(50);
        EXPECT_EQ(dialog.Clicks(id), 0) << "released outside";
        EXPECT_NE(GetCapture(), button);

        Click(button);
        SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, Centre(button));
        SendMessageA(button, WM_LBUTTONUP, 0, Centre(button));
        PumpFor(50);
        EXPECT_EQ(dialog.Clicks(id), 2) << "a double click is two clicks";
        EXPECT_EQ(dialog.Clicks(id + 1), 0);
    });
}

TEST_F(ImageButtonTest, CheckBoxTogglesAndRadioButtonsClearTheRestOfTheirGroup)
{
    CButtonHostDlg host({Skinned(CImageButton::kRadioButton, WS_GROUP), Skinned(CImageButton::kRadioButton),
                         Skinned(CImageButton::kCheckBox, WS_GROUP), Skinned(CImageButton::kPushButton, WS_GROUP)});
    host.Run([](CButtonHostDlg& dialog) {
        HWND radioA = dialog.Button(0);
        HWND radioB = dialog.Button(1);
        HWND check = dialog.Button(2);
        HWND push = dialog.Button(3);
        auto click = [](HWND button) {
            Click(button);
            PumpFor(30);
        };
        auto checked = [](HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; };

        click(radioA);
        EXPECT_TRUE(checked(radioA));
        click(radioB);
        EXPECT_TRUE(checked(radioB));
        EXPECT_FALSE(checked(radioA)) << "checking one radio button clears the others";
        click(radioB);
        EXPECT_TRUE(checked(radioB)) << "a radio button stays set";
        SetFocus(push);
        PumpFor(30);
        EXPECT_EQ(CentrePixelOf(radioB), kBlue) << "a checked button shows its second face";
        EXPECT_EQ(CentrePixelOf(radioA), kRed);

        click(check);
        EXPECT_TRUE(checked(check));
        Click(check, kOutside);
        EXPECT_TRUE(checked(check)) << "released outside, nothing toggles";
        click(check);
        EXPECT_FALSE(checked(check));
        SendMessageA(check, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageA(check, WM_KEYUP, VK_SPACE, 0);
        EXPECT_TRUE(checked(check)) << "the space bar toggles once";
        EXPECT_TRUE(checked(radioB)) << "a check box is a group of its own";

        SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_FALSE(checked(push)) << "a push button never stays checked";
    });
}
