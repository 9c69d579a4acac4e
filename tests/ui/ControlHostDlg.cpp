#include "ControlHostDlg.h"

#include "DialogHost.h"
#include "resource.h"

namespace {
const int kHostWidth = 520;
const int kHostHeight = 420;

BOOL CALLBACK HideChild(HWND child, LPARAM)
{
    ShowWindow(child, SW_HIDE);
    return TRUE;
}
} // namespace

CControlHostDlg::CControlHostDlg() : CDialog(IDD_ABOUTBOX)
{
}

void CControlHostDlg::Run(Step setup, Step body)
{
    m_setup = std::move(setup);
    m_body = std::move(body);
    HostDialog(*this, [this](HWND) { m_body(*this); });
}

BOOL CControlHostDlg::OnInitDialog()
{
    // The template only lends its frame; its own controls stay out of the way.
    EnumChildWindows(Hwnd(), &HideChild, 0);
    SetWindowPos(Hwnd(), HWND_TOP, 0, 0, kHostWidth, kHostHeight, SWP_SHOWWINDOW);
    if (m_setup)
        m_setup(*this);
    return TRUE;
}

HWND CControlHostDlg::AddControl(const char* className, const char* text, DWORD style, const RECT& rect, DWORD exStyle)
{
    HWND control =
        CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, Hwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_nextId++)), GetModuleHandleA(nullptr), nullptr);
    if (control)
        SendMessageA(control, WM_SETFONT, SendMessageA(Hwnd(), WM_GETFONT, 0, 0), FALSE);
    return control;
}

COLORREF ScreenPixel(HWND hwnd, int x, int y, bool windowDc)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = windowDc ? GetWindowDC(hwnd) : GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}
