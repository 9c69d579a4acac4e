#pragma once
// Covers a background job: a line of text over a picture, closing itself at the first poll
// (once a second) after the job has set BackgroundDoneFlag. RunWhile does the whole dance.
#include "ui/SkinDialog.h"

#include <functional>
#include <string>

class CProgressDlg : public CSkinDialog {
public:
    static constexpr UINT_PTR kPollTimer = 1;
    static constexpr UINT kPollMilliseconds = 1000;

    explicit CProgressDlg(HWND parent = nullptr);

    void SetText(const std::string& text) { m_text = text; }
    void SetImageBaseFolder(const std::string& folder) { m_imageBaseFolder = folder; }

    // Runs `job` on a worker while this window covers the wait; returns once both are done.
    // The job owns whatever it touches until then: the caller's thread only runs the window.
    static void RunWhile(HWND owner, const std::string& imageBaseFolder, const std::string& text,
                         const std::function<void()>& job);

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR timerId) override;
    bool OnEraseBkgnd(HDC dc) override;

private:
    std::string m_text;
    std::string m_imageBaseFolder;
};
