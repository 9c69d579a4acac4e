#include "ui/FramePainter.h"

CFramePainter::CFramePainter(HDC dc, COLORREF colour) : m_dc(dc), m_pen(CreatePen(PS_SOLID, 1, colour))
{
    m_oldPen = SelectObject(m_dc, m_pen);
    m_oldBrush = SelectObject(m_dc, GetStockObject(NULL_BRUSH));
}

CFramePainter::~CFramePainter()
{
    SelectObject(m_dc, m_oldBrush);
    SelectObject(m_dc, m_oldPen);
    DeleteObject(m_pen);
}

void CFramePainter::WhiteBox(const RECT& rect, int left, int top, int right, int bottom)
{
    SelectObject(m_dc, GetStockObject(WHITE_BRUSH));
    Round(rect, left, top, right, bottom);
    SelectObject(m_dc, GetStockObject(NULL_BRUSH));
}

void CFramePainter::Frame(const RECT& rect, int left, int top, int right, int bottom)
{
    Round(rect, left, top, right, bottom);
}

void CFramePainter::Round(const RECT& rect, int left, int top, int right, int bottom)
{
    RoundRect(m_dc, rect.left - left, rect.top - top, rect.right + right, rect.bottom + bottom, 6, 6);
}
