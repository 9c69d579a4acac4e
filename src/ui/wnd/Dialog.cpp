#include "ui/wnd/Dialog.h"

#include "ui/wnd/Application.h"
#include "ui/wnd/SubclassedControl.h"

#include <windowsx.h>

CDialog::CDialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent)
{
}

RECT CDialog::ControlRect(int id) const
{
    RECT rect{};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(HWND_DESKTOP, m_hwnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

CDialog::~CDialog()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

CDialog* CDialog::FromHandle(HWND hwnd)
{
    // DWLP_USER, not a window property: under Wine a property lookup is a round trip to the
    // server, and this runs for every message of every dialog.
    return hwnd ? reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER)) : nullptr;
}

INT_PTR CDialog::DoModal()
{
    m_ending = false;
    m_result = IDCANCEL;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND created = CreateDialogParamA(instance, MAKEINTRESOURCEA(m_templateId), m_parent, &CDialog::DialogProc,
                                      reinterpret_cast<LPARAM>(this));
    if (!created)
        return -1;
    const bool disableOwner = m_parent && IsWindowEnabled(m_parent);
    if (disableOwner)
        EnableWindow(m_parent, FALSE);
    if (!m_ending && !(GetWindowLongA(m_hwnd, GWL_STYLE) & WS_VISIBLE))
        ShowWindow(m_hwnd, SW_SHOWNORMAL);

    RunModalLoop();

    if (disableOwner)
        EnableWindow(m_parent, TRUE);
    if (m_hwnd) {
        ShowWindow(m_hwnd, SW_HIDE);
        DestroyWindow(m_hwnd);
    }
    return m_result;
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (!m_ending && m_hwnd) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave WM_QUIT for the loops below us.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0)
            break;
        if (TranslateLoopMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void CDialog::EndDialog(INT_PTR result)
{
    m_result = result;
    m_ending = true;
    // Wake the loop even when the request came from outside any message.
    if (m_hwnd)
        PostMessageA(m_hwnd, WM_NULL, 0, 0);
}

bool CDialog::PreTranslateMessage(MSG*)
{
    return false;
}

bool CDialog::TranslateLoopMessage(MSG* msg)
{
    CApplication* app = CApplication::Current();
    if (app ? app->PreTranslateMessage(msg) : RoutePreTranslate(msg, nullptr))
        return true;
    HWND top = msg->hwnd ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    return FromHandle(top) && IsDialogMessageA(top, msg);
}

bool CDialog::RoutePreTranslate(MSG* msg, CDialog* mainDialog)
{
    HWND top = nullptr;
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = GetParent(hwnd)) {
        if (CDialog* dialog = FromHandle(hwnd)) {
            if (dialog->PreTranslateMessage(msg))
                return true;
        }
        top = hwnd;
        if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    if (mainDialog && mainDialog->Hwnd() && (msg->hwnd == nullptr || top != mainDialog->Hwnd()))
        return mainDialog->PreTranslateMessage(msg);
    return false;
}

INT_PTR CDialog::SetResult(LRESULT result)
{
    SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CDialog* self = FromHandle(hwnd);
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hwnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self)
        return FALSE;
    INT_PTR answer = FALSE;
    try {
        answer = self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        CApplication::ReportUnexpected("dialog");
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hwnd = nullptr;
    }
    return answer;
}

INT_PTR CDialog::Reflect(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled)
{
    HWND control = nullptr;
    switch (msg) {
    case WM_DRAWITEM:
        control = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        control = GetDlgItem(m_hwnd, static_cast<int>(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlID));
        break;
    case WM_NOTIFY:
        control = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        break;
    default: // WM_CTLCOLOR*, WM_HSCROLL, WM_VSCROLL
        control = reinterpret_cast<HWND>(lParam);
        break;
    }
    CSubclassedControl* target = CSubclassedControl::FromHandle(control);
    LRESULT result = 0;
    handled = target && target->OnReflectedMessage(msg, wParam, lParam, result);
    if (!handled)
        return FALSE;
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC)
        return static_cast<INT_PTR>(result);
    return SetResult(result);
}

INT_PTR CDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    bool reflected = false;
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (OnCommand(id, code))
            return TRUE;
        if (id == IDOK && code == BN_CLICKED)
            OnOK();
        else if (id == IDCANCEL && code == BN_CLICKED)
            OnCancel();
        else
            return FALSE;
        return TRUE;
    }
    case WM_CLOSE:
        OnCancel();
        return TRUE;
    case WM_NOTIFY: {
        INT_PTR answer = Reflect(msg, wParam, lParam, reflected);
        if (reflected)
            return answer;
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (OnNotify(static_cast<int>(header->idFrom), header, result))
            return SetResult(result);
        return FALSE;
    }
    case WM_DRAWITEM: {
        INT_PTR answer = Reflect(msg, wParam, lParam, reflected);
        if (reflected)
            return answer;
        return OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    }
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return Reflect(msg, wParam, lParam, reflected);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        INT_PTR answer = Reflect(msg, wParam, lParam, reflected);
        if (reflected)
            return answer;
        return reinterpret_cast<INT_PTR>(
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), msg));
    }
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_PAINT:
        return OnPaint() ? TRUE : FALSE;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<HDC>(wParam)) ? SetResult(TRUE) : FALSE;
    case WM_NCHITTEST: {
        LRESULT hit = OnNcHitTest(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return hit == kDefaultHitTest ? FALSE : SetResult(hit);
    }
    default:
        return FALSE;
    }
}
