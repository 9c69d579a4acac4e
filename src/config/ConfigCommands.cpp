// The configuration window's buttons and notifications, routed to their handlers.
#include "config/ConfigDlg.h"

#include "resource.h"

namespace {
struct ButtonSpec {
    int id;
    const char* stem;
    const char* tipKey;
};

const ButtonSpec kButtons[] = {
    {IDC_CFG_ADD, "normalbtn", "Btn_AddSelectedItems"},
    {IDC_CFG_ADD_ALL, "normalbtn", "Btn_AddAllItems"},
    {IDC_CFG_REMOVE, "normalbtn", "Btn_DeleteSelectedItems"},
    {IDC_CFG_REMOVE_ALL, "normalbtn", "Btn_DeleteAllItems"},
    {IDC_CFG_LINK, "Up", "Btn_LinkSelectedItem"},
    {IDC_CFG_LINK_ALL, "UpAll", "Btn_LinkAllItems"},
    {IDC_CFG_CATALOG_ADD, "normalbtn", "Btn_AddCatalog"},
    {IDC_CFG_CATALOG_UPDATE, "normalbtn", "Btn_UpdateCatalog"},
    {IDC_CFG_CATALOG_DELETE, "normalbtn", "Btn_DeleteCatalog"},
    {IDC_CFG_FILES, "normalbtn", "Btn_SelectFile"},
    {IDC_CFG_FOLDER, "normalbtn", "Btn_SelectFolder"},
    {IDC_CFG_SET, "normalbtn", "Btn_SetItemInfo"},
    {IDC_CFG_RESET, "normalbtn", "Btn_SetItemDefault"},
    {IDC_CFG_RESET_ALL, "normalbtn", "Btn_ResetAllItems"},
    {IDC_CFG_EXEC, "normalbtn", "Btn_EditItem"},
    {IDC_CFG_CUSTOM, "normalbtn", "Btn_CustomCommands"},
    {IDC_CFG_BATCH, "normalbtn", "Btn_BatchReplaceItem"},
    {IDC_CFG_COMP_CREATE, "normalbtn", "Btn_AddComposedItem"},
    {IDC_CFG_COMP_SAVE, "normalbtn", "Btn_SaveComposedItem"},
    {IDC_CFG_COMP_TEST, "normalbtn", "Btn_TestComposedItem"},
    {IDC_CFG_ADD_TO_COMPOSED, "normalbtn", "Btn_AddItemToComp"},
    {IDC_CFG_COMP_DELETE, "normalbtn", "Btn_DeleteComposedItem"},
    {IDC_CFG_COMP_CLEAR, "normalbtn", "Btn_DeleteAllComposedItem"},
    {IDC_CFG_COMP_EDIT, "normalbtn", "Btn_EditCompItem"},
    {IDC_CFG_COMP_UP, "Up", "Btn_UpItem"},
    {IDC_CFG_COMP_DOWN, "Down", "Btn_DownItem"},
    {IDC_CFG_HIDE_LIST, "normalbtn", "Btn_HideShortcut"},
    {IDC_CFG_SAVE, "normalbtn", "Btn_SaveChangedDatas"},
    {IDC_CFG_OK, "normalbtn", "Btn_CloseDialogwithSave"},
    {IDC_CFG_CANCEL, "normalbtn", "Btn_CloseDialogwithoutSave"},
};
} // namespace

void CConfigDlg::SetUpImageButtons()
{
    for (const ButtonSpec& spec : kButtons) {
        m_buttons.push_back(std::make_unique<CImageButton>());
        SetupImageButton(*m_buttons.back(), spec.id, spec.stem, spec.tipKey);
    }
}

bool CConfigDlg::OnCommand(int id, int code)
{
    if (code == EN_CHANGE && (id == IDC_CFG_ITEM_FIND || id == IDC_CFG_PROGRAM_FIND)) {
        if (GetFocus() == Item(id))
            OnFindChanged(id == IDC_CFG_ITEM_FIND);
        return true;
    }
    if (m_hotkey.OnCommand(id, code))
        return true;
    if (code == BN_CLICKED && (OnButton(id) || OnButtonOfEditors(id) || m_composed.OnButton(id)))
        return true;
    return CSkinDialog::OnCommand(id, code);
}

