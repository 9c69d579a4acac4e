#include "ButtonHostDlg.h"
#include "SolidPng.h"

#include "app/LauncherApp.h"
#include "resource.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/ProgressDlg.h"
#include "ui/wnd/InstallFolder.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {
// Points the program at an installation folder without an Images folder for one test.
class MissingImagesTest : public testing::Test {
protected:
    void SetUp() override { SetInstallFolder(m_empty.Path().string()); }
    void TearDown() override { SetInstallFolder(DistFolder()); }
    TempFolder m_empty;
};

COLORREF BackgroundPixel(HWND dialog)
{
    RECT client{};
    GetClientRect(dialog, &client);
    return PixelOf(dialog, client.right - 4, client.bottom - 8);
}
} // namespace

TEST_F(MissingImagesTest, FrameButtonsWorkAndEverythingDrawsItsFallback)
{
    CButtonHostDlg host({{CSkinDialog::ImagePath("normalbtn_01.png"), CSkinDialog::ImagePath("normalbtn_02.png")}},
                        true);
    const INT_PTR result = host.Run([](CButtonHostDlg& dialog) {
        PumpFor(50);
        EXPECT_EQ(BackgroundPixel(dialog.Hwnd()), CSkinDialog::kFallbackBackground);
        SetFocus(dialog.Button(0));
        PumpFor(30);
        EXPECT_EQ(CentrePixelOf(dialog.Button(0)), RGB(220, 220, 220));
        EXPECT_EQ(CentrePixelOf(dialog.Item(CButtonHostDlg::kExitId)), RGB(230, 230, 230));

        SendMessageA(dialog.Item(CButtonHostDlg::kHelpId), BM_CLICK, 0, 0);
        EXPECT_EQ(dialog.HelpClicks(), 1);
        SendMessageA(dialog.Item(CButtonHostDlg::kMinimizeId), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsIconic(dialog.Hwnd()));
        ShowWindow(dialog.Hwnd(), SW_RESTORE);
        SendMessageA(dialog.Item(CButtonHostDlg::kExitId), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL) << "the exit button is the window's cancel";
}

TEST_F(MissingImagesTest, MessageBoxAndProgressWindowOpenAndPaintWithoutImages)
{
    TheApp().m_paths = InstallPaths::In(m_empty.Path().string());
    COLORREF boxBackground = 0;
    RunSoon([&] {
        HWND box = GetActiveWindow();
        PumpFor(50);
        RECT client{};
        GetClientRect(box, &client);
        boxBackground = PixelOf(box, client.right / 2, 4);
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(TheApp().DoMessageBox("Saved", MB_OK, 0), IDOK);
    EXPECT_EQ(boxBackground, CSkinDialog::kFallbackBackground);

    BackgroundDoneFlag = 1;
    COLORREF progressBackground = 0;
    RunSoon([&] { progressBackground = BackgroundPixel(GetActiveWindow()); }, 300);
    CProgressDlg progress;
    EXPECT_EQ(progress.DoModal(), IDOK);
    EXPECT_EQ(progressBackground, CSkinDialog::kFallbackBackground);
    BackgroundDoneFlag = 0;
    TheApp().m_paths = InstallPaths::In(DistFolder());
}

TEST(SkinFrameTest, SurfaceDragsTheWindowAndLabelsAreTransparent)
{
    CButtonHostDlg host({CButtonHostDlg::ButtonSpec{}});
    host.Run([](CButtonHostDlg& dialog) {
        HWND window = dialog.Hwnd();
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 3, rect.top + 3)), HTCAPTION);
        HWND label = dialog.Item(IDC_PROGRESS_TEXT);
        RECT labelRect{};
        GetWindowRect(label, &labelRect);
        const POINT onLabel{labelRect.left + 2, labelRect.top + 2};
        EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, MAKELPARAM(onLabel.x, onLabel.y)), HTTRANSPARENT)
            << "a label lets the press through to the window";
        EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(onLabel.x, onLabel.y)), HTCAPTION);
        RECT buttonRect{};
        GetWindowRect(dialog.Button(0), &buttonRect);
        EXPECT_EQ(WindowFromPoint(POINT{buttonRect.left + 2, buttonRect.top + 2}), dialog.Button(0))
            << "a button takes the mouse itself";

        HDC dc = GetDC(window);
        const LRESULT brush =
            SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(HOLLOW_BRUSH));
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        ReleaseDC(window, dc);
        dialog.EndDialog(IDOK);
    });
}
