// Without the skin's images every skinned window still opens and draws a plain fallback where
// each image would be, sampled at the pixels the images would have covered; the frame of a
// window works all the same.
#include "SkinHostDlg.h"

#include "resource.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/ProgressDlg.h"
#include "ui/SkinMessageBox.h"
#include "ui/wnd/InstallFolder.h"

#include "DialogHost.h"
#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {
const COLORREF kButtonFace = RGB(230, 230, 230);
const COLORREF kButtonLit = RGB(220, 220, 220);
const COLORREF kButtonDown = RGB(200, 200, 200);

COLORREF BackgroundPixel(HWND dialog)
{
    RECT client{};
    GetClientRect(dialog, &client);
    return PixelOf(dialog, client.right - 4, client.bottom - 8);
}
} // namespace

TEST(Fallbacks, WithoutImagesEveryWindowDrawsPlainFillsAndTheFrameStillWorks)
{
    TempFolder noImages;
    SetInstallFolder(noImages.Path().string());
    // The first button names images that are not there, the others name none.
    CSkinHostDlg host(
        {{CSkinDialog::ImagePath("normalbtn_01.png"), CSkinDialog::ImagePath("normalbtn_02.png")}, {}, {}}, true);
    const INT_PTR result = host.Run([&](CSkinHostDlg& dialog) {
        HWND window = dialog.Hwnd();
        SetFocus(dialog.Button(1));
        EnableWindow(dialog.Button(2), FALSE);
        PumpFor(50);
        EXPECT_EQ(BackgroundPixel(window), CSkinDialog::kFallbackBackground) << "window background";
        EXPECT_EQ(CentrePixelOf(dialog.Button(0)), kButtonFace) << "button";
        EXPECT_EQ(CentrePixelOf(dialog.Button(1)), kButtonLit) << "focused button";
        EXPECT_EQ(CentrePixelOf(dialog.Button(2)), kButtonDown) << "disabled button";
        EXPECT_EQ(CentrePixelOf(dialog.Item(CSkinHostDlg::kExitId)), kButtonFace) << "frame button";
        SendMessageA(dialog.Button(0), BM_SETSTATE, TRUE, 0);
        PumpFor(30);
        EXPECT_EQ(CentrePixelOf(dialog.Button(0)), kButtonDown) << "pressed button";

        // The frame: the surface drags the window, labels let the press through to it, buttons
        // take the mouse themselves, and the frame buttons work.
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 3, rect.top + 3)), HTCAPTION);
        HWND label = dialog.Item(IDC_PROGRESS_TEXT);
        GetWindowRect(label, &rect);
        EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 2, rect.top + 2)), HTTRANSPARENT);
        EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 2, rect.top + 2)), HTCAPTION);
        GetWindowRect(dialog.Button(0), &rect);
        EXPECT_EQ(WindowFromPoint(POINT{rect.left + 2, rect.top + 2}), dialog.Button(0));

        HDC dc = GetDC(window);
        const LRESULT brush =
            SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(HOLLOW_BRUSH)) << "labels are transparent";
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        ReleaseDC(window, dc);

        SendMessageA(dialog.Item(CSkinHostDlg::kHelpId), BM_CLICK, 0, 0);
        EXPECT_EQ(dialog.m_helpClicks, 1);
        SendMessageA(dialog.Item(CSkinHostDlg::kMinimizeId), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsIconic(window));
        ShowWindow(window, SW_RESTORE);
        SendMessageA(dialog.Item(CSkinHostDlg::kExitId), BM_CLICK, 0, 0);
        EXPECT_FALSE(dialog.IsRunning());
    });
    EXPECT_EQ(result, IDCANCEL) << "the exit button is the window's cancel";

    CSkinMessageBox box("Title", "Saved", MB_OK, CSkinDialog::ImagePath("MsgBack.png"), RGB(7, 191, 255),
                        CSkinDialog::ImagePath("msgbtn_01.png"), CSkinDialog::ImagePath("msgbtn_02.png"), nullptr);
    HostDialog(box, [&](HWND hwnd) {
        PumpFor(50);
        RECT client{};
        GetClientRect(hwnd, &client);
        EXPECT_EQ(PixelOf(hwnd, client.right / 2, 4), CSkinDialog::kFallbackBackground) << "message box";
    });

    BackgroundDoneFlag = 1;
    CProgressDlg progress;
    HostDialog(progress, [&](HWND hwnd) {
        PumpFor(50);
        EXPECT_EQ(BackgroundPixel(hwnd), CSkinDialog::kFallbackBackground) << "progress window";
    });
    BackgroundDoneFlag = 0;
    SetInstallFolder(DistFolder());
}
