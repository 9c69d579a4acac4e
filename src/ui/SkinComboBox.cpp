#include "ui/SkinComboBox.h"

#include "ui/DropButtonFace.h"

CSkinComboBox::~CSkinComboBox()
{
    if (m_faceBrush)
        DeleteObject(m_faceBrush);
}

bool CSkinComboBox::SetButtonImage(const std::string& path)
{
    const bool loaded = m_button.Load(path);
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, FALSE);
    return loaded;
}

int CSkinComboBox::DroppedHeight() const
{
    RECT dropped{};
    SendMessageA(Hwnd(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    return dropped.bottom - dropped.top;
}

void CSkinComboBox::SetWindowHeight(int height)
{
    RECT window{};
    GetWindowRect(Hwnd(), &window);
    SetWindowPos(Hwnd(), nullptr, 0, 0, window.right - window.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSkinComboBox::SetDropHeight(int extraPixels)
{
    const int wanted = DroppedHeight() + extraPixels;
    if (wanted <= 0)
        return;
    // Systems differ in whether the dropped rectangle counts the face; the second step makes
    // up whatever the first one missed.
    SetWindowHeight(wanted);
    const int missing = wanted - DroppedHeight();
    if (missing != 0)
        SetWindowHeight(wanted + missing);
}

bool CSkinComboBox::OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (msg != WM_CTLCOLORLISTBOX && msg != WM_CTLCOLOREDIT)
        return false;
    if (!m_faceBrush)
        m_faceBrush = CreateSolidBrush(kFaceColour);
    SetBkColor(reinterpret_cast<HDC>(wParam), kFaceColour);
    result = reinterpret_cast<LRESULT>(m_faceBrush);
    return true;
}

LRESULT CSkinComboBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Hwnd(), &paint);
        Paint(dc);
        EndPaint(Hwnd(), &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
        // The dropped list (and the edit part) ask the combo; the request goes on to the parent
        // as the combo's own, so the parent reflects it back to this object.
        return SendMessageA(GetParent(Hwnd()), msg, wParam, reinterpret_cast<LPARAM>(Hwnd()));
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        InvalidateRect(Hwnd(), nullptr, FALSE);
        return result;
    }
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

void CSkinComboBox::Paint(HDC dc)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_3DSHADOW));
    FrameRect(dc, &client, frame);
    DeleteObject(frame);
    RECT face{client.left, client.top + 1, client.right - 1, client.bottom - 1};
    HBRUSH faceBrush = CreateSolidBrush(kFaceColour);
    FillRect(dc, &face, faceBrush);
    DeleteObject(faceBrush);

    char text[512] = {};
    GetWindowTextA(Hwnd(), text, sizeof(text));
    auto font = reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(Hwnd()) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    RECT textRect{client.left + kTextLeft, client.top + kTextTop, client.right - kButtonFromRight, client.bottom};
    DrawTextA(dc, text, -1, &textRect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (oldFont)
        SelectObject(dc, oldFont);
    DrawButton(dc, client);
}

void CSkinComboBox::DrawButton(HDC dc, const RECT& client)
{
    RECT button{client.right - kButtonFromRight, client.top + kButtonTop, client.right - kButtonFromRight + kButtonSize,
                client.top + kButtonTop + kButtonSize};
    if (m_button.IsLoaded()) {
        m_button.Draw(dc, button);
        return;
    }
    DropButtonState state = DropButtonState::Normal;
    if (!IsWindowEnabled(Hwnd()))
        state = DropButtonState::Disabled;
    else if (SendMessageA(Hwnd(), CB_GETDROPPEDSTATE, 0, 0))
        state = DropButtonState::Pressed;
    DrawDropButtonFace(dc, button, state);
}
