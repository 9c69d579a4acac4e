#include "config/ItemCellEditor.h"

void CItemCellEditor::Attach(CSkinListCtrl& list, HWND shortNameBox, HWND descriptionBox)
{
    m_list = &list;
    m_shortNameBox = shortNameBox;
    m_descriptionBox = descriptionBox;
}

void CItemCellEditor::Open(int row, int column)
{
    if (m_list == nullptr || !IsEditable(column))
        return;
    if (m_editor == nullptr) {
        m_editor = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 0, 0, m_list->Hwnd(),
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(m_editor, WM_SETFONT, SendMessageA(GetParent(m_list->Hwnd()), WM_GETFONT, 0, 0), TRUE);
    }
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_LABEL;
    SendMessageA(m_list->Hwnd(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    m_item = static_cast<size_t>(m_list->GetItemData(row));
    m_column = column;
    SetWindowTextA(m_editor, m_list->GetItemText(row, column).c_str());
    SetWindowPos(m_editor, HWND_TOP, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top,
                 SWP_SHOWWINDOW);
    SetFocus(m_editor);
    SendMessageA(m_editor, EM_SETSEL, 0, -1);
}

std::string CItemCellEditor::EditorText() const
{
    const int length = GetWindowTextLengthA(m_editor);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(m_editor, text.data(), length + 1)));
    return text;
}

void CItemCellEditor::Commit(size_t selectedItem)
{
    if (m_editor == nullptr || m_column < 0)
        return;
    const std::string text = EditorText();
    const bool shortName = m_column == kShortNameColumn;
    ShowWindow(m_editor, SW_HIDE);
    m_column = -1;
    if (m_item >= m_items.Count() || m_items.At(m_item).IsTombstone())
        return;
    ShortcutItem& item = m_items.At(m_item);
    std::string& field = shortName ? item.ShortName : item.Description;
    if (field != text) {
        field = text;
        item.State = "0";
    }
    if (m_item == selectedItem)
        SetWindowTextA(shortName ? m_shortNameBox : m_descriptionBox, field.c_str());
    InvalidateRect(m_list->Hwnd(), nullptr, FALSE);
}
