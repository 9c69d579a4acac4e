#include "SkinHostDlg.h"

#include "resource.h"

#include <gtest/gtest.h>

TEST(SkinFrameTest, SurfaceDragsTheWindowLabelsAreTransparentAndFrameButtonsWork)
{
    CSkinHostDlg host({CSkinHostDlg::ButtonSpec{}}, true);
    const INT_PTR result = host.Run([](CSkinHostDlg& dialog) {
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

        SendMessageA(dialog.Item(CSkinHostDlg::kHelpId), BM_CLICK, 0, 0);
        EXPECT_EQ(dialog.HelpClicks(), 1);
        SendMessageA(dialog.Item(CSkinHostDlg::kMinimizeId), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsIconic(window));
        ShowWindow(window, SW_RESTORE);
        SendMessageA(dialog.Item(CSkinHostDlg::kExitId), BM_CLICK, 0, 0);
        EXPECT_FALSE(dialog.IsRunning());
    });
    EXPECT_EQ(result, IDCANCEL) << "the exit button is the window's cancel";
}
