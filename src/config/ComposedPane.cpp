#include "config/ComposedPane.h"

#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/DataExchange.h"

namespace {
void ShowMessage(const char* key, bool silent)
{
    if (!silent)
        ShowTipMessage(key);
}
} // namespace

CComposedPane::CComposedPane(ItemList& items, Host host) : m_items(items), m_host(std::move(host))
{
}

void CComposedPane::Attach(HWND dialog)
{
    m_dialog = dialog;
    m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 660);
    m_list.SetTextSource([this](uintptr_t data, size_t) -> const std::string& { return m_editor.Entries()[data].name; },
                         1);
}

bool CComposedPane::OnButton(int id)
{
    switch (id) {
    case IDC_CFG_COMP_CREATE:
    case IDC_CFG_COMP_SAVE:
        TakeName();
        Store(id == IDC_CFG_COMP_CREATE, false, Checked());
        return true;
    case IDC_CFG_COMP_TEST:
        if (m_host.run)
            m_host.run(m_editor.Commands());
        return true;
    case IDC_CFG_ADD_TO_COMPOSED:
        OnAddRows();
        return true;
    case IDC_CFG_COMP_DELETE:
    case IDC_CFG_COMP_CLEAR:
        OnDelete(id == IDC_CFG_COMP_CLEAR);
        return true;
    case IDC_CFG_COMP_EDIT:
        OnEdit();
        return true;
    case IDC_CFG_COMP_UP:
    case IDC_CFG_COMP_DOWN:
        OnMove(id == IDC_CFG_COMP_UP);
        return true;
    case IDC_CFG_COMPOSED_CHECK:
    case IDC_CFG_COMPOSED_KEEP:
        // The boxes are read when they matter: selecting items and catalogs, creating, saving.
        return true;
    default:
        return false;
    }
}

bool CComposedPane::OnNotify(const NMHDR& header)
{
    if (header.code != NM_CLICK && header.code != NM_DBLCLK)
        return false;
    const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
    if (row >= 0)
        m_editor.Select(row);
    if (header.code == NM_DBLCLK)
        OnEdit();
    return true;
}

bool CComposedPane::Checked() const
{
    return IsDlgButtonChecked(m_dialog, IDC_CFG_COMPOSED_CHECK) == BST_CHECKED;
}

void CComposedPane::TakeName()
{
    std::string name;
    ExchangeText(m_dialog, IDC_CFG_COMPOSED_NAME, name, true);
    m_editor.SetName(name);
}

void CComposedPane::Show()
{
    SendMessageA(m_list.Hwnd(), WM_SETREDRAW, FALSE, 0);
    m_list.DeleteAllItems();
    for (size_t i = 0; i < m_editor.Entries().size(); ++i)
        m_list.InsertSourcedItem(static_cast<int>(i), i);
    SendMessageA(m_list.Hwnd(), WM_SETREDRAW, TRUE, 0);
    m_list.ClearSelection();
    if (m_editor.Selected() >= 0) {
        m_list.SelectRow(m_editor.Selected());
        m_list.EnsureVisible(m_editor.Selected());
    }
    InvalidateRect(m_list.Hwnd(), nullptr, TRUE);
    SetDlgItemTextA(m_dialog, IDC_CFG_COMPOSED_NAME, m_editor.Name().c_str());
}

void CComposedPane::Clear()
{
    m_editor.Reset();
    m_target = kNoItem;
    Show();
}

void CComposedPane::Load(size_t item)
{
    m_editor.Load(m_items.At(item).Name, m_items.At(item).ExePath);
    Remember(item);
}

void CComposedPane::Remember(size_t item)
{
    m_target = item;
    m_storedName = m_items.At(item).Name;
    m_storedCommand = m_items.At(item).ExePath;
    m_editor.MarkSaved();
}

bool CComposedPane::TargetIsComposed() const
{
    if (m_target >= m_items.Count())
        return false;
    const ShortcutItem& item = m_items.At(m_target);
    return !item.IsTombstone() && IsComposedItem(item.Name, item.ExePath);
}

bool CComposedPane::ShowItem(size_t item)
{
    TakeName();
    const bool checked = Checked();
    if (item == kNoItem) {
        if (!checked)
            Clear();
        return true;
    }
    if (m_editor.AsksToSaveOnLeaving(TargetIsComposed(), checked)) {
        const std::string question = GetTipText("SaveData");
        if (AppMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) != IDNO && !KeepLeftItem())
            return false;
        m_editor.MarkSaved();
    }
    // While building, the editor keeps its contents and the item it saves into.
    if (checked)
        return true;
    if (HasComposedMarker(m_items.At(item).ExePath)) {
        Load(item);
        CheckDlgButton(m_dialog, IDC_CFG_COMPOSED_CHECK, BST_CHECKED);
    } else {
        m_editor.Reset();
        m_target = kNoItem;
    }
    Show();
    return true;
}

