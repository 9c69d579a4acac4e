#include "ui/DropButtonFace.h"

namespace {
const COLORREF kFrame = RGB(115, 138, 174);
const COLORREF kChevron = RGB(40, 60, 100);
const COLORREF kChevronDisabled = RGB(160, 160, 160);

void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom)
{
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rect.left;
    vertices[0].y = rect.top;
    vertices[0].Red = static_cast<COLOR16>(GetRValue(top) << 8);
    vertices[0].Green = static_cast<COLOR16>(GetGValue(top) << 8);
    vertices[0].Blue = static_cast<COLOR16>(GetBValue(top) << 8);
    vertices[1].x = rect.right;
    vertices[1].y = rect.bottom;
    vertices[1].Red = static_cast<COLOR16>(GetRValue(bottom) << 8);
    vertices[1].Green = static_cast<COLOR16>(GetGValue(bottom) << 8);
    vertices[1].Blue = static_cast<COLOR16>(GetBValue(bottom) << 8);
    GRADIENT_RECT mesh{0, 1};
    GradientFill(dc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
}
} // namespace

void DrawDropButtonFace(HDC dc, const RECT& rect, DropButtonState state)
{
    switch (state) {
    case DropButtonState::Hot:
        FillGradient(dc, rect, RGB(245, 250, 255), RGB(170, 205, 240));
        break;
    case DropButtonState::Pressed:
        FillGradient(dc, rect, RGB(150, 190, 230), RGB(215, 232, 250));
        break;
    case DropButtonState::Disabled:
        FillGradient(dc, rect, RGB(235, 235, 235), RGB(210, 210, 210));
        break;
    case DropButtonState::Normal:
        FillGradient(dc, rect, RGB(235, 243, 252), RGB(190, 215, 240));
        break;
    }
    HBRUSH frame = CreateSolidBrush(kFrame);
    FrameRect(dc, &rect, frame);
    DeleteObject(frame);

    const int centreX = (rect.left + rect.right) / 2;
    const int centreY = (rect.top + rect.bottom) / 2;
    HPEN pen = CreatePen(PS_SOLID, 1, state == DropButtonState::Disabled ? kChevronDisabled : kChevron);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    for (int row = 0; row < 3; ++row) {
        const int y = centreY - 1 + row;
        MoveToEx(dc, centreX - 3 + row, y, nullptr);
        LineTo(dc, centreX + 4 - row, y);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}
