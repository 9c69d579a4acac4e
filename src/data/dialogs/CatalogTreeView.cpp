#include "data/dialogs/CatalogTreeView.h"

#include "data/CatalogData.h"
#include "data/ItemKind.h"

void CCatalogTreeView::Show(const CatalogTree& model, const std::string& rootTitle, const ItemList* items)
{
    m_model = &model;
    m_items = items;
    m_tree.DeleteAllItems();
    m_catalogOf.clear();
    m_itemOf.clear();
    m_nodeOf.clear();
    m_deferred.clear();
    m_root = m_tree.InsertItem(rootTitle.c_str(), TVI_ROOT);
    m_catalogOf[m_root] = CatalogTree::kRoot;
    m_nodeOf.assign(1, m_root);
    model.Walk(CatalogTree::kRoot, [this, &model](CatalogId id) { InsertCatalog(id, NodeOf(model.Parent(id))); });
}

HTREEITEM CCatalogTreeView::InsertCatalog(CatalogId id, HTREEITEM parent)
{
    HTREEITEM node = m_tree.InsertItem(m_model->Name(id).c_str(), parent);
    if (node == nullptr)
        return nullptr;
    m_catalogOf[node] = id;
    if (m_nodeOf.size() <= id)
        m_nodeOf.resize(id + 1, nullptr);
    m_nodeOf[id] = node;
    if (m_items != nullptr)
        DeferItemNodes(id, node);
    return node;
}

HTREEITEM CCatalogTreeView::ShowAdded(CatalogId id)
{
    HTREEITEM parent = NodeOf(m_model->Parent(id));
    return parent != nullptr ? InsertCatalog(id, parent) : nullptr;
}

void CCatalogTreeView::ShowRenamed(CatalogId id)
{
    HTREEITEM node = NodeOf(id);
    if (node == nullptr)
        return;
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    std::string name = m_model->Name(id);
    item.pszText = name.data();
    m_tree.Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void CCatalogTreeView::ForgetBranch(HTREEITEM node)
{
    for (HTREEITEM child = m_tree.Child(node); child != nullptr; child = m_tree.NextSibling(child))
        ForgetBranch(child);
    m_itemOf.erase(node);
    auto found = m_catalogOf.find(node);
    if (found == m_catalogOf.end())
        return;
    if (found->second < m_nodeOf.size())
        m_nodeOf[found->second] = nullptr;
    m_catalogOf.erase(found);
}

void CCatalogTreeView::ShowRemoved(CatalogId id)
{
    HTREEITEM node = NodeOf(id);
    if (node == nullptr || node == m_root)
        return;
    ForgetBranch(node);
    m_tree.DeleteItem(node);
}

void CCatalogTreeView::ShowItems(CatalogId id, const ItemList& items)
{
    HTREEITEM catalog = NodeOf(id);
    if (catalog == nullptr || m_items == nullptr)
        return; // a view of catalogs only
    RemoveItemNodes(catalog);
    // A closed catalog shows the change when it is opened.
    if (m_tree.Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(catalog), TVIS_EXPANDED) & TVIS_EXPANDED) {
        m_deferred.erase(id);
        InsertItemNodes(id, catalog, items);
    } else {
        DeferItemNodes(id, catalog);
    }
}

void CCatalogTreeView::RemoveItemNodes(HTREEITEM catalog)
{
    HTREEITEM child = m_tree.Child(catalog);
    while (child != nullptr) {
        HTREEITEM next = m_tree.NextSibling(child);
        if (m_itemOf.erase(child) != 0)
            m_tree.DeleteItem(child);
        child = next;
    }
}

void CCatalogTreeView::InsertItemNodes(CatalogId id, HTREEITEM catalog, const ItemList& items)
{
    // Put in from the last so that the items come first, before the sub-catalogs.
    const std::vector<size_t> members = m_model->Members(id, items);
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        const ShortcutItem& item = items.At(*it);
        const int image = ItemImageOf(item.ExePath);
        HTREEITEM node = m_tree.InsertItem(item.Name.c_str(), catalog, TVI_FIRST, image, image);
        if (node != nullptr)
            m_itemOf[node] = *it;
    }
}

void CCatalogTreeView::DeferItemNodes(CatalogId id, HTREEITEM catalog)
{
    if (m_model->IndexList(id).find_first_not_of(", ") == std::string::npos)
        return;
    m_deferred.insert(id);
    TVITEMA item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = catalog;
    item.cChildren = 1;
    m_tree.Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void CCatalogTreeView::OnItemExpanding(const NMTREEVIEWA& info)
{
    if (info.action != TVE_EXPAND || m_items == nullptr)
        return;
    CatalogId id = CatalogOf(info.itemNew.hItem);
    if (id == CatalogTree::kNone || m_deferred.count(id) == 0)
        return;
    m_deferred.erase(id);
    InsertItemNodes(id, info.itemNew.hItem, *m_items);
}

void CCatalogTreeView::ShowAllItems(const ItemList& items)
{
    m_model->Walk(CatalogTree::kRoot, [this, &items](CatalogId id) { ShowItems(id, items); });
}

CatalogId CCatalogTreeView::CatalogOf(HTREEITEM node) const
{
    auto found = m_catalogOf.find(node);
    return found != m_catalogOf.end() ? found->second : CatalogTree::kNone;
}

HTREEITEM CCatalogTreeView::NodeOf(CatalogId id) const
{
    return id < m_nodeOf.size() ? m_nodeOf[id] : nullptr;
}

bool CCatalogTreeView::ItemOf(HTREEITEM node, size_t& index) const
{
    auto found = m_itemOf.find(node);
    if (found == m_itemOf.end())
        return false;
    index = found->second;
    return true;
}

CatalogId CCatalogTreeView::SelectedCatalog() const
{
    return CatalogOf(m_tree.Selection());
}

std::string CCatalogTreeView::DataOf(HTREEITEM node) const
{
    size_t index = 0;
    if (ItemOf(node, index))
        return ItemNodeData(index);
    const CatalogId id = CatalogOf(node);
    return id != CatalogTree::kNone && m_model->IsLive(id) ? m_model->Data(id) : std::string();
}

void CCatalogTreeView::OnItemExpanded(const NMTREEVIEWA& info) const
{
    HTREEITEM node = info.itemNew.hItem;
    if (node == nullptr || IsItemNode(node))
        return;
    if (info.action == TVE_EXPAND)
        m_tree.SetItemImage(node, 1, 1);
    else if (info.action == TVE_COLLAPSE)
        m_tree.SetItemImage(node, 0, 0);
}
