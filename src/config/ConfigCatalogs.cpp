// The configuration window's catalogs: the tree, the catalog the item list shows, adding,
// renaming, deleting and dragging catalogs, and linking items into them.
#include "config/ConfigDlg.h"

#include "data/CatalogData.h"
#include "data/NewGuidString.h"
#include "data/SharedItemList.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "data/CatalogsFile.h"
#include "ui/TipText.h"
#include "ui/wnd/DataExchange.h"

#include <algorithm>

void CConfigDlg::ShowCatalogTree()
{
    SendMessageA(m_tree.Hwnd(), WM_SETREDRAW, FALSE, 0);
    m_model.Clear();
    LoadCatalogTree(m_paths.catalogsFile, m_model);
    m_catalogs.Show(m_model, GetTipText("AllCatalogsTitle"), &g_itemList);
    SendMessageA(m_tree.Hwnd(), WM_SETREDRAW, TRUE, 0);
    TreeView_Expand(m_tree.Hwnd(), m_catalogs.Root(), TVE_EXPAND);
    NMTREEVIEWA expanded{};
    expanded.action = TVE_EXPAND;
    expanded.itemNew.hItem = m_catalogs.Root();
    m_catalogs.OnItemExpanded(expanded);
}

void CConfigDlg::ShowModelAgain(CatalogId select)
{
    SendMessageA(m_tree.Hwnd(), WM_SETREDRAW, FALSE, 0);
    m_catalogs.Show(m_model, GetTipText("AllCatalogsTitle"), &g_itemList);
    SendMessageA(m_tree.Hwnd(), WM_SETREDRAW, TRUE, 0);
    HTREEITEM node = m_catalogs.NodeOf(m_model.IsLive(select) ? select : CatalogTree::kRoot);
    for (HTREEITEM up = node; up != nullptr; up = TreeView_GetParent(m_tree.Hwnd(), up))
        TreeView_Expand(m_tree.Hwnd(), up, TVE_EXPAND);
    TreeView_SelectItem(m_tree.Hwnd(), node);
    InvalidateRect(m_tree.Hwnd(), nullptr, TRUE);
}

CatalogId CConfigDlg::ShownCatalog() const
{
    if (m_pinned != CatalogTree::kNone && m_model.IsLive(m_pinned))
        return m_pinned;
    return m_catalogs.SelectedCatalog();
}

std::vector<size_t> CConfigDlg::ShownMembers(CatalogId catalog) const
{
    if (catalog != CatalogTree::kRoot)
        return m_model.Members(catalog, g_itemList);
    std::vector<size_t> all;
    all.reserve(g_itemList.Count());
    for (size_t i = 0; i < g_itemList.Count(); ++i) {
        if (g_itemList.At(i).IsShown())
            all.push_back(i);
    }
    return all;
}

void CConfigDlg::OnCatalogSelected(HTREEITEM node)
{
    if (m_pinned != CatalogTree::kNone)
        return;
    if (IsDlgButtonChecked(Hwnd(), IDC_CFG_COMPOSED_KEEP) != BST_CHECKED)
        ClearComposedEditor();
    CatalogId catalog = m_catalogs.CatalogOf(node);
    if (catalog == CatalogTree::kNone) {
        // An item node: its catalog's items stay listed, with that item chosen.
        size_t index = 0;
        if (!m_catalogs.ItemOf(node, index))
            return;
        ListCatalog(m_catalogs.CatalogOf(TreeView_GetParent(m_tree.Hwnd(), node)));
        for (int row = 0; row < m_itemList.GetItemCount(); ++row) {
            if (ItemOfRow(row) == index) {
                SelectOnly(m_itemList, row);
                ShowSelectedItem();
                break;
            }
        }
        return;
    }
    ListCatalog(catalog);
}

void CConfigDlg::ListCatalog(CatalogId catalog)
{
    CommitCellEditor();
    if (catalog == CatalogTree::kNone || !m_model.IsLive(catalog)) {
        FillItemList({});
        return;
    }
    FillItemList(ShownMembers(catalog));
    if (m_itemList.GetItemCount() > 0)
        SelectOnly(m_itemList, 0);
    ShowSelectedItem();
}

void CConfigDlg::RebuildMembers()
{
    const CatalogId catalog = ShownCatalog();
    if (catalog == CatalogTree::kNone || catalog == CatalogTree::kRoot || !m_model.IsLive(catalog))
        return;
    m_model.SetMembers(catalog, RowItems());
    m_catalogs.ShowItems(catalog, g_itemList);
}

bool CConfigDlg::TakeCatalogName(std::string& name)
{
    ExchangeText(Hwnd(), IDC_CFG_CATALOG_NAME, name, true);
    name = TrimBlanks(name);
    if (name.empty()) {
        ShowTipMessage("CatalogEmpty");
        return false;
    }
    if (!IsStorableCatalogName(name)) {
        ShowTipMessage("CatalogNameInvalid");
        return false;
    }
    return true;
}

