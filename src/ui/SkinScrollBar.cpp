#include "ui/SkinScrollBar.h"

#include "ui/wnd/Application.h"
#include "ui/wnd/WindowSubclass.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace {
const char kClassName[] = "TavimorethSkinScrollBar";
const UINT_PTR kRepeatTimer = 1;
const UINT_PTR kDelayTimer = 2;
const UINT kDelayMs = 250;
const UINT kRepeatMs = 50;
using Part = ScrollGeometry::Part;
} // namespace

CSkinScrollBar::CSkinScrollBar(bool vertical) : m_vertical(vertical), m_geometry(0, true)
{
}

CSkinScrollBar::~CSkinScrollBar()
{
    Destroy();
}

bool CSkinScrollBar::RegisterWindowClass()
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &CSkinScrollBar::WindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_HAND);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

bool CSkinScrollBar::Create(HWND target)
{
    Destroy();
    if (!target || !RegisterWindowClass())
        return false;
    HWND parent = GetParent(target);
    m_hwnd =
        CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, kBarWidth, kBarWidth, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), GetModuleHandleA(nullptr), this);
    if (!m_hwnd)
        return false;
    m_target = target;
    InstallSubclass(target, &CSkinScrollBar::TargetProc, reinterpret_cast<UINT_PTR>(this),
                    reinterpret_cast<DWORD_PTR>(this));
    // Recompute the target's frame so its own bar of this orientation takes no room from now on.
    SetWindowPos(target, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Sync();
    return true;
}

void CSkinScrollBar::Destroy()
{
    if (m_target)
        RemoveSubclass(m_target, &CSkinScrollBar::TargetProc, reinterpret_cast<UINT_PTR>(this));
    m_target = nullptr;
    if (m_hwnd) {
        HWND hwnd = m_hwnd;
        m_hwnd = nullptr;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
}

void CSkinScrollBar::AttachImages(const std::string& installFolder)
{
    const std::string folder = installFolder + "\\Images\\";
    m_startArrow.Load(folder + (m_vertical ? "VSUp.png" : "HSLeft.png"));
    m_endArrow.Load(folder + (m_vertical ? "VSDown.png" : "HSRight.png"));
    m_track.Load(folder + (m_vertical ? "VSBar.png" : "HSBar.png"));
    m_thumb.Load(folder + (m_vertical ? "VSThumn.png" : "HSThumn.png"));
    if (m_hwnd)
        InvalidateRect(m_hwnd, nullptr, FALSE);
}

void CSkinScrollBar::Place(int topInset)
{
    if (!m_hwnd || !m_target)
        return;
    RECT owner{};
    GetWindowRect(m_target, &owner);
    MapWindowPoints(HWND_DESKTOP, GetParent(m_hwnd), reinterpret_cast<POINT*>(&owner), 2);
    if (m_vertical) {
        const int top = owner.top + topInset;
        const int bottom = owner.bottom + (m_geometry.Corner() ? kBarWidth : 0);
        MoveWindow(m_hwnd, owner.right, top, kBarWidth, std::max(bottom - top, 0), TRUE);
    } else {
        MoveWindow(m_hwnd, owner.left, owner.bottom, owner.right - owner.left + 1, kBarWidth, TRUE);
    }
    SetWindowPos(m_hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateGeometry();
}

void CSkinScrollBar::SetCorner(bool corner)
{
    m_geometry.SetCorner(corner);
    UpdateGeometry();
}

void CSkinScrollBar::Show(bool show)
{
    if (m_hwnd)
        ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE);
}

void CSkinScrollBar::Enable(bool enable)
{
    if (m_hwnd)
        EnableWindow(m_hwnd, enable ? TRUE : FALSE);
}

bool CSkinScrollBar::ReadTarget(int& position, int& maximum, int& page) const
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    position = maximum = page = 0;
    if (!m_target || !GetScrollInfo(m_target, m_vertical ? SB_VERT : SB_HORZ, &info))
        return false;
    page = static_cast<int>(info.nPage);
    // The scroll limit: the last position at which the target's page still ends at its content.
    maximum = std::max(info.nMax - info.nMin - std::max(page - 1, 0), 0);
    position = std::clamp(info.nPos - info.nMin, 0, maximum);
    return true;
}

