#include "data/CatalogTreeView.h"

#include "data/FileAccess.h"
#include "data/CatalogData.h"
#include "data/ItemKind.h"
#include "ui/SkinTreeCtrl.h"

#include <cstring>

void CCatalogTreeView::Attach(HWND tree, CSkinTreeCtrl* skin)
{
    m_tree.Attach(tree);
    m_skin = skin;
    m_root = m_tree.Root();
}

LPARAM CCatalogTreeView::OwnText(const std::string& data)
{
    auto text = std::make_unique<char[]>(data.size() + 1);
    std::memcpy(text.get(), data.c_str(), data.size() + 1);
    auto key = reinterpret_cast<LPARAM>(text.get());
    m_texts[key] = std::move(text);
    return key;
}

HTREEITEM CCatalogTreeView::Insert(const std::string& text, HTREEITEM parent, const std::string& data, int image)
{
    if (m_skin != nullptr)
        return m_skin->InsertNode(text.c_str(), parent, data, image, image);
    LPARAM owned = OwnText(data);
    HTREEITEM node = m_tree.InsertItem(text.c_str(), parent, TVI_LAST, image, image, owned);
    if (node == nullptr)
        m_texts.erase(owned);
    return node;
}

HTREEITEM CCatalogTreeView::ResetRoot(const std::string& title)
{
    m_tree.DeleteAllItems();
    m_texts.clear();
    m_root = Insert(title, TVI_ROOT, kRootNodeId, 0);
    m_tables.ids.assign(1, kRootNodeId);
    m_tables.nodes.assign(1, m_root);
    return m_root;
}

void CCatalogTreeView::LoadCatalogs(const std::string& path, const ItemList* items, bool withItems)
{
    std::string text;
    ReadWholeFile(path, text);
    LoadRecords(ParseCatalogs(text).records, items, withItems);
}

void CCatalogTreeView::LoadRecords(const std::vector<CatalogRecord>& records, const ItemList* items, bool withItems)
{
    std::vector<std::string> ids = m_tables.ids;
    std::vector<CatalogLink> links = LinkCatalogs(records, ids);
    m_tables.nodes.resize(m_tables.ids.size());
    m_tables.ids = std::move(ids);
    m_tables.nodes.resize(m_tables.ids.size(), nullptr);
    for (size_t r = 0; r < records.size(); ++r) {
        const CatalogRecord& record = records[r];
        if (links[r].parentSlot < 0)
            continue;
        HTREEITEM parent = m_tables.nodes[static_cast<size_t>(links[r].parentSlot)];
        HTREEITEM node = Insert(record.name, parent, record.CatalogData(), 0);
        if (links[r].ownSlot >= 0)
            m_tables.nodes[static_cast<size_t>(links[r].ownSlot)] = node;
        if (withItems && items != nullptr && record.fieldCount >= 4)
            ShowItems(node, record.indexList, *items);
    }
}

HTREEITEM CCatalogTreeView::InsertCatalog(HTREEITEM parent, const std::string& name, const std::string& data)
{
    return Insert(name, parent, data, 0);
}

void CCatalogTreeView::ShowItems(HTREEITEM catalog, const std::string& indexList, const ItemList& items)
{
    HTREEITEM child = m_tree.Child(catalog);
    while (child != nullptr) {
        HTREEITEM next = m_tree.NextSibling(child);
        if (IsItemNode(child)) {
            LPARAM data = m_tree.ItemData(child);
            m_tree.DeleteItem(child);
            m_texts.erase(data);
        }
        child = next;
    }
    for (size_t index : ParseIndexList(indexList, items)) {
        const ShortcutItem& item = items.At(index);
        Insert(item.Name, catalog, ItemNodeData(index), ItemImageOf(item.ExePath));
    }
}

HTREEITEM CCatalogTreeView::FindCatalog(const std::string& nodeId) const
{
    for (size_t k = 0; k < m_tables.ids.size() && k < m_tables.nodes.size(); ++k) {
        if (m_tables.ids[k] == nodeId)
            return m_tables.nodes[k];
    }
    return nullptr;
}

std::string CCatalogTreeView::DataOf(HTREEITEM node) const
{
    if (node == nullptr)
        return {};
    LPARAM data = m_tree.ItemData(node);
    return data != 0 ? reinterpret_cast<const char*>(data) : "";
}

void CCatalogTreeView::SetData(HTREEITEM node, const std::string& data)
{
    if (m_skin != nullptr) {
        m_skin->SetNodeData(node, data);
        return;
    }
    LPARAM old = m_tree.ItemData(node);
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    item.lParam = OwnText(data);
    if (m_tree.Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0)
        m_texts.erase(old);
    else
        m_texts.erase(item.lParam);
}

bool CCatalogTreeView::IsItemNode(HTREEITEM node) const
{
    return IsItemNodeData(DataOf(node));
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

CatalogTree CCatalogTreeView::ToModel(HTREEITEM root) const
{
    // Walked with an explicit stack; parents are added before their children.
    CatalogTree model;
    struct Visit {
        HTREEITEM node;
        long parent;
    };
    std::vector<Visit> stack;
    std::vector<HTREEITEM> children;
    auto pushChildren = [&](HTREEITEM node, long parent) {
        children.clear();
        for (HTREEITEM child = m_tree.Child(node); child != nullptr; child = m_tree.NextSibling(child))
            children.push_back(child);
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.push_back({*it, parent});
    };
    if (root != nullptr)
        pushChildren(root, CatalogTree::kRoot);
    while (!stack.empty()) {
        Visit visit = stack.back();
        stack.pop_back();
        std::string data = DataOf(visit.node);
        if (IsItemNodeData(data))
            continue;
        long added = model.Add(visit.parent, m_tree.ItemText(visit.node), std::move(data));
        pushChildren(visit.node, added);
    }
    return model;
}

bool CCatalogTreeView::SaveCatalogs(HTREEITEM root, const std::string& path) const
{
    return SaveCatalogsText(path, ToModel(root).Format());
}
