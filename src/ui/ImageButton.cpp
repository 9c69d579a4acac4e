#include "ui/ImageButton.h"

#include "ui/wnd/DecodedImage.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace {
const COLORREF kFallbackBorder = RGB(150, 165, 180);
const COLORREF kWhite = RGB(255, 255, 255);

RECT Inflated(RECT rect, int by)
{
    InflateRect(&rect, -by, -by);
    return rect;
}

void StretchBitmap(HDC dc, const RECT& rect, HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectA(bitmap, sizeof(info), &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

// The pixels of a bitmap as 32-bit values, top row first.
std::vector<DWORD> BitmapPixels(HBITMAP bitmap, int& width, int& height)
{
    BITMAP info{};
    GetObjectA(bitmap, sizeof(info), &info);
    width = info.bmWidth;
    height = info.bmHeight;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    BITMAPINFO format = TopDownPixelFormat(width, height);
    HDC screen = GetDC(nullptr);
    if (pixels.empty() ||
        !GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS))
        pixels.clear();
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A region covering every pixel of the bitmap that is not white, built row by row from runs.
HRGN RegionOfNonWhite(HBITMAP bitmap, int& width, int& height)
{
    std::vector<DWORD> pixels = BitmapPixels(bitmap, width, height);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (pixels.empty())
        return region;
    for (int y = 0; y < height; ++y) {
        const DWORD* row = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int x = 0; x < width;) {
            while (x < width && (row[x] & 0xFFFFFF) == 0xFFFFFF)
                ++x;
            const int start = x;
            while (x < width && (row[x] & 0xFFFFFF) != 0xFFFFFF)
                ++x;
            if (x > start) {
                HRGN run = CreateRectRgn(start, y, x, y + 1);
                CombineRgn(region, region, run, RGN_OR);
                DeleteObject(run);
            }
        }
    }
    return region;
}
} // namespace

CImageButton::CImageButton() : m_textColour(GetSysColor(COLOR_BTNTEXT))
{
    m_cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)); // IDC_HAND
}

CImageButton::~CImageButton()
{
    if (m_tooltip && IsWindow(m_tooltip))
        DestroyWindow(m_tooltip);
    if (m_disabledBitmap)
        DeleteObject(m_disabledBitmap);
    if (m_pressedBitmap)
        DeleteObject(m_pressedBitmap);
}

void CImageButton::SetImage(const char* normal, const char* second, const char* third, UINT disabledBitmap,
                            UINT pressedBitmap, UINT maskBitmap, int drawMode, bool frame, int focusMargin)
{
    if (normal)
        m_normal.Load(std::string(normal));
    if (second)
        m_second.Load(std::string(second));
    if (third)
        m_third.Load(std::string(third));
    SetOptions(drawMode, frame, focusMargin);
    LoadBitmaps(disabledBitmap, pressedBitmap, maskBitmap);
    Repaint();
}

void CImageButton::SetImage(const wchar_t* normal, const wchar_t* second, const wchar_t* third, UINT disabledBitmap,
                            UINT pressedBitmap, UINT maskBitmap, int drawMode, bool frame, int focusMargin)
{
    if (normal)
        m_normal.Load(std::wstring(normal));
    if (second)
        m_second.Load(std::wstring(second));
    if (third)
        m_third.Load(std::wstring(third));
    SetOptions(drawMode, frame, focusMargin);
    LoadBitmaps(disabledBitmap, pressedBitmap, maskBitmap);
    Repaint();
}

void CImageButton::SetImageStem(const std::string& imagesFolder, const std::string& stem)
{
    SetImagePair(imagesFolder, stem + "_01.png", stem + "_02.png");
}

void CImageButton::SetImagePair(const std::string& imagesFolder, const std::string& normalFile,
                                const std::string& litFile)
{
    const std::string normal = imagesFolder + "\\" + normalFile;
    const std::string lit = imagesFolder + "\\" + litFile;
    SetImage(normal.c_str(), lit.c_str(), lit.c_str());
}

void CImageButton::SetOptions(int drawMode, bool frame, int focusMargin)
{
    m_drawMode = std::clamp(drawMode, 0, 2);
    m_frame = frame;
    m_focusMargin = std::clamp(focusMargin, 0, 0x7FFF);
}

void CImageButton::LoadBitmaps(UINT disabledBitmap, UINT pressedBitmap, UINT maskBitmap)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (disabledBitmap) {
        if (m_disabledBitmap)
            DeleteObject(m_disabledBitmap);
        m_disabledBitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(disabledBitmap));
    }
    if (pressedBitmap) {
        if (m_pressedBitmap)
            DeleteObject(m_pressedBitmap);
        m_pressedBitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(pressedBitmap));
    }
    if (maskBitmap)
        ApplyMask(maskBitmap);
}