bool CConfigDlg::OnButton(int id)
{
    switch (id) {
    case IDC_CFG_ADD:
    case IDC_CFG_ADD_ALL:
        OnAddPrograms(id == IDC_CFG_ADD_ALL);
        return true;
    case IDC_CFG_REMOVE:
    case IDC_CFG_REMOVE_ALL:
        OnRemoveItems(id == IDC_CFG_REMOVE_ALL);
        return true;
    case IDC_CFG_LINK:
    case IDC_CFG_LINK_ALL:
        OnLink(id == IDC_CFG_LINK_ALL);
        return true;
    case IDC_CFG_PIN:
        OnPinChanged();
        return true;
    case IDC_CFG_CATALOG_ADD:
        OnAddCatalog();
        return true;
    case IDC_CFG_CATALOG_UPDATE:
        OnUpdateCatalog();
        return true;
    case IDC_CFG_CATALOG_DELETE:
        OnDeleteCatalog();
        return true;
    case IDC_CFG_SAVE:
        Save(false);
        return true;
    case IDC_CFG_OK:
        Save(false);
        CloseWith(IDOK);
        return true;
    case IDC_CFG_CANCEL:
        CloseWith(IDCANCEL);
        return true;
    default:
        return false;
    }
}

bool CConfigDlg::OnButtonOfEditors(int id)
{
    switch (id) {
    case IDC_CFG_FILES:
        OnFiles();
        return true;
    case IDC_CFG_FOLDER:
        OnFolder();
        return true;
    case IDC_CFG_EXEC:
        OnExec();
        return true;
    case IDC_CFG_CUSTOM:
        OnCustom();
        return true;
    case IDC_CFG_SET:
        OnSet(false);
        return true;
    case IDC_CFG_RESET:
        OnReset();
        return true;
    case IDC_CFG_RESET_ALL:
        OnResetAll();
        return true;
    case IDC_CFG_HIDE_LIST:
        OnHideShowList();
        return true;
    case IDC_CFG_PROGRAMS:
    case IDC_CFG_URLS:
        OnProgramsSource(id == IDC_CFG_URLS);
        return true;
    case IDC_CFG_BATCH:
        OnBatchReplace();
        return true;
    default:
        return false;
    }
}

bool CConfigDlg::OnNotify(int id, NMHDR* header, LRESULT& result)
{
    if (id == IDC_CFG_TREE) {
        switch (header->code) {
        case TVN_SELCHANGEDA:
            OnCatalogSelected(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem);
            return true;
        case TVN_ITEMEXPANDINGA:
            m_pane.OnNotify(*header);
            return false;
        case TVN_ITEMEXPANDEDA:
            return m_pane.OnNotify(*header);
        case NM_CLICK:
            OnTreeClick();
            return true;
        case NM_DBLCLK:
            OnEditItem();
            return true;
        default:
            return false;
        }
    }
    if (id == IDC_CFG_ITEM_LIST || id == IDC_CFG_PROGRAM_LIST) {
        const bool items = id == IDC_CFG_ITEM_LIST;
        if (header->code == NM_CLICK && items) {
            OnItemListClick(*reinterpret_cast<NMITEMACTIVATE*>(header));
            return true;
        }
        if (header->code == NM_DBLCLK) {
            if (items)
                OnEditItem();
            else
                OnProgramDoubleClick();
            return true;
        }
        if (header->code == LVN_COLUMNCLICK) {
            const int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
            if (column == 0 || (items && column == 1)) {
                CommitCellEditor();
                (items ? m_rows.List() : m_programList).SortByColumnClick(column);
            }
            return true;
        }
    }
    if (id == IDC_CFG_COMPOSED_LIST)
        return m_composed.OnNotify(*header);
    return m_hotkey.OnNotify(id, *header);
}
