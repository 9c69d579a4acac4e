// The configuration window's field and hotkey editor: short name, one modifier and one key,
// description, and the rules by which "Set", "Reset" and "Reset All" store them.
#include "config/ConfigDlg.h"

#include "config/DefaultShortName.h"
#include "data/KeyTable.h"
#include "data/SharedItemList.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/DataExchange.h"

namespace {
// Trial registrations for the "is it free elsewhere" question use an id no other part of the
// program hands out.
const int kTrialHotkeyId = 0xBFFF;

} // namespace

void CConfigDlg::ShowSelectedItem()
{
    const int row = m_rows.List().GetFirstSelected();
    if (!m_composed.ShowItem(row < 0 ? CComposedPane::kNoItem : ItemOfRow(row)))
        return;
    ShowItemFields(m_rows.List().GetFirstSelected());
    // The name is painted on the background: the old one must be erased first. Only there: the
    // whole window would repaint every control it holds.
    const RECT name = NameArea();
    InvalidateRect(Hwnd(), &name, TRUE);
}

void CConfigDlg::ShowItemFields(int row)
{
    if (row < 0) {
        for (int id : {IDC_CFG_SHORTNAME, IDC_CFG_DESCRIPTION})
            SetDlgItemTextA(Hwnd(), id, "");
        m_hotkey.Clear();
        return;
    }
    const ShortcutItem& item = g_itemList.At(ItemOfRow(row));
    SetDlgItemTextA(Hwnd(), IDC_CFG_SHORTNAME, item.ShortName.c_str());
    m_hotkey.Show(item.Hotkey1, item.Hotkey2);
    SetDlgItemTextA(Hwnd(), IDC_CFG_DESCRIPTION, item.Description.c_str());
}

bool CConfigDlg::HotkeyClashes(const std::string& modifier, const std::string& key, int exceptRow) const
{
    for (int row = 0; row < m_rows.List().GetItemCount(); ++row) {
        const ShortcutItem& item = g_itemList.At(ItemOfRow(row));
        if (row != exceptRow && item.Hotkey1 == modifier && item.Hotkey2 == key)
            return true;
    }
    return false;
}

void CConfigDlg::WarnIfTakenElsewhere(const std::string& modifier, const std::string& key, bool silent)
{
    const unsigned flag = ModifierFlag(modifier);
    const unsigned code = VirtualKey(key);
    // Ctrl+S belongs to this window only while it is open.
    if (flag == 0 || code == 0 || (flag == MOD_CONTROL && code == 'S'))
        return;
    if (RegisterHotKey(Hwnd(), kTrialHotkeyId, flag, code)) {
        UnregisterHotKey(Hwnd(), kTrialHotkeyId);
        return;
    }
    if (!silent)
        ShowTipMessage("HotkeyTakenElsewhere");
}

void CConfigDlg::OnSet(bool silent)
{
    CommitCellEditor();
    const int row = m_rows.List().GetFirstSelected();
    if (row < 0)
        return;
    ShortcutItem& item = g_itemList.At(ItemOfRow(row));
    std::string shortName;
    ExchangeText(Hwnd(), IDC_CFG_SHORTNAME, shortName, true);
    item.ShortName = TrimBlanks(shortName);
    std::string modifier;
    std::string key;
    m_hotkey.Chosen(modifier, key);
    if (!modifier.empty() && !key.empty() && HotkeyClashes(modifier, key, row)) {
        if (!silent)
            ShowTipMessage("HotkeyAlreadyExists");
        return;
    }
    const bool changed = item.Hotkey1 != modifier || item.Hotkey2 != key;
    item.Hotkey1 = modifier;
    item.Hotkey2 = key;
    ExchangeText(Hwnd(), IDC_CFG_DESCRIPTION, item.Description, true);
    item.State = "0";
    InvalidateRect(m_rows.List().Hwnd(), nullptr, FALSE);
    if (changed)
        WarnIfTakenElsewhere(modifier, key, silent);
}

void CConfigDlg::CustomItemHotkey(std::string& modifier, std::string& key) const
{
    m_hotkey.Chosen(modifier, key);
    // Unless the user picked another, the editor still shows the selected row's own hotkey:
    // that one stays the row's, and the new item starts without a hotkey.
    const int row = m_rows.List().GetFirstSelected();
    if (row >= 0) {
        const ShortcutItem& shown = g_itemList.At(ItemOfRow(row));
        if (shown.Hotkey1 == modifier && shown.Hotkey2 == key)
            modifier.clear(), key.clear();
    }
}

void CConfigDlg::SetDefaults(ShortcutItem& item, bool clearDescription)
{
    item.ShortName = DefaultShortName(item.Name);
    item.Hotkey1.clear();
    item.Hotkey2.clear();
    if (clearDescription)
        item.Description.clear();
    item.State = "0";
}

void CConfigDlg::OnReset()
{
    CommitCellEditor();
    for (int row : CItemRows::ChosenRows(m_rows.List(), false))
        SetDefaults(g_itemList.At(ItemOfRow(row)), true);
    ShowSelectedItem();
    InvalidateRect(m_rows.List().Hwnd(), nullptr, FALSE);
}

void CConfigDlg::OnResetAll()
{
    const std::string question = GetTipText("ResetAll");
    if (AppMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    CommitCellEditor();
    for (int row = 0; row < m_rows.List().GetItemCount(); ++row)
        SetDefaults(g_itemList.At(ItemOfRow(row)), false);
    ShowSelectedItem();
    InvalidateRect(m_rows.List().Hwnd(), nullptr, FALSE);
}
