#include "ui/SkinEdit.h"

#include <commctrl.h>

CSkinEdit::~CSkinEdit()
{
    if (m_tip)
        DestroyWindow(m_tip);
}

void CSkinEdit::OnAttached()
{
    ReadColours();
}

void CSkinEdit::ReadColours()
{
    m_highlight = GetSysColor(COLOR_3DHILIGHT);
    m_shadow = GetSysColor(COLOR_3DSHADOW);
    m_darkShadow = GetSysColor(COLOR_3DDKSHADOW);
    m_face = GetSysColor(COLOR_3DFACE);
}

// Idle: a quiet frame that blends into the dialog. Under the mouse the frame turns dark with a
// light inner line; with the focus it stays dark with a shadowed inner line, so the caret's box
// reads as active even when the pointer is elsewhere.
COLORREF CSkinEdit::OuterBorderColour() const
{
    return m_hot || HasFocus() ? m_darkShadow : m_shadow;
}

COLORREF CSkinEdit::InnerBorderColour() const
{
    if (HasFocus())
        return m_shadow;
    return m_hot ? m_highlight : m_face;
}

void CSkinEdit::DrawBorder()
{
    RECT window{};
    GetWindowRect(Hwnd(), &window);
    OffsetRect(&window, -window.left, -window.top);
    HDC dc = GetWindowDC(Hwnd());
    if (!dc)
        return;
    HBRUSH outer = CreateSolidBrush(OuterBorderColour());
    HBRUSH inner = CreateSolidBrush(InnerBorderColour());
    // The outer line lies on the window's own edge, the inner one just inside it: over the
    // sunken edge of a client-edge box, or over the outermost client pixels of a bare one.
    FrameRect(dc, &window, outer);
    InflateRect(&window, -1, -1);
    FrameRect(dc, &window, inner);
    DeleteObject(outer);
    DeleteObject(inner);
    ReleaseDC(Hwnd(), dc);
}

void CSkinEdit::SetToolTip(const std::string& text)
{
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(Hwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(Hwnd());
    tool.lpszText = const_cast<char*>(text.c_str());
    if (m_tip) {
        SendMessageA(m_tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    m_tip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_tip)
        return;
    SendMessageA(m_tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(m_tip, TTM_ACTIVATE, TRUE, 0);
}

void CSkinEdit::RelayToTip(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!m_tip)
        return;
    MSG relay{Hwnd(), msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    const DWORD position = GetMessagePos();
    relay.pt.x = static_cast<short>(LOWORD(position));
    relay.pt.y = static_cast<short>(HIWORD(position));
    SendMessageA(m_tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
}

void CSkinEdit::OnMouseMove(UINT msg, WPARAM wParam, LPARAM lParam)
{
    RelayToTip(msg, wParam, lParam);
    if (m_hot)
        return;
    // Leave tracking rather than the mouse capture: the capture would take clicks and drags
    // away from whatever control the pointer moves on to.
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
    if (TrackMouseEvent(&track)) {
        m_hot = true;
        DrawBorder();
    }
}

LRESULT CSkinEdit::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(msg, wParam, lParam);
        break;
    case WM_MOUSELEAVE:
        m_hot = false;
        DrawBorder();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        RelayToTip(msg, wParam, lParam);
        break;
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        DrawBorder();
        return result;
    }
    case WM_SYSCOLORCHANGE:
        ReadColours();
        break;
    case WM_STYLECHANGED: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        DrawBorder();
        return result;
    }
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