void CSkinScrollBar::Sync()
{
    ReadTarget(m_position, m_maximum, m_page);
    UpdateGeometry();
}

void CSkinScrollBar::UpdateGeometry()
{
    if (m_hwnd) {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        m_geometry.SetBarLength(m_vertical ? client.bottom : client.right);
    }
    if (!m_dragging)
        m_thumbOffset = m_geometry.ThumbOffsetFor(m_position, m_maximum);
    if (m_hwnd)
        InvalidateRect(m_hwnd, nullptr, FALSE);
}

int CSkinScrollBar::Along(LPARAM lParam) const
{
    return m_vertical ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam);
}

void CSkinScrollBar::SendScroll(int code)
{
    const UINT msg = m_vertical ? WM_VSCROLL : WM_HSCROLL;
    HWND parent = m_hwnd ? GetParent(m_hwnd) : nullptr;
    if (!m_vertical && parent)
        SendMessageA(parent, kHorizontalScrollNotice, 0, 0);
    SendMessageA(m_target, msg, MAKEWPARAM(code, 0), 0);
}

bool CSkinScrollBar::LineTowardsStart(bool sync)
{
    if (m_position <= 0)
        return false;
    --m_position;
    SendScroll(SB_LINEUP);
    if (sync)
        Sync();
    return true;
}

bool CSkinScrollBar::LineTowardsEnd(bool sync)
{
    if (m_position >= m_maximum)
        return false;
    ++m_position;
    SendScroll(SB_LINEDOWN);
    if (sync)
        Sync();
    return true;
}

bool CSkinScrollBar::PageTowardsStart()
{
    if (m_position <= 0)
        return false;
    m_position = std::max(m_position - m_page, 0);
    SendScroll(SB_PAGEUP);
    Sync();
    return true;
}

bool CSkinScrollBar::PageTowardsEnd()
{
    if (m_position >= m_maximum)
        return false;
    m_position = std::min(m_position + m_page, m_maximum);
    SendScroll(SB_PAGEDOWN);
    Sync();
    return true;
}

