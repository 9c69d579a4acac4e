// The configuration window's editing of single items: the item dialogs, custom commands, the
// in-place cell editor, and hiding the item list.
#include "config/ConfigDlg.h"

#include "data/ItemKind.h"
#include "data/SharedItemList.h"
#include "data/dialogs/ClipItemDlg.h"
#include "data/dialogs/ItemInfoDlg.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/TipText.h"

namespace {
void MoveControlBy(HWND dialog, int id, int dy)
{
    HWND control = GetDlgItem(dialog, id);
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(control, nullptr, rect.left, rect.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
} // namespace

bool CConfigDlg::EditCommand(const ShortcutItem& item, std::string& name, std::string& command)
{
    if (EndsWithNoCase(item.ExePath, ".stx")) {
        CClipItemDlg dialog(Hwnd(), m_paths);
        dialog.Name = item.Name;
        dialog.SnapshotPath = item.ExePath;
        if (dialog.DoModal() != IDOK)
            return false;
        name = dialog.Name;
        command = dialog.SnapshotPath;
        m_snapshots.Adopt(item.ExePath, command);
        return true;
    }
    // Control panel items keep their command: only their name can change here.
    const bool fixed = EndsWithNoCase(item.ExePath, ".cpl");
    CItemInfoDlg dialog(Hwnd());
    dialog.Name = item.Name;
    dialog.Command = fixed ? "Command" : item.ExePath;
    dialog.Editable = !fixed;
    dialog.RunProgram = RunProgram;
    if (dialog.DoModal() != IDOK)
        return false;
    name = dialog.Name;
    command = fixed ? item.ExePath : dialog.Command;
    return true;
}

void CConfigDlg::OnEditItem()
{
    CommitCellEditor();
    const int row = m_itemList.GetFirstSelected();
    if (row < 0) {
        ShowTipMessage("SelectItemTavimorethList");
        return;
    }
    const size_t index = ItemOfRow(row);
    if (!g_itemList.At(index).Name.empty() && g_itemList.At(index).Name[0] == '+') {
        ShowTipMessage("EditComposedItem");
        return;
    }
    std::string name;
    std::string command;
    if (!EditCommand(g_itemList.At(index), name, command))
        return;
    name = TrimBlanks(name);
    if (NameTakenByOtherRow(name, row)) {
        m_snapshots.Discard(command);
        ShowTipMessage("NameExists");
        return;
    }
    ShortcutItem& item = g_itemList.At(index);
    item.Name = name;
    item.ExePath = command;
    item.State = "0";
    SetDefaults(item, false);
    m_itemList.SetItemImage(row, command.find_first_of("\r\n") != std::string::npos ? 3 : 2);
    ShowSelectedItem();
    RefreshItemLeaves();
}

void CConfigDlg::OnCustom()
{
    CommitCellEditor();
    CItemInfoDlg dialog(Hwnd());
    dialog.RunProgram = RunProgram;
    if (dialog.DoModal() != IDOK)
        return;
    if (IsDlgButtonChecked(Hwnd(), IDC_CFG_COMPOSED_CHECK) == BST_CHECKED) {
        AppendComposedEntry(dialog.Name, dialog.Command);
        return;
    }
    if (NameTakenByOtherRow(dialog.Name, -1)) {
        ShowTipMessage("NameExists");
        return;
    }
    std::string modifier;
    std::string key;
    CustomItemHotkey(modifier, key);
    if (!modifier.empty() && !key.empty() && HotkeyClashes(modifier, key, -1)) {
        ShowTipMessage("HotkeyAlreadyExists");
        return;
    }
    ShortcutItem item;
    item.Name = dialog.Name;
    item.ExePath = dialog.Command;
    SetDefaults(item, false);
    item.Hotkey1 = modifier;
    item.Hotkey2 = key;
    item.Description = item.Name;
    const int row = AppendItemRow(AppendItem(std::move(item)));
    SelectOnly(m_itemList, row);
    ShowSelectedItem();
    RebuildMembers();
    WarnIfTakenElsewhere(modifier, key, false);
}

void CConfigDlg::OnItemListClick(const NMITEMACTIVATE& click)
{
    CommitCellEditor();
    OpenKeyList(false);
    ShowSelectedItem();
    if (click.iItem >= 0 && (click.iSubItem == 1 || click.iSubItem == 4))
        OpenCellEditor(click.iItem, click.iSubItem);
}

void CConfigDlg::OpenCellEditor(int row, int column)
{
    if (m_cellEditor == nullptr) {
        m_cellEditor = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 0, 0,
                                       m_itemList.Hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(m_cellEditor, WM_SETFONT, SendMessageA(Hwnd(), WM_GETFONT, 0, 0), TRUE);
    }
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_LABEL;
    SendMessageA(m_itemList.Hwnd(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    m_editedItem = ItemOfRow(row);
    m_editedColumn = column;
    SetWindowTextA(m_cellEditor, m_itemList.GetItemText(row, column).c_str());
    SetWindowPos(m_cellEditor, HWND_TOP, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top,
                 SWP_SHOWWINDOW);
    SetFocus(m_cellEditor);
    SendMessageA(m_cellEditor, EM_SETSEL, 0, -1);
}

void CConfigDlg::CommitCellEditor()
{
    if (m_cellEditor == nullptr || m_editedColumn < 0)
        return;
    const int length = GetWindowTextLengthA(m_cellEditor);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(m_cellEditor, text.data(), length + 1)));
    ShowWindow(m_cellEditor, SW_HIDE);
    // The edit belongs to its item at once, so a save straight after it keeps it.
    if (m_editedItem < g_itemList.Count() && !g_itemList.At(m_editedItem).IsTombstone()) {
        ShortcutItem& item = g_itemList.At(m_editedItem);
        std::string& field = m_editedColumn == 1 ? item.ShortName : item.Description;
        if (field != text) {
            field = text;
            item.State = "0";
        }
    }
    m_editedColumn = -1;
    InvalidateRect(m_itemList.Hwnd(), nullptr, FALSE);
}

void CConfigDlg::OnHideShowList()
{
    const bool hide = m_listShown;
    m_listShown = !m_listShown;
    const int change = (m_itemListRect.bottom - m_treeRect.bottom) * (hide ? 1 : -1);
    ShowWindow(m_itemList.Hwnd(), hide ? SW_HIDE : SW_SHOW);
    if (hide)
        m_itemList.HideAll();
    else
        m_itemList.ShowAll();
    RECT tree = ControlRect(IDC_CFG_TREE);
    SetWindowPos(m_tree.Hwnd(), nullptr, 0, 0, tree.right - tree.left, tree.bottom - tree.top + change,
                 SWP_NOMOVE | SWP_NOZORDER);
    m_tree.PlaceBars();
    for (int id :
         {IDC_CFG_HIDE_LIST, IDC_CFG_PIN, IDC_CFG_LINK, IDC_CFG_LINK_ALL, IDC_CFG_CATALOG_NAME, IDC_CFG_CATALOG_ADD,
          IDC_CFG_CATALOG_UPDATE, IDC_CFG_CATALOG_DELETE, IDC_CFG_ITEM_FIND, IDC_CFG_FIND_SHORT})
        MoveControlBy(Hwnd(), id, change);
    HWND compose = Item(IDC_CFG_ADD_TO_COMPOSED);
    if (hide) {
        const RECT find = ControlRect(IDC_CFG_ITEM_FIND);
        SetWindowPos(compose, nullptr, find.left + 300, find.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    } else {
        SetWindowPos(compose, nullptr, m_composeButtonRect.left, m_composeButtonRect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    }
    const std::string caption = GetTipText(hide ? "ShowTavimorethListButton" : "HideTavimorethListButton");
    SetDlgItemTextA(Hwnd(), IDC_CFG_HIDE_LIST, caption.c_str());
    for (auto& button : m_buttons) {
        if (button->Hwnd() == Item(IDC_CFG_HIDE_LIST))
            button->SetTooltipText(GetTipText(hide ? "Btn_ShowShortcut" : "Btn_HideShortcut"));
    }
    InvalidateRect(Hwnd(), nullptr, TRUE);
}
