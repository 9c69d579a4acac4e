// Without the skin's images every skinned window still opens and draws a plain fallback where
// each image would be. One row per window: it opens the window with no images to load and
// samples the pixels that the images would have covered.
#include "SkinHostDlg.h"
#include "SolidPng.h"

#include "resource.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/ProgressDlg.h"
#include "ui/SkinMessageBox.h"
#include "ui/wnd/InstallFolder.h"

#include "DialogHost.h"
#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Sample {
    std::string where;
    COLORREF got;
    COLORREF expected;
};
using Samples = std::vector<Sample>;

const COLORREF kButtonFace = RGB(230, 230, 230);
const COLORREF kButtonLit = RGB(220, 220, 220);
const COLORREF kButtonDown = RGB(200, 200, 200);

COLORREF BackgroundPixel(HWND dialog)
{
    RECT client{};
    GetClientRect(dialog, &client);
    return PixelOf(dialog, client.right - 4, client.bottom - 8);
}

void ImageButtonsAndFrame(Samples& samples)
{
    // The first button names images that are not there, the others name none.
    CSkinHostDlg host(
        {{CSkinDialog::ImagePath("normalbtn_01.png"), CSkinDialog::ImagePath("normalbtn_02.png")}, {}, {}}, true);
    host.Run([&](CSkinHostDlg& dialog) {
        SetFocus(dialog.Button(1));
        EnableWindow(dialog.Button(2), FALSE);
        PumpFor(50);
        samples.push_back({"window background", BackgroundPixel(dialog.Hwnd()), CSkinDialog::kFallbackBackground});
        samples.push_back({"button", CentrePixelOf(dialog.Button(0)), kButtonFace});
        samples.push_back({"focused button", CentrePixelOf(dialog.Button(1)), kButtonLit});
        samples.push_back({"disabled button", CentrePixelOf(dialog.Button(2)), kButtonDown});
        samples.push_back({"frame button", CentrePixelOf(dialog.Item(CSkinHostDlg::kExitId)), kButtonFace});
        SendMessageA(dialog.Button(0), BM_SETSTATE, TRUE, 0);
        PumpFor(30);
        samples.push_back({"pressed button", CentrePixelOf(dialog.Button(0)), kButtonDown});
    });
}

void MessageBoxWindow(Samples& samples)
{
    CSkinMessageBox box("Title", "Saved", MB_OK, CSkinDialog::ImagePath("MsgBack.png"), RGB(7, 191, 255),
                        CSkinDialog::ImagePath("msgbtn_01.png"), CSkinDialog::ImagePath("msgbtn_02.png"), nullptr);
    HostDialog(box, [&](HWND hwnd) {
        PumpFor(50);
        RECT client{};
        GetClientRect(hwnd, &client);
        samples.push_back(
            {"message box background", PixelOf(hwnd, client.right / 2, 4), CSkinDialog::kFallbackBackground});
    });
}

void ProgressWindow(Samples& samples)
{
    BackgroundDoneFlag = 1;
    CProgressDlg progress;
    HostDialog(progress, [&](HWND hwnd) {
        PumpFor(50);
        samples.push_back({"progress background", BackgroundPixel(hwnd), CSkinDialog::kFallbackBackground});
    });
    BackgroundDoneFlag = 0;
}

} // namespace

TEST(Fallbacks, EveryWindowDrawsPlainFillsWhereItsImagesWouldBe)
{
    TempFolder noImages;
    SetInstallFolder(noImages.Path().string());
    const struct {
        const char* window;
        void (*open)(Samples&);
    } rows[] = {
        {"image buttons and frame", &ImageButtonsAndFrame},
        {"message box", &MessageBoxWindow},
        {"progress window", &ProgressWindow},
    };
    for (const auto& row : rows) {
        Samples samples;
        row.open(samples);
        EXPECT_FALSE(samples.empty()) << row.window;
        for (const Sample& sample : samples)
            EXPECT_EQ(sample.got, sample.expected) << row.window << ": " << sample.where;
    }
    SetInstallFolder(DistFolder());
}
