#include "UserInput.h"

#include "WinTestSupport.h"

void TypeText(HWND control, const std::string& text)
{
    SetFocus(control);
    TypeText(text);
}

void TypeText(const std::string& text)
{
    for (char c : text) {
        HWND focus = GetFocus();
        if (focus == nullptr)
            return;
        SendMessageA(focus, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
}

void ClickAt(HWND window, POINT clientPoint)
{
    ParkPointer(window, clientPoint);
    const LPARAM at = MAKELPARAM(clientPoint.x, clientPoint.y);
    // Controls that wait for the release inside their press find it already queued.
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PumpFor(50);
}

void DoubleClickAt(HWND window, POINT clientPoint)
{
    ClickAt(window, clientPoint);
    const LPARAM at = MAKELPARAM(clientPoint.x, clientPoint.y);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PumpFor(50);
}

void PressButton(HWND button)
{
    SendMessageA(button, BM_CLICK, 0, 0);
}

POINT CellPoint(HWND list, int row, int column)
{
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    return POINT{cell.left + 6, (cell.top + cell.bottom) / 2};
}

POINT NodePoint(HWND tree, HTREEITEM node)
{
    TreeView_EnsureVisible(tree, node);
    RECT rect{};
    TreeView_GetItemRect(tree, node, &rect, TRUE);
    // On the node's icon, which a node with an empty text still has.
    return POINT{rect.left - 8, (rect.top + rect.bottom) / 2};
}

POINT EmptyTreePoint(HWND tree)
{
    HTREEITEM last = TreeView_GetFirstVisible(tree);
    for (HTREEITEM next = last; next != nullptr; next = TreeView_GetNextVisible(tree, next))
        last = next;
    RECT rect{};
    if (last != nullptr)
        TreeView_GetItemRect(tree, last, &rect, FALSE);
    return POINT{rect.left + 30, rect.bottom + 8};
}
