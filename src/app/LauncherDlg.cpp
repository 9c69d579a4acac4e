#include "app/LauncherDlg.h"

#include "app/LauncherApp.h"
#include "app/TipText.h"
#include "resource.h"
#include "ui/wnd/InstallFolder.h"

namespace {
const UINT kTrayMessage = 0x405;
const UINT kTrayIconId = 0x8F;
} // namespace

CLauncherDlg::CLauncherDlg() : CDialog(IDD_LAUNCHER)
{
    m_title = GetTipText("ShortDlgTitle");
}

CLauncherDlg::~CLauncherDlg()
{
    RemoveTrayIcon();
}

BOOL CLauncherDlg::OnInitDialog()
{
    m_icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINFRAME));
    SendMessageA(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    SetWindowTextA(Hwnd(), m_title.c_str());
    m_background.Load(InstallFolder() + "\\Images\\CommonDlg.png");
    SetFocus(Item(IDC_SHORTNAME_EDIT));
    return FALSE;
}

bool CLauncherDlg::OnCommand(int id, int code)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_EXIT_BUTTON:
        OnExitButton();
        return true;
    case IDC_MIN_BUTTON:
        ShowWindow(Hwnd(), SW_MINIMIZE);
        return true;
    default:
        return false;
    }
}

void CLauncherDlg::OnExitButton()
{
    std::string question = GetTipText("HideProgram");
    if (AppMessageBox(question.c_str(), MB_YESNO) == IDNO)
        EndDialog(IDCANCEL);
    else
        ShowOrHideWindow(false);
}

void CLauncherDlg::ShowOrHideWindow(bool show)
{
    if (show) {
        RemoveTrayIcon();
        ShowWindow(Hwnd(), SW_SHOWNORMAL);
        SetForegroundWindow(Hwnd());
    } else {
        AddTrayIcon();
        ShowWindow(Hwnd(), SW_HIDE);
    }
}

void CLauncherDlg::AddTrayIcon()
{
    if (m_inTray)
        return;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = Hwnd();
    data.uID = kTrayIconId;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = m_icon;
    lstrcpynA(data.szTip, "Tavimoreth 3.0", sizeof(data.szTip));
    m_inTray = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void CLauncherDlg::RemoveTrayIcon()
{
    if (!m_inTray)
        return;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = Hwnd();
    data.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
    m_inTray = false;
}

void CLauncherDlg::OnTrayNotification(WPARAM iconId, LPARAM mouseMessage)
{
    if (iconId == kTrayIconId && mouseMessage == WM_LBUTTONDOWN)
        ShowOrHideWindow(true);
}

void CLauncherDlg::RegisterItemHotkeys()
{
}

void CLauncherDlg::UnregisterItemHotkeys()
{
}

bool CLauncherDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_HOTKEY && msg->wParam == TheApp().m_idToggleWindow) {
        ShowOrHideWindow(m_nextToggleShows);
        m_nextToggleShows = !m_nextToggleShows;
        return true;
    }
    return false;
}

INT_PTR CLauncherDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case kTrayMessage:
        OnTrayNotification(wParam, lParam);
        return TRUE;
    case WM_LBUTTONDOWN:
        m_dragByBackground = false;
        return TRUE;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
        m_dragByBackground = true;
        return TRUE;
    default:
        return CDialog::OnMessage(msg, wParam, lParam);
    }
}

bool CLauncherDlg::OnEraseBkgnd(HDC dc)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    m_background.Draw(dc, client);
    return true;
}

bool CLauncherDlg::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    SetBkMode(dc, TRANSPARENT);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font);
    TextOutA(dc, 8, 6, m_title.c_str(), static_cast<int>(m_title.size()));
    SelectObject(dc, oldFont);
    EndPaint(Hwnd(), &paint);
    return true;
}

HBRUSH CLauncherDlg::OnCtlColor(HDC dc, HWND control, UINT msg)
{
    const int id = GetDlgCtrlID(control);
    if (id == IDC_HOTKEY_STATIC || id == IDC_DESCRIPTION_EDIT) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    return nullptr;
}

LRESULT CLauncherDlg::OnNcHitTest(POINT screenPoint)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    MapWindowPoints(Hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    if (m_dragByBackground && PtInRect(&client, screenPoint))
        return HTCAPTION;
    return kDefaultHitTest;
}
