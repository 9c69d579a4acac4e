// The configuration window's composed-item editor: the composed list and name box show the
// ComposedEditor model; the buttons change the model and store it as an ordinary item.
#include "config/ConfigDlg.h"

#include "data/SharedItemList.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/DataExchange.h"

namespace {
const int kComposedImage = 3;

void ShowMessage(const char* key, bool silent)
{
    if (!silent)
        ShowTipMessage(key);
}
} // namespace

void CConfigDlg::SetUpComposedList()
{
    SetUpList(m_composedList, IDC_CFG_COMPOSED_LIST);
    m_composedList.InsertColumn(0, "Name", LVCFMT_LEFT, 660);
    m_composedList.SetTextSource(
        [this](uintptr_t data, size_t) -> const std::string& { return m_composed.Entries()[data].name; }, 1);
}

bool CConfigDlg::OnComposedButton(int id)
{
    switch (id) {
    case IDC_CFG_COMP_CREATE:
    case IDC_CFG_COMP_SAVE:
        CommitCellEditor();
        TakeComposedName();
        StoreComposed(id == IDC_CFG_COMP_CREATE, false, ComposedChecked());
        return true;
    case IDC_CFG_COMP_TEST:
        OnComposedTest();
        return true;
    case IDC_CFG_ADD_TO_COMPOSED:
        OnAddToComposed();
        return true;
    case IDC_CFG_COMP_DELETE:
    case IDC_CFG_COMP_CLEAR:
        OnComposedDelete(id == IDC_CFG_COMP_CLEAR);
        return true;
    case IDC_CFG_COMP_EDIT:
        OnComposedEdit();
        return true;
    case IDC_CFG_COMP_UP:
    case IDC_CFG_COMP_DOWN:
        OnComposedMove(id == IDC_CFG_COMP_UP);
        return true;
    case IDC_CFG_COMPOSED_CHECK:
    case IDC_CFG_COMPOSED_KEEP:
        // The boxes are read when they matter: selecting items and catalogs, creating, saving.
        return true;
    default:
        return false;
    }
}

bool CConfigDlg::OnComposedNotify(const NMHDR& header)
{
    if (header.code == NM_CLICK || header.code == NM_DBLCLK) {
        const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
        if (row >= 0)
            m_composed.Select(row);
        if (header.code == NM_DBLCLK)
            OnComposedEdit();
        return true;
    }
    return false;
}

bool CConfigDlg::ComposedChecked() const
{
    return IsDlgButtonChecked(Hwnd(), IDC_CFG_COMPOSED_CHECK) == BST_CHECKED;
}

void CConfigDlg::TakeComposedName()
{
    std::string name;
    ExchangeText(Hwnd(), IDC_CFG_COMPOSED_NAME, name, true);
    m_composed.SetName(name);
}

void CConfigDlg::ShowComposedEditor()
{
    SendMessageA(m_composedList.Hwnd(), WM_SETREDRAW, FALSE, 0);
    m_composedList.DeleteAllItems();
    for (size_t i = 0; i < m_composed.Entries().size(); ++i)
        m_composedList.InsertSourcedItem(static_cast<int>(i), i);
    SendMessageA(m_composedList.Hwnd(), WM_SETREDRAW, TRUE, 0);
    SelectOnly(m_composedList, m_composed.Selected());
    InvalidateRect(m_composedList.Hwnd(), nullptr, TRUE);
    SetDlgItemTextA(Hwnd(), IDC_CFG_COMPOSED_NAME, m_composed.Name().c_str());
}

void CConfigDlg::ClearComposedEditor()
{
    m_composed.Reset();
    m_composedItem = kNoItem;
    ShowComposedEditor();
}

bool CConfigDlg::ShowComposedOf(int row)
{
    TakeComposedName();
    const bool checked = ComposedChecked();
    if (row < 0) {
        if (!checked)
            ClearComposedEditor();
        return true;
    }
    const bool shownWasComposed = m_composedItem < g_itemList.Count() && !g_itemList.At(m_composedItem).IsTombstone() &&
                                  g_itemList.At(m_composedItem).Name.rfind(kComposedPrefix, 0) == 0;
    if (m_composed.AsksToSaveOnLeaving(shownWasComposed, checked)) {
        const std::string question = GetTipText("SaveData");
        if (AppMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES && !KeepLeftComposedItem())
            return false;
        m_composed.MarkSaved();
    }
    m_composedItem = ItemOfRow(row);
    const ShortcutItem& item = g_itemList.At(m_composedItem);
    if (checked)
        return true;
    if (HasComposedMarker(item.ExePath)) {
        m_composed.Load(item.Name, item.ExePath);
        CheckDlgButton(Hwnd(), IDC_CFG_COMPOSED_CHECK, BST_CHECKED);
    } else {
        m_composed.Reset();
    }
    ShowComposedEditor();
    return true;
}

