// The configuration window's catalogs: which catalog the item list shows, adding, renaming
// and deleting catalogs, the pin, and linking items into catalogs. The catalogs themselves and
// the tree are the catalog pane's.
#include "config/ConfigDlg.h"

#include "data/NewGuidString.h"
#include "data/SharedItemList.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/DataExchange.h"

#include <algorithm>

void CConfigDlg::SetUpCatalogs()
{
    m_pane.Attach(Hwnd(), IDC_CFG_TREE, m_images, kShowTreeMessage);
    m_pane.Tree().VerticalBar().AttachImages(m_paths.folder);
    m_pane.Tree().HorizontalBar().AttachImages(m_paths.folder);
    m_pane.Load(GetTipText("AllCatalogsTitle"));
}

void CConfigDlg::OnCatalogSelected(HTREEITEM node)
{
    if (m_pane.IsPinned())
        return;
    if (IsDlgButtonChecked(Hwnd(), IDC_CFG_COMPOSED_KEEP) != BST_CHECKED)
        ClearComposedEditor();
    size_t item = CItemCellEditor::kNoItem;
    const CatalogId catalog = m_pane.CatalogListedAt(node, &item);
    if (catalog == CatalogTree::kNone)
        return;
    ListCatalog(catalog);
    // An item node: its catalog's items are listed, with that item chosen.
    for (int row = 0; item != CItemCellEditor::kNoItem && row < m_rows.List().GetItemCount(); ++row) {
        if (ItemOfRow(row) == item) {
            CItemRows::SelectOnly(m_rows.List(), row);
            ShowSelectedItem();
            break;
        }
    }
}

void CConfigDlg::ListCatalog(CatalogId catalog)
{
    CommitCellEditor();
    m_pane.SetListed(catalog);
    m_rows.Show(m_pane.Members(m_pane.Listed()));
    if (m_rows.List().GetItemCount() > 0)
        CItemRows::SelectOnly(m_rows.List(), 0);
    ShowSelectedItem();
}

void CConfigDlg::RebuildMembers()
{
    m_pane.SetListedMembers(m_rows.RowItems());
}

bool CConfigDlg::TakeCatalogName(std::string& name)
{
    ExchangeText(Hwnd(), IDC_CFG_CATALOG_NAME, name, true);
    name = TrimBlanks(name);
    return AcceptCatalogName(name);
}

void CConfigDlg::OnAddCatalog()
{
    std::string name;
    if (TakeCatalogName(name))
        m_pane.Add(name, NewGuidString());
}

void CConfigDlg::OnUpdateCatalog()
{
    std::string name;
    if (!TakeCatalogName(name))
        return;
    const CatalogId catalog = m_pane.Selected();
    if (catalog == CatalogTree::kRoot)
        return;
    if (catalog == CatalogTree::kNone) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    m_pane.Rename(catalog, name);
}

void CConfigDlg::OnDeleteCatalog()
{
    const CatalogId catalog = m_pane.Selected();
    if (catalog == CatalogTree::kRoot)
        return;
    if (catalog == CatalogTree::kNone) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    CommitCellEditor();
    m_pane.Remove(catalog);
    // A pinned catalog outside the deleted branch stays listed.
    if (m_pane.IsPinned())
        return;
    CheckDlgButton(Hwnd(), IDC_CFG_PIN, BST_UNCHECKED);
    ListCatalog(CatalogTree::kNone);
}

void CConfigDlg::OnPinChanged()
{
    const bool wanted = IsDlgButtonChecked(Hwnd(), IDC_CFG_PIN) == BST_CHECKED;
    // Only a listed catalog can be held: with none, the box says so by staying clear.
    if (!m_pane.Pin(wanted)) {
        CheckDlgButton(Hwnd(), IDC_CFG_PIN, BST_UNCHECKED);
        ShowTipMessage("SelectCatalog");
    }
}

void CConfigDlg::OnLink(bool all)
{
    const CatalogId target = m_pane.Selected();
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
    std::vector<int> rows = CItemRows::ChosenRows(m_rows.List(), all);
    std::vector<size_t> moved;
    for (int row : rows)
        moved.push_back(ItemOfRow(row));
    std::vector<int> ordered = rows;
    std::sort(ordered.rbegin(), ordered.rend());
    for (int row : ordered)
        m_rows.List().DeleteItem(row);
    m_pane.AddMembers(target, moved);
    if (m_pane.IsPinned())
        RebuildMembers();
    ShowSelectedItem();
}

void CConfigDlg::OnTreeClick()
{
    OpenKeyList(false);
    DWORD pos = GetMessagePos();
    TVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    ScreenToClient(m_pane.Hwnd(), &hit.pt);
    if (TreeView_HitTest(m_pane.Hwnd(), &hit) != nullptr)
        return;
    // A click into empty space leaves no catalog chosen; a pinned catalog stays listed.
    TreeView_SelectItem(m_pane.Hwnd(), nullptr);
    if (!m_pane.IsPinned())
        ListCatalog(CatalogTree::kNone);
    ClearComposedEditor();
    CheckDlgButton(Hwnd(), IDC_CFG_COMPOSED_CHECK, BST_UNCHECKED);
    CheckDlgButton(Hwnd(), IDC_CFG_COMPOSED_KEEP, BST_UNCHECKED);
}
