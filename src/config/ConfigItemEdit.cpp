// The configuration window's editing of single items: the item dialogs, custom commands, the
// in-place cell editor, and hiding the item list.
#include "config/ConfigDlg.h"

#include "config/DefaultShortName.h"
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
    const int row = m_rows.List().GetFirstSelected();
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
    // Only what the dialog edits changes: the hotkey and the description stay the item's.
    ShortcutItem& item = g_itemList.At(index);
    item.Name = name;
    item.ExePath = command;
    item.ShortName = DefaultShortName(name);
    item.State = "0";
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
    const int row = m_rows.Append(AppendItem(std::move(item)));
    CItemRows::SelectOnly(m_rows.List(), row);
    ShowSelectedItem();
    RebuildMembers();
    WarnIfTakenElsewhere(modifier, key, false);
}

void CConfigDlg::OnItemListClick(const NMITEMACTIVATE& click)
{
    CommitCellEditor();
    OpenKeyList(false);
    ShowSelectedItem();
    if (click.iItem >= 0)
        m_cells.Open(click.iItem, click.iSubItem);
}

void CConfigDlg::CommitCellEditor()
{
    const int row = m_rows.List().GetFirstSelected();
    m_cells.Commit(row >= 0 ? ItemOfRow(row) : CItemCellEditor::kNoItem);
}

void CConfigDlg::OnHideShowList()
{
    const bool hide = m_listShown;
    m_listShown = !m_listShown;
    const int change = (m_itemListRect.bottom - m_treeRect.bottom) * (hide ? 1 : -1);
    ShowWindow(m_rows.List().Hwnd(), hide ? SW_HIDE : SW_SHOW);
    if (hide)
        m_rows.List().HideAll();
    else
        m_rows.List().ShowAll();
    RECT tree = ControlRect(IDC_CFG_TREE);
    SetWindowPos(m_pane.Hwnd(), nullptr, 0, 0, tree.right - tree.left, tree.bottom - tree.top + change,
                 SWP_NOMOVE | SWP_NOZORDER);
    m_pane.Tree().PlaceBars();
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