void CSkinScrollBar::OnLButtonDown(int along)
{
    const Part part = m_geometry.HitTest(along, m_thumbOffset);
    if (part == Part::Corner || part == Part::None)
        return;
    SetCapture(m_hwnd);
    m_lastAlong = along;
    if (part == Part::Thumb) {
        m_dragging = true;
        m_grabOffset = along - m_thumbOffset;
    } else {
        m_pressed = part;
        SetTimer(m_hwnd, kDelayTimer, kDelayMs, nullptr);
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void CSkinScrollBar::OnTimer(UINT_PTR id)
{
    if (id == kDelayTimer) {
        KillTimer(m_hwnd, kDelayTimer);
        if (m_pressed != Part::None) {
            m_repeating = true;
            SetTimer(m_hwnd, kRepeatTimer, kRepeatMs, nullptr);
        }
    } else if (id == kRepeatTimer) {
        RunPressedPart();
    }
}

void CSkinScrollBar::RunPressedPart()
{
    // Repeat only while the pointer stays on the pressed part, so paging stops where the
    // thumb reaches the pointer instead of running on past it.
    if (m_geometry.HitTest(m_lastAlong, m_thumbOffset) != m_pressed)
        return;
    switch (m_pressed) {
    case Part::StartArrow:
        LineTowardsStart(true);
        break;
    case Part::EndArrow:
        LineTowardsEnd(true);
        break;
    case Part::PageBefore:
        PageTowardsStart();
        break;
    case Part::PageAfter:
        PageTowardsEnd();
        break;
    default:
        break;
    }
}

void CSkinScrollBar::OnMouseMove(int along)
{
    if (m_dragging) {
        // Dragging scrolls the target by one line per move in the drag's direction; the thumb
        // follows the pointer and meets the real position again when the drag ends.
        if (along > m_lastAlong && along < m_geometry.BarLength())
            LineTowardsEnd(false);
        else if (along < m_lastAlong && along >= 1)
            LineTowardsStart(false);
        m_thumbOffset = m_geometry.ClampThumb(along - ScrollGeometry::kArrowLength / 2);
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
    m_lastAlong = along;
}

void CSkinScrollBar::OnLButtonUp(int along)
{
    const Part pressed = m_pressed;
    const bool dragging = m_dragging;
    const bool captured = GetCapture() == m_hwnd;
    ResetPress();
    if (captured)
        ReleaseCapture();
    const Part part = m_geometry.HitTest(along, m_thumbOffset);
    if (!captured || part == Part::Corner)
        return;
    if (pressed == Part::StartArrow && part == Part::StartArrow)
        LineTowardsStart(true);
    else if (pressed == Part::EndArrow && part == Part::EndArrow)
        LineTowardsEnd(true);
    else if (!dragging && (pressed == Part::PageBefore || pressed == Part::PageAfter) && part == Part::PageBefore)
        PageTowardsStart();
    else if (!dragging && (pressed == Part::PageBefore || pressed == Part::PageAfter) && part == Part::PageAfter)
        PageTowardsEnd();
    Sync();
}

void CSkinScrollBar::ResetPress()
{
    if (m_hwnd) {
        KillTimer(m_hwnd, kDelayTimer);
        KillTimer(m_hwnd, kRepeatTimer);
    }
    m_repeating = false;
    m_pressed = Part::None;
    m_dragging = false;
    if (m_hwnd)
        InvalidateRect(m_hwnd, nullptr, FALSE);
}

LRESULT CALLBACK CSkinScrollBar::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CSkinScrollBar*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || (self->m_hwnd && self->m_hwnd != hwnd))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (!self->m_hwnd)
        self->m_hwnd = hwnd;
    try {
        return self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        CApplication::ReportUnexpected("scroll bar");
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CSkinScrollBar::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnLButtonDown(Along(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(Along(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(Along(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_hwnd && (m_dragging || m_pressed != Part::None)) {
            ResetPress();
            Sync();
        }
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_SIZE:
        UpdateGeometry();
        return 0;
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK CSkinScrollBar::TargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR selfPointer)
{
    auto* self = reinterpret_cast<CSkinScrollBar*>(selfPointer);
    if (msg == WM_NCDESTROY) {
        // The bars go with their owner.
        self->Destroy();
        return CallNextSubclass(hwnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        if (self->OnTargetMessage(msg, wParam, lParam, result))
            return result;
        result = CallNextSubclass(hwnd, msg, wParam, lParam);
        self->AfterTargetMessage();
    } catch (...) {
        CApplication::ReportUnexpected("scroll bar owner");
    }
    return result;
}

bool CSkinScrollBar::OnTargetMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (msg == WM_SETREDRAW)
        m_ownerFrozen = wParam == FALSE;
    const LONG style = GetWindowLongA(m_target, GWL_STYLE);
    const bool hasBar = (style & (m_vertical ? WS_VSCROLL : WS_HSCROLL)) != 0;
    if (msg == WM_NCCALCSIZE) {
        // The target keeps scrolling as before, but its own bar takes no room: the client area
        // grows back over it, and this skinned bar stands outside the target instead.
        RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
        const RECT window = *rect;
        result = CallNextSubclass(m_target, msg, wParam, lParam);
        if (hasBar && m_vertical)
            rect->right = std::min<LONG>(rect->right + GetSystemMetrics(SM_CXVSCROLL), window.right);
        if (hasBar && !m_vertical)
            rect->bottom = std::min<LONG>(rect->bottom + GetSystemMetrics(SM_CYHSCROLL), window.bottom);
        return true;
    }
    if (msg == WM_NCHITTEST) {
        result = CallNextSubclass(m_target, msg, wParam, lParam);
        if (result == (m_vertical ? HTVSCROLL : HTHSCROLL))
            result = HTCLIENT;
        return true;
    }
    return false;
}

void CSkinScrollBar::AfterTargetMessage()
{
    // Reading the owner's scroll state after each of thousands of inserts costs more than the
    // inserts themselves; a frozen owner is read once, when it redraws again.
    if (!m_hwnd || !m_target || m_dragging || m_ownerFrozen)
        return;
    int position = 0;
    int maximum = 0;
    int page = 0;
    ReadTarget(position, maximum, page);
    if (position == m_position && maximum == m_maximum && page == m_page)
        return;
    m_position = position;
    m_maximum = maximum;
    m_page = page;
    UpdateGeometry();
}
