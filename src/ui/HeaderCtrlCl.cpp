#include "ui/HeaderCtrlCl.h"

#include <commctrl.h>

#include <algorithm>

void CHeaderCtrlCl::SetColour(int red, int green, int blue, int step)
{
    m_red = std::clamp(red, 0, 255);
    m_green = std::clamp(green, 0, 255);
    m_blue = std::clamp(blue, 0, 255);
    m_step = std::max(step, 0);
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CHeaderCtrlCl::InsertColumnText(int index, const std::string& text, char alignment)
{
    const size_t at = std::min(static_cast<size_t>(std::max(index, 0)), m_texts.size());
    m_texts.insert(m_texts.begin() + static_cast<std::ptrdiff_t>(at), text);
    m_alignments.insert(at, 1, alignment);
}

void CHeaderCtrlCl::RemoveColumnText(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= m_texts.size())
        return;
    m_texts.erase(m_texts.begin() + index);
    m_alignments.erase(static_cast<size_t>(index), 1);
}

std::string CHeaderCtrlCl::ColumnText(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < m_texts.size() ? m_texts[static_cast<size_t>(index)] : "";
}

char CHeaderCtrlCl::Alignment(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < m_alignments.size() ? m_alignments[static_cast<size_t>(index)]
                                                                          : '0';
}

char CHeaderCtrlCl::AlignmentDigit(int format)
{
    switch (format) {
    case LVCFMT_LEFT:
        return '0';
    case LVCFMT_RIGHT:
        return '2';
    default:
        return '1';
    }
}

COLORREF CHeaderCtrlCl::GradientColour(int row) const
{
    const int lowered = row * m_step;
    return RGB(std::max(m_red - lowered, 0), m_green, std::max(m_blue - lowered, 0));
}

LRESULT CHeaderCtrlCl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Hwnd(), &paint);
        RECT client{};
        GetClientRect(Hwnd(), &client);
        Paint(dc, client);
        EndPaint(Hwnd(), &paint);
        return 0;
    }
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

void CHeaderCtrlCl::Paint(HDC dc, const RECT& client)
{
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0));
    if (!font)
        font = reinterpret_cast<HFONT>(SendMessageA(GetParent(Hwnd()), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(memory, font) : nullptr;
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, m_textColour);

    const int count = static_cast<int>(SendMessageA(Hwnd(), HDM_GETITEMCOUNT, 0, 0));
    LONG end = client.left;
    for (int column = 0; column < count; ++column) {
        RECT box{};
        if (!SendMessageA(Hwnd(), HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&box)))
            continue;
        FillGradient(memory, box);
        DrawColumnText(memory, column, box);
        end = std::max(end, box.right);
    }
    if (end < client.right)
        FillGradient(memory, RECT{end, client.top, client.right, client.bottom});

    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    if (oldFont)
        SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void CHeaderCtrlCl::FillGradient(HDC dc, const RECT& box) const
{
    for (LONG y = box.top; y < box.bottom; ++y) {
        HBRUSH brush = CreateSolidBrush(GradientColour(static_cast<int>(y - box.top)));
        RECT line{box.left, y, box.right, y + 1};
        FillRect(dc, &line, brush);
        DeleteObject(brush);
    }
}

void CHeaderCtrlCl::DrawColumnText(HDC dc, int column, const RECT& box) const
{
    RECT text{box.left + 3, box.top + 2, box.right - 3, box.bottom};
    // A hidden column (width 0) shows nothing, not a sliver of its heading.
    if (text.right <= text.left)
        return;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    switch (Alignment(column)) {
    case '1':
        format |= DT_CENTER;
        break;
    case '2':
        format |= DT_RIGHT;
        break;
    default:
        format |= DT_LEFT;
        break;
    }
    const std::string heading = ColumnText(column);
    DrawTextA(dc, heading.c_str(), static_cast<int>(heading.size()), &text, format);
}
