// Without the skin's images every skinned window still opens and draws a plain fallback where
// each image would be. One row per window: it opens the window with no images to load and
// samples the pixels that the images would have covered.
#include "ButtonHostDlg.h"
#include "ControlHostDlg.h"
#include "ListHostDlg.h"
#include "SolidPng.h"

#include "resource.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/BitmapComboBox.h"
#include "ui/ProgressDlg.h"
#include "ui/SkinComboBox.h"
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
const COLORREF kComboButtonFrame = RGB(115, 138, 174);
const COLORREF kComboFill = RGB(115, 138, 154);

COLORREF BackgroundPixel(HWND dialog)
{
    RECT client{};
    GetClientRect(dialog, &client);
    return PixelOf(dialog, client.right - 4, client.bottom - 8);
}

void ImageButtonsAndFrame(Samples& samples)
{
    // The first button names images that are not there, the others name none.
    CButtonHostDlg host(
        {{CSkinDialog::ImagePath("normalbtn_01.png"), CSkinDialog::ImagePath("normalbtn_02.png")}, {}, {}}, true);
    host.Run([&](CButtonHostDlg& dialog) {
        SetFocus(dialog.Button(1));
        EnableWindow(dialog.Button(2), FALSE);
        PumpFor(50);
        samples.push_back({"window background", BackgroundPixel(dialog.Hwnd()), CSkinDialog::kFallbackBackground});
        samples.push_back({"button", CentrePixelOf(dialog.Button(0)), kButtonFace});
        samples.push_back({"focused button", CentrePixelOf(dialog.Button(1)), kButtonLit});
        samples.push_back({"disabled button", CentrePixelOf(dialog.Button(2)), kButtonDown});
        samples.push_back({"frame button", CentrePixelOf(dialog.Item(CButtonHostDlg::kExitId)), kButtonFace});
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

void ListScrollBar(Samples& samples)
{
    CListHostDlg host(InstallFolder());
    host.Run([&](CListHostDlg& dialog) {
        CSkinListCtrl& list = dialog.List();
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
        for (int i = 0; i < 200; ++i)
            list.InsertItem(i, "item " + std::to_string(i));
        HWND bar = list.VerticalBar().Hwnd();
        UpdateWindow(bar);
        samples.push_back({"scroll bar frame", PixelOf(bar, 0, 30), RGB(100, 100, 100)});
        // The thumb is drawn darker than the track around it.
        const COLORREF thumb = PixelOf(bar, 6, 18);
        const COLORREF track = PixelOf(bar, 6, 60);
        samples.push_back({"scroll bar thumb darker than the track", GetGValue(thumb) < GetGValue(track), TRUE});
    });
}

void ComboBoxes(Samples& samples)
{
    CSkinComboBox combo;
    CBitmapComboBox bitmapCombo;
    bool imageLoaded = true;
    CControlHostDlg host;
    host.Run(
        [&](CControlHostDlg& dialog) {
            const DWORD style = CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT | WS_VSCROLL;
            combo.Attach(dialog.AddControl("ComboBox", "", style, RECT{20, 20, 170, 180}));
            imageLoaded = combo.SetButtonImage(InstallFolder() + "\\Images\\ComboButton.png");
            // Bitmaps that are not in the resources.
            bitmapCombo.Attach(dialog.AddControl("ComboBox", "", style, RECT{20, 60, 170, 220}));
            bitmapCombo.SetFaceBitmaps(60001, 60002, 60003);
            bitmapCombo.SetButtonBitmaps(60004, 0, 0, 0);
            for (HWND box : {combo.Hwnd(), bitmapCombo.Hwnd()})
                SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Ctrl"));
        },
        [&](CControlHostDlg&) {
            samples.push_back({"combo image loaded", imageLoaded, FALSE});
            RECT client{};
            GetClientRect(combo.Hwnd(), &client);
            samples.push_back(
                {"combo button frame",
                 ScreenPixel(combo.Hwnd(), client.right - CSkinComboBox::kButtonFromRight, CSkinComboBox::kButtonTop),
                 kComboButtonFrame});
            samples.push_back(
                {"combo face", ScreenPixel(combo.Hwnd(), client.right - 24, 2), CSkinComboBox::kFaceColour});
            const RECT text = bitmapCombo.TextRect();
            samples.push_back(
                {"bitmap combo text area", ScreenPixel(bitmapCombo.Hwnd(), text.left, text.top), kComboFill});
            samples.push_back({"bitmap combo button frame", ScreenPixel(bitmapCombo.Hwnd(), 0, 0), kComboButtonFrame});
        });
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
        {"list", &ListScrollBar},
        {"combo boxes", &ComboBoxes},
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
