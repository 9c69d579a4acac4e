#pragma once
// The quick-launch window: the program's main window, run modally by start-up.
#include "ui/wnd/Dialog.h"
#include "ui/wnd/PngImage.h"

#include <shellapi.h>

#include <string>

class CLauncherDlg : public CDialog {
public:
    CLauncherDlg();
    ~CLauncherDlg() override;

    void ShowOrHideWindow(bool show);
    void RegisterItemHotkeys();
    void UnregisterItemHotkeys();

    bool PreTranslateMessage(MSG* msg) override;

protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(int id, int code) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;
    LRESULT OnNcHitTest(POINT screenPoint) override;

private:
    void OnExitButton();
    void OnTrayNotification(WPARAM iconId, LPARAM mouseMessage);
    void AddTrayIcon();
    void RemoveTrayIcon();

    HICON m_icon = nullptr;
    CPngImage m_background;
    bool m_nextToggleShows = true;
    bool m_dragByBackground = true;
    bool m_inTray = false;
    std::string m_title;
};