void CImageButton::ApplyMask(UINT maskBitmap)
{
    HBITMAP mask = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(maskBitmap));
    if (!mask || !Hwnd())
        return;
    int width = 0;
    int height = 0;
    HRGN region = RegionOfNonWhite(mask, width, height);
    DeleteObject(mask);
    if (m_drawMode == 0)
        SetWindowPos(Hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The window owns the region from here on.
    if (!SetWindowRgn(Hwnd(), region, TRUE))
        DeleteObject(region);
}

// The tip window is made when the pointer first comes over the button: a window of forty
// buttons then opens without forty windows of its own for tips nobody has asked for yet.
void CImageButton::SetTooltipText(const char* text)
{
    if (!Hwnd())
        return;
    m_hasTip = true;
    m_tipText = text ? text : "";
    if (!m_tooltip)
        return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(Hwnd());
    tool.lpszText = m_tipText.data();
    SendMessageA(m_tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CImageButton::MakeTooltip()
{
    m_tooltip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_tooltip)
        return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(Hwnd());
    tool.lpszText = m_tipText.data();
    SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(m_tooltip, TTM_ACTIVATE, TRUE, 0);
}

COLORREF CImageButton::SetTextColor(COLORREF colour)
{
    const COLORREF old = m_textColour;
    m_textColour = colour;
    Repaint();
    return old;
}

void CImageButton::SetCheckMode(int mode)
{
    m_checkMode = (mode == kCheckBox || mode == kRadioButton) ? mode : kPushButton;
    if (m_checkMode == kPushButton)
        m_checked = false;
    Repaint();
}

bool CImageButton::OnReflectedMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (msg != WM_DRAWITEM)
        return false;
    Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CImageButton::Draw(const DRAWITEMSTRUCT& item)
{
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0)
        return;
    // Compose off screen over the parent's own background, so that see-through corners of
    // the images show the window behind the button and a repaint never flickers.
    HDC memory = CreateCompatibleDC(item.hDC);
    HBITMAP canvas = CreateCompatibleBitmap(item.hDC, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, canvas);
    const RECT local{0, 0, width, height};
    FillRect(memory, &local, GetSysColorBrush(COLOR_BTNFACE));
    if (HWND parent = GetParent(Hwnd())) {
        RECT inParent = item.rcItem;
        MapWindowPoints(Hwnd(), parent, reinterpret_cast<POINT*>(&inParent), 2);
        POINT oldOrigin{};
        SetViewportOrgEx(memory, -inParent.left, -inParent.top, &oldOrigin);
        SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
        SetViewportOrgEx(memory, oldOrigin.x, oldOrigin.y, nullptr);
    }
    DrawFace(memory, local, item.itemState);
    if ((item.itemState & ODS_FOCUS) && m_focusMargin > 0) {
        RECT focus = Inflated(local, m_focusMargin);
        DrawFocusRect(memory, &focus);
    }
    if (m_frame) {
        RECT edge = local;
        DrawEdge(memory, &edge, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    DrawText(memory, local, item.itemState);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(canvas);
    DeleteDC(memory);
}

void CImageButton::DrawFace(HDC dc, const RECT& rect, UINT state)
{
    if (state & ODS_DISABLED) {
        if (m_disabledBitmap)
            StretchBitmap(dc, rect, m_disabledBitmap);
        else
            FillFace(dc, rect, m_disabledFill, m_disabledFill);
        return;
    }
    if ((state & ODS_SELECTED) || m_checked) {
        if (m_second.IsLoaded())
            m_second.Draw(dc, rect);
        else if (m_pressedBitmap)
            StretchBitmap(dc, rect, m_pressedBitmap);
        else
            FillFace(dc, rect, m_pressedFill, m_pressedFill);
        return;
    }
    const bool lit = m_hover || (state & ODS_FOCUS);
    const CPngImage* face = &m_normal;
    if (m_hover && m_third.IsLoaded())
        face = &m_third;
    else if ((state & ODS_FOCUS) && m_second.IsLoaded())
        face = &m_second;
    if (face->IsLoaded())
        face->Draw(dc, rect);
    else if (m_gradient)
        FillFace(dc, rect, lit ? m_hoverFill : m_normalFill, m_gradientEnd);
    else
        FillFace(dc, rect, lit ? m_hoverFill : m_normalFill, lit ? m_hoverFill : m_normalFill);
}

// The face of a button without images: a plain (or two-colour) fill with a thin border, so the
// button stays recognisable on any background.
void CImageButton::FillFace(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) const
{
    if (top == bottom) {
        HBRUSH brush = CreateSolidBrush(top);
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    } else {
        TRIVERTEX vertices[2] = {
            {rect.left, rect.top, static_cast<COLOR16>(GetRValue(top) << 8), static_cast<COLOR16>(GetGValue(top) << 8),
             static_cast<COLOR16>(GetBValue(top) << 8), 0},
            {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(bottom) << 8),
             static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0}};
        GRADIENT_RECT gradient{0, 1};
        GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);
    }
    HBRUSH border = CreateSolidBrush(kFallbackBorder);
    FrameRect(dc, &rect, border);
    DeleteObject(border);
}