bool CConfigDlg::KeepLeftComposedItem()
{
    const char* refusal = m_composed.CheckBeforeSave(true);
    if (refusal != nullptr && std::string(refusal) == "ComposedNameEmpty") {
        ShowTipMessage(refusal);
        return false;
    }
    bool stored = false;
    for (int row = 0; row < m_itemList.GetItemCount() && !stored; ++row)
        stored = IsItemNameOf(g_itemList.At(ItemOfRow(row)).Name, m_composed.Name());
    StoreComposed(!stored, false, true);
    return true;
}

// `checked` stands for the "Composed Item" box: leaving a changed item saves it although the
// box was just unchecked.
bool CConfigDlg::StoreComposed(bool create, bool silent, bool checked)
{
    if (const char* refusal = m_composed.CheckBeforeSave(checked)) {
        ShowMessage(refusal, silent);
        return false;
    }
    SetDlgItemTextA(Hwnd(), IDC_CFG_COMPOSED_NAME, m_composed.Name().c_str());
    if (create) {
        ShortcutItem item;
        m_composed.WriteInto(item);
        const size_t index = AppendItem(std::move(item));
        m_itemList.SetItemImage(AppendItemRow(index), kComposedImage);
        // Further saves go to the item just made, not to the one shown before.
        m_composedItem = index;
        m_composed.MarkSaved();
        ShowMessage("CreatedSuccessfully", silent);
        RebuildMembers();
        RefreshItemLeaves();
        return true;
    }
    if (m_composedItem >= g_itemList.Count() || g_itemList.At(m_composedItem).IsTombstone() ||
        !IsComposedItem(g_itemList.At(m_composedItem).Name, g_itemList.At(m_composedItem).ExePath)) {
        ShowMessage("SelectItemTavimorethList", silent);
        return false;
    }
    ShortcutItem& item = g_itemList.At(m_composedItem);
    m_composed.WriteInto(item);
    item.State = "0";
    m_composed.MarkSaved();
    InvalidateRect(m_itemList.Hwnd(), nullptr, FALSE);
    InvalidateRect(Hwnd(), nullptr, FALSE);
    RefreshItemLeaves();
    ShowMessage("SavedSucess", silent);
    return true;
}

void CConfigDlg::AppendComposedEntry(const std::string& name, const std::string& command)
{
    TakeComposedName();
    m_composed.Append({name, command});
    ShowComposedEditor();
}

void CConfigDlg::OnAddToComposed()
{
    CommitCellEditor();
    TakeComposedName();
    std::vector<ComposedEntry> rows;
    for (int row : ChosenRows(m_itemList, false)) {
        const ShortcutItem& item = g_itemList.At(ItemOfRow(row));
        rows.push_back({item.Name, item.ExePath});
    }
    // ChosenRows gives the selection from the first row on; the shown item is the first.
    const std::string current = rows.empty() ? std::string() : rows.front().command;
    if (m_composed.AddItemRows(current, rows) == ComposedEditor::AddResult::ComposedRefused) {
        ShowTipMessage("AddComposedToComp");
        return;
    }
    ShowComposedEditor();
}

void CConfigDlg::OnComposedDelete(bool all)
{
    if (!ComposedChecked())
        return;
    TakeComposedName();
    if (all)
        m_composed.Clear();
    else
        m_composed.DeleteEntries(ChosenRows(m_composedList, false));
    ShowComposedEditor();
}

void CConfigDlg::OnComposedMove(bool up)
{
    if (!ComposedChecked())
        return;
    TakeComposedName();
    if (up ? m_composed.MoveSelectedUp() : m_composed.MoveSelectedDown())
        ShowComposedEditor();
}

void CConfigDlg::OnComposedEdit()
{
    const int selected = m_composed.Selected();
    if (selected < 0) {
        ShowTipMessage("SelectComposedItem");
        return;
    }
    const size_t index = static_cast<size_t>(selected);
    ShortcutItem shown;
    shown.Name = m_composed.Entries()[index].name;
    shown.ExePath = m_composed.Entries()[index].command;
    ComposedEntry edited;
    if (!EditCommand(shown, edited.name, edited.command))
        return;
    TakeComposedName();
    m_composed.ApplyEdit(index, edited);
    ShowComposedEditor();
}

void CConfigDlg::OnComposedTest()
{
    if (RunCommandsInTurn)
        RunCommandsInTurn(m_composed.Commands());
}
