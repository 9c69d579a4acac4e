#include "ui/BitmapComboBox.h"

#include "ui/DropButtonFace.h"

namespace {
const int kFallbackButtonWidth = 16;
const int kTextInset = 2;
const COLORREF kFallbackFrame = RGB(115, 138, 174);
} // namespace

CBitmapComboBox::~CBitmapComboBox()
{
    for (HBITMAP& bitmap : m_face)
        Replace(bitmap, nullptr);
    for (HBITMAP& bitmap : m_button)
        Replace(bitmap, nullptr);
}

HBITMAP CBitmapComboBox::Load(UINT id)
{
    if (id == 0)
        return nullptr;
    return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

SIZE CBitmapComboBox::SizeOf(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

void CBitmapComboBox::Replace(HBITMAP& slot, HBITMAP bitmap)
{
    if (slot)
        DeleteObject(slot);
    slot = bitmap;
}

void CBitmapComboBox::SetFaceBitmaps(UINT leftId, UINT middleId, UINT rightId)
{
    Replace(m_face[kFaceLeft], Load(leftId));
    Replace(m_face[kFaceMiddle], Load(middleId));
    Replace(m_face[kFaceRight], Load(rightId));
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CBitmapComboBox::SetButtonBitmaps(UINT normalId, UINT hotId, UINT pressedId, UINT disabledId)
{
    Replace(m_button[kButtonNormal], Load(normalId));
    Replace(m_button[kButtonHot], Load(hotId));
    Replace(m_button[kButtonPressed], Load(pressedId));
    Replace(m_button[kButtonDisabled], Load(disabledId));
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CBitmapComboBox::SetColours(COLORREF focusFill, COLORREF focusText, COLORREF fill, COLORREF text)
{
    m_focusFill = focusFill;
    m_focusText = focusText;
    m_fill = fill;
    m_text = text;
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, FALSE);
}

bool CBitmapComboBox::HasFocus() const
{
    HWND focus = GetFocus();
    return focus && (focus == Hwnd() || IsChild(Hwnd(), focus));
}

RECT CBitmapComboBox::ButtonRect() const
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    int width = SizeOf(m_button[kButtonNormal]).cx;
    if (width <= 0)
        width = kFallbackButtonWidth;
    return RECT{client.right - 1 - width, client.top + 1, client.right - 1, client.bottom - 1};
}

RECT CBitmapComboBox::TextRect() const
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int left = SizeOf(m_face[kFaceLeft]).cx;
    const RECT button = ButtonRect();
    return RECT{client.left + (left > kTextInset ? left : kTextInset), client.top + kTextInset, button.left - 1,
                client.bottom - kTextInset};
}

int CBitmapComboBox::ButtonState() const
{
    if (!IsWindowEnabled(Hwnd()))
        return kButtonDisabled;
    if (SendMessageA(Hwnd(), CB_GETDROPPEDSTATE, 0, 0))
        return kButtonPressed;
    return m_hot ? kButtonHot : kButtonNormal;
}

void CBitmapComboBox::TrackLeave()
{
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
    if (TrackMouseEvent(&track)) {
        m_hot = true;
        InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

LRESULT CBitmapComboBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
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
    case WM_MOUSEMOVE:
        if (!m_hot)
            TrackLeave();
        break;
    case WM_MOUSELEAVE:
        m_hot = false;
        InvalidateRect(Hwnd(), nullptr, FALSE);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        InvalidateRect(Hwnd(), nullptr, FALSE);
        return result;
    }
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

void CBitmapComboBox::Paint(HDC dc)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP canvas =
        CreateCompatibleBitmap(dc, client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
    HGDIOBJ oldCanvas = SelectObject(memory, canvas);

    DrawFace(memory, client);
    const bool focused = HasFocus();
    RECT text = TextRect();
    HBRUSH fill = CreateSolidBrush(focused ? m_focusFill : m_fill);
    FillRect(memory, &text, fill);
    DeleteObject(fill);

    char label[512] = {};
    GetWindowTextA(Hwnd(), label, sizeof(label));
    auto font = reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(memory, font) : nullptr;
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, focused ? m_focusText : m_text);
    RECT textArea{text.left + kTextInset, text.top, text.right, text.bottom};
    DrawTextA(memory, label, -1, &textArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (oldFont)
        SelectObject(memory, oldFont);
    DrawButton(memory);

    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldCanvas);
    DeleteObject(canvas);
    DeleteDC(memory);
}

void CBitmapComboBox::DrawFace(HDC dc, const RECT& client)
{
    if (!m_face[kFaceLeft] || !m_face[kFaceMiddle] || !m_face[kFaceRight]) {
        HBRUSH fill = CreateSolidBrush(m_fill);
        FillRect(dc, &client, fill);
        DeleteObject(fill);
        HBRUSH frame = CreateSolidBrush(kFallbackFrame);
        FrameRect(dc, &client, frame);
        DeleteObject(frame);
        return;
    }
    const SIZE left = SizeOf(m_face[kFaceLeft]);
    const SIZE middle = SizeOf(m_face[kFaceMiddle]);
    const SIZE right = SizeOf(m_face[kFaceRight]);
    const int height = client.bottom - client.top;
    HDC source = CreateCompatibleDC(dc);
    SetStretchBltMode(dc, COLORONCOLOR);
    HGDIOBJ old = SelectObject(source, m_face[kFaceLeft]);
    StretchBlt(dc, client.left, client.top, left.cx, height, source, 0, 0, left.cx, left.cy, SRCCOPY);
    SelectObject(source, m_face[kFaceMiddle]);
    StretchBlt(dc, client.left + left.cx, client.top, client.right - client.left - left.cx - right.cx, height, source,
               0, 0, middle.cx, middle.cy, SRCCOPY);
    SelectObject(source, m_face[kFaceRight]);
    StretchBlt(dc, client.right - right.cx, client.top, right.cx, height, source, 0, 0, right.cx, right.cy, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void CBitmapComboBox::DrawButton(HDC dc)
{
    const RECT rect = ButtonRect();
    const int state = ButtonState();
    HBITMAP bitmap = m_button[state] ? m_button[state] : m_button[kButtonNormal];
    if (!bitmap) {
        static const DropButtonState kStates[] = {DropButtonState::Normal, DropButtonState::Hot,
                                                  DropButtonState::Pressed, DropButtonState::Disabled};
        DrawDropButtonFace(dc, rect, kStates[state]);
        return;
    }
    const SIZE size = SizeOf(bitmap);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, size.cx, size.cy,
               SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}
