#pragma once
// Rounded frames of one colour around a window's controls: white boxes behind edit fields and
// hollow frames around lists and trees. Selects its pen on construction and puts the device
// context back as it found it when it goes.
#include <windows.h>

class CFramePainter {
public:
    CFramePainter(HDC dc, COLORREF colour);
    ~CFramePainter();
    CFramePainter(const CFramePainter&) = delete;
    CFramePainter& operator=(const CFramePainter&) = delete;

    // `rect` grown by the given margins on each side, with corners of 6 pixels.
    void WhiteBox(const RECT& rect, int left, int top, int right, int bottom);
    void Frame(const RECT& rect, int left, int top, int right, int bottom);

private:
    void Round(const RECT& rect, int left, int top, int right, int bottom);

    HDC m_dc;
    HPEN m_pen;
    HGDIOBJ m_oldPen;
    HGDIOBJ m_oldBrush;
};