void CImageButton::DrawText(HDC dc, RECT rect, UINT state)
{
    const int length = GetWindowTextLengthA(Hwnd());
    if (length <= 0)
        return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(Hwnd(), text.data(), length + 1)));
    HGDIOBJ oldFont = nullptr;
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0)))
        oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    if (state & ODS_DISABLED) {
        ::SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        ::DrawTextA(dc, text.c_str(), -1, &rect, format);
        OffsetRect(&rect, -1, -1);
        ::SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextA(dc, text.c_str(), -1, &rect, format);
    } else {
        if (state & ODS_SELECTED)
            OffsetRect(&rect, 1, 1);
        ::SetTextColor(dc, m_textColour);
        ::DrawTextA(dc, text.c_str(), -1, &rect, format);
    }
    if (oldFont)
        SelectObject(dc, oldFont);
}

bool CImageButton::PointerIsOver(LPARAM lParam) const
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    return PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

bool CImageButton::IsPushed() const
{
    return (SendMessageA(Hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void CImageButton::Repaint() const
{
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CImageButton::RelayToTooltip(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!m_tooltip && m_hasTip && msg == WM_MOUSEMOVE)
        MakeTooltip();
    if (!m_tooltip)
        return;
    MSG relayed{Hwnd(), msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageA(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

LRESULT CImageButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a double click is a second press, so it gives a second click
        OnLeftButtonDown(wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        break;
    case WM_MOUSELEAVE:
        m_hover = false;
        Repaint();
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(lParam);
        break;
    case WM_KILLFOCUS:
        if (GetCapture() == Hwnd())
            ReleaseCapture();
        m_pressTracking = false;
        break;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && m_checkMode != kPushButton)
            OnSetCheck(m_checkMode == kCheckBox ? !m_checked : true);
        break;
    case WM_SETCURSOR:
        if (!m_cursor)
            break;
        SetCursor(m_cursor);
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE;
    case BM_SETCHECK:
        OnSetCheck(wParam != BST_UNCHECKED);
        return 0;
    case BM_GETCHECK:
        return m_checked ? BST_CHECKED : BST_UNCHECKED;
    case kUncheckMessage:
        if (m_checked) {
            m_checked = false;
            Repaint();
        }
        return 0;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

void CImageButton::OnLeftButtonDown(WPARAM wParam, LPARAM lParam)
{
    RelayToTooltip(WM_LBUTTONDOWN, wParam, lParam);
    if (m_hover) {
        TRACKMOUSEEVENT cancel{sizeof(cancel), TME_CANCEL | TME_LEAVE, Hwnd(), 0};
        TrackMouseEvent(&cancel);
        m_hover = false;
    }
    DefaultProc(WM_LBUTTONDOWN, wParam, lParam);
    m_pressTracking = true;
}

void CImageButton::OnMouseMove(LPARAM lParam)
{
    RelayToTooltip(WM_MOUSEMOVE, 0, lParam);
    if (m_pressTracking && GetCapture() == Hwnd()) {
        const bool over = PointerIsOver(lParam);
        if (over != IsPushed())
            SendMessageA(Hwnd(), BM_SETSTATE, over ? TRUE : FALSE, 0);
        return;
    }
    if (m_hover)
        return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
    if (TrackMouseEvent(&track)) {
        m_hover = true;
        Repaint();
    }
}

void CImageButton::OnLeftButtonUp(LPARAM lParam)
{
    if (m_checkMode != kPushButton && PointerIsOver(lParam))
        OnSetCheck(m_checkMode == kCheckBox ? !m_checked : true);
    RelayToTooltip(WM_LBUTTONUP, 0, lParam);
    m_pressTracking = false;
}

void CImageButton::OnSetCheck(bool checked)
{
    m_checked = m_checkMode != kPushButton && checked;
    if (m_checked && m_checkMode == kRadioButton)
        UncheckGroupSiblings();
    Repaint();
}

void CImageButton::UncheckGroupSiblings()
{
    HWND dialog = GetParent(Hwnd());
    if (!dialog)
        return;
    for (HWND other = GetNextDlgGroupItem(dialog, Hwnd(), FALSE); other && other != Hwnd();
         other = GetNextDlgGroupItem(dialog, other, FALSE)) {
        // Only buttons of this kind know the private message; other controls may give the
        // same number a meaning of their own.
        if (dynamic_cast<CImageButton*>(CSubclassedControl::FromHandle(other)))
            PostMessageA(other, kUncheckMessage, 0, 0);
    }
}
