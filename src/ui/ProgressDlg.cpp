#include "ui/ProgressDlg.h"

#include "resource.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/wnd/InstallFolder.h"

#include <thread>

CProgressDlg::CProgressDlg(HWND parent) : CSkinDialog(IDD_PROGRESS, parent), m_imageBaseFolder(InstallFolder())
{
}

void CProgressDlg::RunWhile(HWND owner, const std::string& imageBaseFolder, const std::string& text,
                            const std::function<void()>& job)
{
    BackgroundDoneFlag = 0;
    std::thread worker([&job] {
        try {
            job();
        } catch (...) {
            // A failed job leaves what it did; the window must close all the same.
        }
        BackgroundDoneFlag = 1;
    });
    CProgressDlg progress(owner);
    progress.SetImageBaseFolder(imageBaseFolder);
    progress.SetText(text);
    progress.DoModal();
    worker.join();
}

BOOL CProgressDlg::OnInitDialog()
{
    SetBackgroundPath(m_imageBaseFolder + "\\Images\\DealProgress.png");
    CSkinDialog::OnInitDialog();
    SetDlgItemTextA(Hwnd(), IDC_PROGRESS_TEXT, m_text.c_str());
    SetTimer(Hwnd(), kPollTimer, kPollMilliseconds, nullptr);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, client.right, client.bottom, SWP_NOMOVE | SWP_NOACTIVATE);
    return TRUE;
}

void CProgressDlg::OnTimer(UINT_PTR timerId)
{
    if (timerId != kPollTimer || BackgroundDoneFlag.load() == 0)
        return;
    KillTimer(Hwnd(), kPollTimer);
    EndDialog(IDOK);
}

bool CProgressDlg::OnEraseBkgnd(HDC dc)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    RECT picture = client;
    picture.bottom = picture.bottom > 2 ? picture.bottom - 2 : picture.bottom;
    RECT strip{client.left, picture.bottom, client.right, client.bottom};
    HBRUSH brush = CreateSolidBrush(kFallbackBackground);
    FillRect(dc, &strip, brush);
    DeleteObject(brush);
    DrawBackground(dc, picture);
    return true;
}
