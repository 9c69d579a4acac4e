#pragma once
// A plain dialog that hosts controls made by a test, so they live under the program's real
// dialog procedure (with its reflection of notifications and colour requests) while the test
// drives them from inside the dialog's own modal loop.
#include "ui/wnd/Dialog.h"

#include <functional>

class CControlHostDlg : public CDialog {
public:
    using Step = std::function<void(CControlHostDlg&)>;

    CControlHostDlg();

    // Opens the dialog, calls `setup` while it initialises, then runs it through HostDialog
    // with `body` as its one step.
    void Run(Step setup, Step body);
    // Creates a visible child control with the dialog's font at a client rectangle.
    HWND AddControl(const char* className, const char* text, DWORD style, const RECT& rect, DWORD exStyle = 0);

protected:
    BOOL OnInitDialog() override;

private:
    Step m_setup;
    Step m_body;
    int m_nextId = 30000;
};

// Reads a pixel of a window as it is on the screen, in client coordinates (or window
// coordinates when `windowDc` is set).
COLORREF ScreenPixel(HWND hwnd, int x, int y, bool windowDc = false);
