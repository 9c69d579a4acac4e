// The scroll bar's painting: the images of its parts, or plain fills when they are missing.
#include "ui/SkinScrollBar.h"

#include <algorithm>

namespace {
const COLORREF kFrameColour = RGB(100, 100, 100);
const COLORREF kFillColour = RGB(40, 40, 40);
const COLORREF kFallbackLight = RGB(236, 244, 252);
const COLORREF kFallbackDark = RGB(188, 210, 236);

using Part = ScrollGeometry::Part;

void FillGradient(HDC dc, const RECT& box, COLORREF from, COLORREF to, bool vertical)
{
    TRIVERTEX corners[2] = {};
    corners[0].x = box.left;
    corners[0].y = box.top;
    corners[0].Red = static_cast<COLOR16>(GetRValue(from) << 8);
    corners[0].Green = static_cast<COLOR16>(GetGValue(from) << 8);
    corners[0].Blue = static_cast<COLOR16>(GetBValue(from) << 8);
    corners[1].x = box.right;
    corners[1].y = box.bottom;
    corners[1].Red = static_cast<COLOR16>(GetRValue(to) << 8);
    corners[1].Green = static_cast<COLOR16>(GetGValue(to) << 8);
    corners[1].Blue = static_cast<COLOR16>(GetBValue(to) << 8);
    GRADIENT_RECT mesh = {0, 1};
    GradientFill(dc, corners, 2, &mesh, 1, vertical ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}
} // namespace

void CSkinScrollBar::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hwnd, &paint);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // Drawn off screen first: the thumb moves on every scroll and must not flicker.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
    HGDIOBJ old = SelectObject(memory, bitmap);
    Draw(memory, client);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(m_hwnd, &paint);
}

RECT CSkinScrollBar::PartRect(int from, int length) const
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    if (m_vertical)
        return RECT{0, from, client.right, from + length};
    return RECT{from, 0, from + length, client.bottom};
}

void CSkinScrollBar::Draw(HDC dc, const RECT& client) const
{
    HBRUSH frame = CreateSolidBrush(kFrameColour);
    FillRect(dc, &client, frame);
    const int length = m_geometry.BarLength();
    const int arrow = ScrollGeometry::kArrowLength;
    DrawTrack(dc, PartRect(arrow, std::max(length - 1 - arrow, 0)));
    DrawArrow(dc, PartRect(0, arrow), true);
    DrawArrow(dc, PartRect(m_geometry.EndArrowStart(), arrow), false);
    DrawThumb(dc, PartRect(m_thumbOffset, ScrollGeometry::kThumbLength));
    FrameRect(dc, &client, frame);
    DeleteObject(frame);
}

void CSkinScrollBar::DrawTrack(HDC dc, const RECT& box) const
{
    if (m_track.IsLoaded()) {
        m_track.Draw(dc, box);
        return;
    }
    FillGradient(dc, box, kFallbackLight, kFallbackDark, m_vertical);
}

void CSkinScrollBar::DrawArrow(HDC dc, const RECT& box, bool start) const
{
    const CPngImage& image = start ? m_startArrow : m_endArrow;
    if (image.IsLoaded()) {
        image.Draw(dc, box);
        return;
    }
    FillGradient(dc, box, kFallbackLight, kFallbackDark, !m_vertical);
    HBRUSH frame = CreateSolidBrush(kFrameColour);
    FrameRect(dc, &box, frame);
    DeleteObject(frame);
    // A chevron pointing away from the track.
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const int tip = start ? -2 : 2;
    POINT chevron[3];
    if (m_vertical) {
        chevron[0] = POINT{cx - 3, cy - tip};
        chevron[1] = POINT{cx, cy + tip - (start ? 0 : 1)};
        chevron[2] = POINT{cx + 3, cy - tip};
    } else {
        chevron[0] = POINT{cx - tip, cy - 3};
        chevron[1] = POINT{cx + tip - (start ? 0 : 1), cy};
        chevron[2] = POINT{cx - tip, cy + 3};
    }
    HPEN pen = CreatePen(PS_SOLID, 2, kFillColour);
    HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, chevron, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void CSkinScrollBar::DrawThumb(HDC dc, const RECT& box) const
{
    if (m_thumb.IsLoaded()) {
        m_thumb.Draw(dc, box);
        return;
    }
    RECT inner = box;
    InflateRect(&inner, -1, -1);
    FillGradient(dc, inner, kFrameColour, kFillColour, !m_vertical);
    HBRUSH frame = CreateSolidBrush(kFrameColour);
    FrameRect(dc, &box, frame);
    DeleteObject(frame);
}
