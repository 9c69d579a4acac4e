// The list's owner drawing: rows, cells with their colours, and check boxes.
#include "ui/SkinListCtrl.h"

#include <commctrl.h>

#include <algorithm>

namespace {
const COLORREF kSelectedFill = RGB(255, 120, 220);
const int kCheckArea = 18;
const int kCheckBox = 13;
const int kTextInset = 4;
} // namespace

void CSkinListCtrl::DrawRow(const DRAWITEMSTRUCT& item)
{
    const int row = static_cast<int>(item.itemID);
    if (!ValidRow(row))
        return;
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF background = static_cast<COLORREF>(SendMessageA(Hwnd(), LVM_GETBKCOLOR, 0, 0));
    if (background == CLR_NONE)
        background = GetSysColor(COLOR_WINDOW);
    COLORREF rowColour = background;
    if (!selected && FindRowColour(row, rowColour))
        background = rowColour;

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0));
    if (!font)
        font = reinterpret_cast<HFONT>(SendMessageA(GetParent(Hwnd()), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    const int oldMode = SetBkMode(dc, TRANSPARENT);

    RECT cell = item.rcItem;
    const int columns = ColumnCount();
    for (int column = 0; column < columns; ++column) {
        LVCOLUMNA info{};
        info.mask = LVCF_WIDTH;
        SendMessageA(Hwnd(), LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
        if (info.cx <= 0)
            continue; // a hidden column, such as a row's position
        cell.right = cell.left + info.cx;
        DrawCell(dc, row, column, cell, selected, background);
        cell.left = cell.right;
    }
    if (cell.left < item.rcItem.right) {
        RECT rest{cell.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
        HBRUSH brush = CreateSolidBrush(selected ? kSelectedFill : background);
        FillRect(dc, &rest, brush);
        DeleteObject(brush);
    }
    SetBkMode(dc, oldMode);
    if (oldFont)
        SelectObject(dc, oldFont);
}

void CSkinListCtrl::DrawCell(HDC dc, int row, int column, const RECT& cell, bool selected, COLORREF background)
{
    COLORREF fill = background;
    if (selected)
        fill = kSelectedFill;
    else
        FindCellColour(row, column, fill);
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &cell, brush);
    DeleteObject(brush);

    RECT text = cell;
    text.left += kTextInset;
    text.right -= kTextInset;
    if (column == 0) {
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(Hwnd(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        const int image = m_rows.Image(static_cast<size_t>(row));
        if (images && image >= 0) {
            int width = 0;
            int height = 0;
            ImageList_GetIconSize(images, &width, &height);
            ImageList_Draw(images, image, dc, cell.left + 2, cell.top + (cell.bottom - cell.top - height) / 2,
                           ILD_TRANSPARENT);
            text.left = cell.left + 2 + width + kTextInset;
        }
        if (SendMessageA(Hwnd(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) {
            DrawCheck(dc, row, RECT{text.left - kTextInset, cell.top, text.right, cell.bottom});
            text.left += kCheckArea;
        }
    }

    COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
    if (selected) {
        ink = GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else if (!FindCellTextColour(row, column, ink) && !FindRowTextColour(row, ink)) {
        ink = GetSysColor(COLOR_WINDOWTEXT);
    }
    SetTextColor(dc, ink);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    const char alignment = m_header.Alignment(column);
    format |= alignment == '1' ? DT_CENTER : alignment == '2' ? DT_RIGHT : DT_LEFT;
    const std::string& content = m_rows.Text(static_cast<size_t>(row), static_cast<size_t>(column));
    DrawTextA(dc, content.c_str(), static_cast<int>(content.size()), &text, format);
}

void CSkinListCtrl::DrawCheck(HDC dc, int row, const RECT& cell) const
{
    const int top = cell.top + (cell.bottom - cell.top - kCheckBox) / 2;
    RECT box{cell.left + 2, top, cell.left + 2 + kCheckBox, top + kCheckBox};
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    if (!m_rows.Checked(static_cast<size_t>(row)))
        return;
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    POINT mark[3] = {{box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
    Polyline(dc, mark, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void CSkinListCtrl::SetEntry(std::vector<ColourEntry>& entries, int row, int column, COLORREF colour)
{
    for (ColourEntry& entry : entries) {
        if (entry.row == row && entry.column == column) {
            entry.colour = colour;
            return;
        }
    }
    entries.push_back(ColourEntry{row, column, colour});
}

bool CSkinListCtrl::FindEntry(const std::vector<ColourEntry>& entries, int row, int column, COLORREF& colour)
{
    for (const ColourEntry& entry : entries) {
        if (entry.row == row && entry.column == column) {
            colour = entry.colour;
            return true;
        }
    }
    return false;
}

bool CSkinListCtrl::FindCellColour(int row, int column, COLORREF& colour) const
{
    return FindEntry(m_cellColours, row, column, colour);
}

bool CSkinListCtrl::FindCellTextColour(int row, int column, COLORREF& colour) const
{
    return FindEntry(m_cellTextColours, row, column, colour);
}