void CConfigDlg::OnAddCatalog()
{
    std::string name;
    if (!TakeCatalogName(name))
        return;
    HTREEITEM selected = TreeView_GetSelection(m_tree.Hwnd());
    CatalogId parent = m_catalogs.CatalogOf(selected);
    if (parent == CatalogTree::kNone)
        parent = selected != nullptr ? m_catalogs.CatalogOf(TreeView_GetParent(m_tree.Hwnd(), selected))
                                     : CatalogTree::kRoot;
    if (parent == CatalogTree::kNone)
        parent = CatalogTree::kRoot;
    const CatalogId added = m_model.Add(parent, name, NewGuidString());
    if (added == CatalogTree::kNone)
        return;
    m_catalogs.ShowAdded(added);
    TreeView_Expand(m_tree.Hwnd(), m_catalogs.NodeOf(parent), TVE_EXPAND);
}

void CConfigDlg::OnUpdateCatalog()
{
    std::string name;
    if (!TakeCatalogName(name))
        return;
    const CatalogId catalog = m_catalogs.SelectedCatalog();
    if (catalog == CatalogTree::kRoot)
        return;
    if (catalog == CatalogTree::kNone) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    m_model.Rename(catalog, name);
    m_catalogs.ShowRenamed(catalog);
}

void CConfigDlg::OnDeleteCatalog()
{
    HTREEITEM selected = TreeView_GetSelection(m_tree.Hwnd());
    const CatalogId catalog = m_catalogs.CatalogOf(selected);
    if (catalog == CatalogTree::kRoot)
        return;
    if (catalog == CatalogTree::kNone) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    // A pin on a catalog that goes away would keep a list of nothing.
    if (m_pinned != CatalogTree::kNone && m_model.IsWithin(m_pinned, catalog)) {
        m_pinned = CatalogTree::kNone;
        CheckDlgButton(Hwnd(), IDC_CFG_PIN, BST_UNCHECKED);
    }
    CommitCellEditor();
    FillItemList({});
    ShowSelectedItem();
    m_model.Remove(catalog);
    m_catalogs.ShowRemoved(catalog);
}

void CConfigDlg::OnPinChanged()
{
    if (IsDlgButtonChecked(Hwnd(), IDC_CFG_PIN) == BST_CHECKED)
        m_pinned = m_catalogs.SelectedCatalog();
    else
        m_pinned = CatalogTree::kNone;
}

void CConfigDlg::OnLink(bool all)
{
    const CatalogId target = m_catalogs.SelectedCatalog();
    if (target == CatalogTree::kNone) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    // The root is never stored: items linked into it would be lost from the list for nothing.
    if (target == CatalogTree::kRoot) {
        ShowTipMessage("SelSubCatalog");
        return;
    }
    CommitCellEditor();
    std::vector<int> rows = ChosenRows(m_itemList, all);
    std::vector<size_t> moved;
    for (int row : rows)
        moved.push_back(ItemOfRow(row));
    std::vector<int> ordered = rows;
    std::sort(ordered.rbegin(), ordered.rend());
    for (int row : ordered)
        m_itemList.DeleteItem(row);
    for (size_t index : moved)
        m_model.AddMember(target, index);
    m_catalogs.ShowItems(target, g_itemList);
    if (m_pinned != CatalogTree::kNone && m_pinned != CatalogTree::kRoot && m_model.IsLive(m_pinned)) {
        m_model.SetMembers(m_pinned, RowItems());
        m_catalogs.ShowItems(m_pinned, g_itemList);
    }
    ShowSelectedItem();
}

int CConfigDlg::MayDrop(HTREEITEM dragged, HTREEITEM target) const
{
    HTREEITEM root = m_catalogs.Root();
    if (dragged == nullptr || target == nullptr || dragged == root)
        return 0;
    if (TreeView_GetParent(m_tree.Hwnd(), dragged) == target || m_catalogs.IsItemNode(target))
        return 0;
    if (m_catalogs.IsItemNode(dragged) && target == root)
        return 0;
    return 1;
}

void CConfigDlg::AfterDrop(HTREEITEM dragged, HTREEITEM target)
{
    const CatalogId into = m_catalogs.CatalogOf(target);
    size_t index = 0;
    if (m_catalogs.ItemOf(dragged, index))
        m_model.AddMember(into, index);
    else
        m_model.Move(m_catalogs.CatalogOf(dragged), into);
    // The tree moves its nodes itself once this returns; the model is shown again after that.
    PostMessageA(Hwnd(), kShowTreeMessage, static_cast<WPARAM>(into), 0);
}

void CConfigDlg::OnTreeClick()
{
    OpenKeyList(false);
    DWORD pos = GetMessagePos();
    TVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    ScreenToClient(m_tree.Hwnd(), &hit.pt);
    if (TreeView_HitTest(m_tree.Hwnd(), &hit) != nullptr)
        return;
    // A click into empty space leaves no catalog chosen.
    TreeView_SelectItem(m_tree.Hwnd(), nullptr);
    CommitCellEditor();
    FillItemList({});
    ShowSelectedItem();
    ClearComposedEditor();
    CheckDlgButton(Hwnd(), IDC_CFG_COMPOSED_CHECK, BST_UNCHECKED);
    CheckDlgButton(Hwnd(), IDC_CFG_COMPOSED_KEEP, BST_UNCHECKED);
}