bool CComposedPane::KeepLeftItem()
{
    const char* refusal = m_editor.CheckBeforeSave(true);
    if (refusal != nullptr && std::string(refusal) == "ComposedNameEmpty") {
        ShowTipMessage(refusal);
        return false;
    }
    bool listed = false;
    for (size_t row : m_host.rows(false))
        listed = listed || IsItemNameOf(m_items.At(row).Name, m_editor.Name());
    Store(!listed, false, true);
    return true;
}

// `checked` stands for the "Composed Item" box: leaving a changed item saves it although the
// box was just unchecked.
bool CComposedPane::Store(bool create, bool silent, bool checked)
{
    if (const char* refusal = m_editor.CheckBeforeSave(checked)) {
        ShowMessage(refusal, silent);
        return false;
    }
    SetDlgItemTextA(m_dialog, IDC_CFG_COMPOSED_NAME, m_editor.Name().c_str());
    if (!create)
        return StoreIntoTarget(silent);
    ShortcutItem item;
    m_editor.WriteInto(item);
    // Further saves go to the item just made, not to the one shown before.
    Remember(m_host.create(std::move(item)));
    ShowMessage("CreatedSuccessfully", silent);
    return true;
}

bool CComposedPane::StoreIntoTarget(bool silent)
{
    if (!TargetIsComposed()) {
        ShowMessage("SelectItemTavimorethList", silent);
        return false;
    }
    ShortcutItem& item = m_items.At(m_target);
    if (!m_editor.Changed() && (item.Name != m_storedName || item.ExePath != m_storedCommand)) {
        // Rewritten since it was loaded (a batch replace): the item is newer than the editor.
        Load(m_target);
        Show();
    } else {
        m_editor.WriteInto(item);
        item.State = "0";
        Remember(m_target);
        if (m_host.changed)
            m_host.changed();
    }
    ShowMessage("SavedSucess", silent);
    return true;
}

void CComposedPane::SaveSilently()
{
    TakeName();
    if (m_editor.Changed())
        Store(false, true, Checked());
}

void CComposedPane::ItemsRewritten()
{
    if (!TargetIsComposed() || m_editor.Changed())
        return;
    const ShortcutItem& item = m_items.At(m_target);
    if (item.Name != m_storedName || item.ExePath != m_storedCommand) {
        Load(m_target);
        Show();
    }
}

void CComposedPane::AppendEntry(const std::string& name, const std::string& command)
{
    TakeName();
    if (!m_editor.Append({name, command}))
        ShowTipMessage("ComposedEntryUnfit");
    Show();
}

void CComposedPane::OnAddRows()
{
    TakeName();
    std::vector<ComposedEntry> rows;
    for (size_t index : m_host.rows(true))
        rows.push_back({m_items.At(index).Name, m_items.At(index).ExePath});
    // The rows come from the first selected on; the shown item is the first.
    const std::string current = rows.empty() ? std::string() : rows.front().command;
    switch (m_editor.AddItemRows(current, rows)) {
    case ComposedEditor::AddResult::ComposedRefused:
        ShowTipMessage("AddComposedToComp");
        return;
    case ComposedEditor::AddResult::UnfitRefused:
        ShowTipMessage("ComposedEntryUnfit");
        break;
    default:
        break;
    }
    Show();
}

void CComposedPane::OnDelete(bool all)
{
    if (!Checked())
        return;
    TakeName();
    if (all)
        m_editor.Clear();
    else
        m_editor.DeleteEntries(SelectedEntries());
    Show();
}

std::vector<int> CComposedPane::SelectedEntries() const
{
    std::vector<int> rows;
    for (int row = m_list.GetNextSelected(-1); row >= 0; row = m_list.GetNextSelected(row))
        rows.push_back(row);
    return rows;
}

void CComposedPane::OnMove(bool up)
{
    if (!Checked())
        return;
    TakeName();
    if (up ? m_editor.MoveSelectedUp() : m_editor.MoveSelectedDown())
        Show();
}

void CComposedPane::OnEdit()
{
    const int selected = m_editor.Selected();
    if (selected < 0) {
        ShowTipMessage("SelectComposedItem");
        return;
    }
    const size_t index = static_cast<size_t>(selected);
    ComposedEntry edited;
    if (!m_host.edit(m_editor.Entries()[index], edited))
        return;
    TakeName();
    if (!m_editor.ApplyEdit(index, edited)) {
        ShowTipMessage("ComposedEntryUnfit");
        if (m_host.discard)
            m_host.discard(edited);
    }
    Show();
}
