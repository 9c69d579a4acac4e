#include "data/dialogs/CatalogPane.h"

void CCatalogPane::Attach(HWND dialog, int treeId, HIMAGELIST images, UINT dropMessage)
{
    m_dialog = dialog;
    m_dropMessage = dropMessage;
    m_tree.AttachDlgItem(dialog, treeId);
    m_tree.Initialise(dropMessage != 0);
    SendMessageA(m_tree.Hwnd(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    m_tree.SetMayDropCallback([this](HWND, HTREEITEM dragged, HTREEITEM target) { return MayDrop(dragged, target); });
    m_tree.SetAfterDropCallback([this](HWND, HTREEITEM dragged, HTREEITEM target) {
        AfterDrop(dragged, target);
        return 1;
    });
    m_view.Attach(m_tree.Hwnd());
}

void CCatalogPane::Load(const std::string& rootTitle)
{
    m_model.Clear();
    LoadCatalogTree(m_paths.catalogsFile, m_model);
    Show(rootTitle);
}

void CCatalogPane::Show(const std::string& rootTitle)
{
    m_rootTitle = rootTitle;
    SendMessageA(Hwnd(), WM_SETREDRAW, FALSE, 0);
    m_view.Show(m_model, m_rootTitle, ItemNodes());
    SendMessageA(Hwnd(), WM_SETREDRAW, TRUE, 0);
    m_listed = CatalogTree::kNone;
    m_pinned = false;
    TreeView_Expand(Hwnd(), m_view.Root(), TVE_EXPAND);
    NMTREEVIEWA expanded{};
    expanded.action = TVE_EXPAND;
    expanded.itemNew.hItem = m_view.Root();
    m_view.OnItemExpanded(expanded);
}

void CCatalogPane::ShowAgain(CatalogId select)
{
    SendMessageA(Hwnd(), WM_SETREDRAW, FALSE, 0);
    m_view.Show(m_model, m_rootTitle, ItemNodes());
    SendMessageA(Hwnd(), WM_SETREDRAW, TRUE, 0);
    HTREEITEM node = m_view.NodeOf(m_model.IsLive(select) ? select : CatalogTree::kRoot);
    for (HTREEITEM up = node; up != nullptr; up = TreeView_GetParent(Hwnd(), up))
        TreeView_Expand(Hwnd(), up, TVE_EXPAND);
    TreeView_SelectItem(Hwnd(), node);
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

bool CCatalogPane::OnNotify(const NMHDR& header)
{
    const auto& info = reinterpret_cast<const NMTREEVIEWA&>(header);
    if (header.code == TVN_ITEMEXPANDINGA) {
        m_view.OnItemExpanding(info);
        return true;
    }
    if (header.code == TVN_ITEMEXPANDEDA) {
        m_view.OnItemExpanded(info);
        return true;
    }
    return false;
}

CatalogId CCatalogPane::CatalogListedAt(HTREEITEM node, size_t* item) const
{
    size_t index = 0;
    if (!m_view.ItemOf(node, index))
        return m_view.CatalogOf(node);
    if (item != nullptr)
        *item = index;
    return m_view.CatalogOf(TreeView_GetParent(Hwnd(), node));
}

std::vector<size_t> CCatalogPane::Members(CatalogId catalog) const
{
    if (catalog != CatalogTree::kRoot)
        return m_model.IsLive(catalog) ? m_model.Members(catalog, m_items) : std::vector<size_t>{};
    std::vector<size_t> all;
    all.reserve(m_items.Count());
    for (size_t i = 0; i < m_items.Count(); ++i) {
        if (m_items.At(i).IsShown())
            all.push_back(i);
    }
    return all;
}

bool CCatalogPane::Pin(bool on)
{
    m_pinned = on && Listed() != CatalogTree::kNone;
    return m_pinned == on;
}

void CCatalogPane::SetListedMembers(const std::vector<size_t>& indexes)
{
    const CatalogId catalog = Listed();
    if (catalog == CatalogTree::kNone || catalog == CatalogTree::kRoot)
        return;
    m_model.SetMembers(catalog, indexes);
    m_view.ShowItems(catalog, m_items);
}

void CCatalogPane::AddMembers(CatalogId catalog, const std::vector<size_t>& indexes)
{
    for (size_t index : indexes)
        m_model.AddMember(catalog, index);
    m_view.ShowItems(catalog, m_items);
}

CatalogId CCatalogPane::Add(const std::string& name, const std::string& nodeId)
{
    const CatalogId parent = CatalogListedAt(TreeView_GetSelection(Hwnd()));
    return AddBelow(parent == CatalogTree::kNone ? CatalogTree::kRoot : parent, name, nodeId);
}

CatalogId CCatalogPane::AddBelow(CatalogId parent, const std::string& name, const std::string& data)
{
    const CatalogId added = m_model.Add(parent, name, data);
    if (added == CatalogTree::kNone)
        return added;
    m_view.ShowAdded(added);
    TreeView_Expand(Hwnd(), m_view.NodeOf(parent), TVE_EXPAND);
    return added;
}

void CCatalogPane::Rename(CatalogId catalog, const std::string& name)
{
    if (m_model.Rename(catalog, name))
        m_view.ShowRenamed(catalog);
}

void CCatalogPane::Remove(CatalogId catalog)
{
    if (m_model.IsLive(m_listed) && m_model.IsWithin(m_listed, catalog)) {
        m_listed = CatalogTree::kNone;
        m_pinned = false;
    }
    m_model.Remove(catalog);
    m_view.ShowRemoved(catalog);
}

int CCatalogPane::MayDrop(HTREEITEM dragged, HTREEITEM target) const
{
    HTREEITEM root = m_view.Root();
    if (dragged == nullptr || target == nullptr || dragged == root)
        return 0;
    if (TreeView_GetParent(Hwnd(), dragged) == target || m_view.IsItemNode(target))
        return 0;
    if (m_view.IsItemNode(dragged) && target == root)
        return 0;
    return 1;
}

void CCatalogPane::AfterDrop(HTREEITEM dragged, HTREEITEM target)
{
    const CatalogId into = m_view.CatalogOf(target);
    size_t index = 0;
    if (m_view.ItemOf(dragged, index))
        m_model.AddMember(into, index);
    else
        m_model.Move(m_view.CatalogOf(dragged), into);
    // The tree moves its nodes itself once this returns; the model is shown again after that.
    PostMessageA(m_dialog, m_dropMessage, static_cast<WPARAM>(into), 0);
}
