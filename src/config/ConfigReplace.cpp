// The configuration window's batch replace: the settings dialog, then the replacement in the
// chosen rows of the item list or in every item of every catalog.
#include "config/BatchReplace.h"
#include "config/ConfigDlg.h"
#include "config/ReplaceSettingsDlg.h"

#include "data/SharedItemList.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"

void CConfigDlg::OnBatchReplace()
{
    CReplaceSettingsDlg dialog(m_paths.folder, Hwnd());
    if (dialog.DoModal() != IDOK)
        return;
    const std::string question = GetTipText("BatchReplace");
    if (AppMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    CommitCellEditor();
    const ReplaceSettings& settings = dialog.Settings;
    if (settings.replaceAll) {
        ReplaceInAllItems(g_itemList, settings);
        ListCatalog(m_pane.Listed());
    } else {
        std::vector<int> rows = CItemRows::ChosenRows(m_rows.List(), false);
        if (rows.empty())
            rows = CItemRows::ChosenRows(m_rows.List(), true);
        for (int row : rows) {
            ShortcutItem& item = g_itemList.At(ItemOfRow(row));
            ReplaceRow replaced{item.Name, item.ShortName, item.ExePath};
            ReplaceInRow(replaced, settings);
            if (replaced.name == item.Name && replaced.shortName == item.ShortName && replaced.command == item.ExePath)
                continue;
            item.Name = replaced.name;
            item.ShortName = replaced.shortName;
            item.ExePath = replaced.command;
            item.State = "0";
        }
        InvalidateRect(m_rows.List().Hwnd(), nullptr, FALSE);
        ShowSelectedItem();
    }
    m_composed.ItemsRewritten();
    // The tree's item leaves show the names just replaced at once rather than after a later change.
    RefreshItemLeaves();
}
