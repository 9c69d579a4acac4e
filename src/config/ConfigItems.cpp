// The configuration window's item list and program list: rows mirror items of the shared item
// list (a row's data is the item's position), programs become items and deleted items go back
// to the programs.
#include "config/ComposedItem.h"
#include "config/ConfigDlg.h"

#include "data/ItemKind.h"
#include "data/LeadBytes.h"
#include "data/LowerCase.h"
#include "data/NewGuidString.h"
#include "data/SharedItemList.h"
#include "data/ShortName.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/Choosers.h"

#include <algorithm>
#include <unordered_set>

namespace {
bool IsComposedName(const std::string& text)
{
    return text.compare(0, 2, "+ ") == 0;
}

std::string NameOfPath(const std::string& path)
{
    const size_t slash = LeadBytes::OfSystem().FindLast(path, '\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
} // namespace

size_t CConfigDlg::AppendItem(ShortcutItem item)
{
    item.Reserved.clear();
    item.State = "0";
    item.guid = NewGuidString();
    return g_itemList.Append(std::move(item));
}

void CConfigDlg::ShowProgramRows()
{
    m_programList.DeleteAllItems();
    m_programList.ReserveRows(m_programs.Count());
    for (size_t i = 0; i < m_programs.Count(); ++i)
        m_programList.InsertSourcedItem(static_cast<int>(i), i);
}

void CConfigDlg::OnAddPrograms(bool all)
{
    HTREEITEM selected = TreeView_GetSelection(m_pane.Hwnd());
    const CatalogId catalog = m_pane.Selected();
    if (selected == nullptr || (all && (catalog == CatalogTree::kNone || catalog == CatalogTree::kRoot))) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    if (catalog == CatalogTree::kNone || catalog == CatalogTree::kRoot) {
        ShowTipMessage("SelSubCatalog");
        return;
    }
    if (all) {
        const std::string question = GetTipText("SelectAllItems");
        if (AppMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDNO)
            return;
    }
    CommitCellEditor();
    MoveProgramsToItems(all);
    CItemRows::SelectOnly(m_rows.List(), m_rows.List().GetItemCount() - 1);
    ShowSelectedItem();
    RebuildMembers();
}

void CConfigDlg::MoveProgramsToItems(bool all)
{
    SendMessageA(m_rows.List().Hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(m_programList.Hwnd(), WM_SETREDRAW, FALSE, 0);
    // The same program twice makes one item: texts already listed are skipped.
    std::unordered_set<std::string> listed;
    for (int row = 0; row < m_rows.List().GetItemCount(); ++row)
        listed.insert(LowerCaseAnsi(g_itemList.At(ItemOfRow(row)).Name));
    const std::vector<int> rows = CItemRows::ChosenRows(m_programList, all);
    for (int row : rows) {
        const ProgramRow& program = m_programs.At(m_programList.GetItemData(row));
        if (IsComposedName(program.text) || !listed.insert(LowerCaseAnsi(program.text)).second)
            continue;
        ShortcutItem item;
        item.Name = program.text;
        item.ExePath = program.command;
        SetDefaults(item, false);
        item.Description = item.Name;
        m_rows.Append(AppendItem(std::move(item)));
    }
    m_programList.DeleteRows(rows);
    SendMessageA(m_programList.Hwnd(), WM_SETREDRAW, TRUE, 0);
    SendMessageA(m_rows.List().Hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_programList.Hwnd(), nullptr, TRUE);
    InvalidateRect(m_rows.List().Hwnd(), nullptr, TRUE);
}

void CConfigDlg::OnRemoveItems(bool all)
{
    if (all) {
        const std::string question = GetTipText("UnselectAllItems");
        if (AppMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDNO)
            return;
    } else {
        CheckDlgButton(Hwnd(), IDC_CFG_COMPOSED_CHECK, BST_UNCHECKED);
    }
    CommitCellEditor();
    if (IsDlgButtonChecked(Hwnd(), IDC_CFG_COMPOSED_KEEP) != BST_CHECKED)
        ClearComposedEditor();
    const std::vector<int> rows = CItemRows::ChosenRows(m_rows.List(), all);
    ReturnToPrograms(rows);
    for (int row : rows)
        g_itemList.Tombstone(ItemOfRow(row), false);
    m_rows.List().DeleteRows(rows);
    CItemRows::SelectOnly(m_rows.List(), 0);
    ShowSelectedItem();
    RebuildMembers();
    RefreshItemLeaves();
}

void CConfigDlg::ReturnToPrograms(const std::vector<int>& rows)
{
    std::unordered_set<std::string> listed;
    for (int row = 0; row < m_programList.GetItemCount(); ++row)
        listed.insert(LowerCaseAnsi(m_programs.At(m_programList.GetItemData(row)).text));
    for (int row : rows) {
        const ShortcutItem& item = g_itemList.At(ItemOfRow(row));
        if (IsComposedName(item.Name) || !listed.insert(LowerCaseAnsi(item.Name)).second)
            continue;
        const size_t program = m_programs.Append(item.Name, item.ExePath);
        m_programList.InsertSourcedItem(m_programList.GetItemCount(), program);
    }
}

void CConfigDlg::OnProgramDoubleClick()
{
    if (IsDlgButtonChecked(Hwnd(), IDC_CFG_COMPOSED_CHECK) == BST_CHECKED) {
        for (int row : CItemRows::ChosenRows(m_programList, false)) {
            const ProgramRow& program = m_programs.At(m_programList.GetItemData(row));
            AppendComposedEntry(program.text, program.command);
        }
        return;
    }
    OnAddPrograms(false);
}

void CConfigDlg::AddPath(const std::string& path, bool folder)
{
    const std::string name = NameOfPath(path);
    if (name.empty())
        return;
    if (IsDlgButtonChecked(Hwnd(), IDC_CFG_COMPOSED_CHECK) == BST_CHECKED) {
        AppendComposedEntry(name, path);
        return;
    }
    CommitCellEditor();
    ShortcutItem item;
    item.Name = name;
    item.ExePath = path;
    item.ShortName = MakeShortName(name);
    item.Description = name;
    const int row = m_rows.Append(AppendItem(std::move(item)));
    CItemRows::SelectOnly(m_rows.List(), row);
    ShowSelectedItem();
    RebuildMembers();
    (void)folder;
}

void CConfigDlg::OnFiles()
{
    std::vector<std::string> paths;
    if (!ChooseOpenFiles(Hwnd(), "Exe File(*.exe)\0*.exe\0\0", 26000, paths))
        return;
    for (const std::string& path : paths)
        AddPath(path, false);
}

void CConfigDlg::OnFolder()
{
    std::string path;
    if (ChooseFolder(Hwnd(), "Select Folder", path))
        AddPath(path, true);
}

void CConfigDlg::OnExec()
{
    const int row = m_rows.List().GetFirstSelected();
    if (row < 0) {
        ShowTipMessage("SelectItemTavimorethList");
        return;
    }
    const std::string& command = g_itemList.At(ItemOfRow(row)).ExePath;
    if (!command.empty() && LaunchCommand)
        LaunchCommand(command);
}

bool CConfigDlg::NameTakenByOtherRow(const std::string& name, int exceptRow) const
{
    for (int row = 0; row < m_rows.List().GetItemCount(); ++row) {
        if (row != exceptRow && g_itemList.At(ItemOfRow(row)).Name == name)
            return true;
    }
    return false;
}

void CConfigDlg::OnProgramsSource(bool urls)
{
    // Program discovery and the web address import fill the list; until they exist here the
    // list is shown as the source left it.
    m_programs.Clear();
    const ProgramSource& source = urls ? ImportAddresses : DiscoverPrograms;
    m_knownItems = g_itemList;
    if (source)
        source(m_programs);
    m_knownItems.Clear();
    ShowProgramRows();
}

void CConfigDlg::OnFindChanged(bool items)
{
    char typed[512] = {};
    GetDlgItemTextA(Hwnd(), items ? IDC_CFG_ITEM_FIND : IDC_CFG_PROGRAM_FIND, typed, sizeof(typed));
    const bool byShortName = items && IsDlgButtonChecked(Hwnd(), IDC_CFG_FIND_SHORT) == BST_CHECKED;
    CSkinListCtrl& list = items ? m_rows.List() : m_programList;
    const int row = CItemRows::FindRow(list, typed, byShortName ? 1 : 0, byShortName);
    if (row < 0)
        return;
    if (items)
        CommitCellEditor();
    CItemRows::SelectOnly(list, row);
    if (items)
        ShowSelectedItem();
}

void CConfigDlg::RefreshItemLeaves()
{
    m_pane.ShowItemsAgain();
}
