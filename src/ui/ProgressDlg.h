#pragma once
// Covers a background job: a line of text over a picture, closing itself at the first poll
// (once a second) after the job has set BackgroundDoneFlag. Clear the flag, start the job, then
// run this window.
#include "ui/SkinDialog.h"

#include <string>

class CProgressDlg : public CSkinDialog {
public:
    static constexpr UINT_PTR kPollTimer = 1;
    static constexpr UINT kPollMilliseconds = 1000;

    explicit CProgressDlg(HWND parent = nullptr);

    void SetText(const std::string& text) { m_text = text; }
    void SetImageBaseFolder(const std::string& folder) { m_imageBaseFolder = folder; }

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR timerId) override;
    bool OnEraseBkgnd(HDC dc) override;

private:
    std::string m_text;
    std::string m_imageBaseFolder;
};
