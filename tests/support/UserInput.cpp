#include "UserInput.h"

#include "WinTestSupport.h"

#include <commctrl.h>

void TypeInto(HWND control, const std::string& text)
{
    SetFocus(control);
    for (char c : text) {
        const WPARAM code = c == '\n' ? VK_RETURN : static_cast<unsigned char>(c);
        if (c == '\n')
            SendMessageA(control, WM_KEYDOWN, VK_RETURN, 1);
        SendMessageA(control, WM_CHAR, code, 1);
        if (c == '\n')
            SendMessageA(control, WM_KEYUP, VK_RETURN, 0xC0000001);
    }
}

void TypeOver(HWND control, const std::string& text)
{
    SetFocus(control);
    SendMessageA(control, EM_SETSEL, 0, -1);
    if (text.empty())
        SendMessageA(control, WM_CHAR, VK_BACK, 1);
    TypeInto(control, text);
}

void PressKey(HWND control, UINT virtualKey)
{
    SetFocus(control);
    PostMessageA(control, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(control, WM_KEYUP, virtualKey, 0xC0000001);
    PumpFor(100);
}

void ClickAt(HWND window, POINT point)
{
    ParkPointer(window, point);
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PumpFor(50);
}

void DoubleClickAt(HWND window, POINT point)
{
    ClickAt(window, point);
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PumpFor(50);
}

POINT RowPoint(HWND list, int row)
{
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT rect{};
    rect.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return POINT{rect.left + 6, (rect.top + rect.bottom) / 2};
}

void ClickRow(HWND list, int row)
{
    ClickAt(list, RowPoint(list, row));
}

void DoubleClickRow(HWND list, int row)
{
    DoubleClickAt(list, RowPoint(list, row));
}

void ClickButton(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

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

namespace {
// `before` is the popup that was up when the answer was armed: a dialog still closing is not
// the one awaited.
void AnswerSoon(HWND owner, HWND before, int childId, std::function<void(HWND)> answer, std::shared_ptr<bool> answered,
                int tries)
{
    RunSoon([=] {
        HWND dialog = GetLastActivePopup(owner);
        if (dialog != owner && dialog != before && IsWindowVisible(dialog) && GetDlgItem(dialog, childId)) {
            *answered = true;
            answer(dialog);
        } else if (tries > 0) {
            AnswerSoon(owner, before, childId, answer, answered, tries - 1);
        }
    });
}
} // namespace

std::shared_ptr<bool> AnswerWhenOpen(HWND owner, int childId, std::function<void(HWND dialog)> answer)
{
    auto answered = std::make_shared<bool>(false);
    AnswerSoon(owner, GetLastActivePopup(owner), childId, std::move(answer), answered, 100);
    return answered;
}
