#include "data/CatalogTree.h"

#include "data/CatalogData.h"
#include "data/CatalogsReader.h"
#include "data/FileAccess.h"
#include "data/LeadBytes.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace {
size_t NodeIdLength(const std::string& data)
{
    size_t bar = LeadBytes::OfSystem().Find(data, '|');
    return bar == std::string::npos ? data.size() : bar;
}

// How many records a catalogs file holds, read once without keeping any of them.
size_t CountRecords(std::FILE* file)
{
    CatalogsReader reader(file, LeadBytes::OfSystem());
    CatalogRecord record;
    size_t count = 0;
    while (reader.Next(record))
        ++count;
    return count;
}

size_t HashOf(const char* text, size_t length)
{
    uint64_t hash = 14695981039346656037ull;
    for (size_t i = 0; i < length; ++i)
        hash = (hash ^ static_cast<unsigned char>(text[i])) * 1099511628211ull;
    return static_cast<size_t>(hash ^ (hash >> 29));
}
} // namespace

CatalogTree::CatalogTree()
{
    Clear();
}

void CatalogTree::Clear()
{
    m_nodes.clear();
    Node root;
    root.data = kRootNodeId;
    m_nodes.push_back(std::move(root));
    m_liveCount = 0;
    RebuildIndex();
}

std::string CatalogTree::NodeId(CatalogId id) const
{
    const std::string& data = m_nodes[id].data;
    return data.substr(0, NodeIdLength(data));
}

bool CatalogTree::HasIndexList(CatalogId id) const
{
    return NodeIdLength(m_nodes[id].data) != m_nodes[id].data.size();
}

std::string CatalogTree::IndexList(CatalogId id) const
{
    return IndexListOf(m_nodes[id].data);
}

std::vector<size_t> CatalogTree::Members(CatalogId id, const ItemList& items) const
{
    if (id == kRoot || !HasIndexList(id))
        return {};
    return ParseIndexList(IndexList(id), items);
}

size_t CatalogTree::SlotOf(const char* nodeId, size_t length) const
{
    size_t mask = m_slots.size() - 1;
    size_t slot = HashOf(nodeId, length) & mask;
    while (m_slots[slot] != kNone) {
        const std::string& data = m_nodes[m_slots[slot]].data;
        if (NodeIdLength(data) == length && std::memcmp(data.data(), nodeId, length) == 0)
            return slot;
        slot = (slot + 1) & mask;
    }
    return slot;
}

void CatalogTree::Index(CatalogId id)
{
    if ((m_indexed + 1) * 2 > m_slots.size())
        RebuildIndex();
    else
        Enter(id);
}

void CatalogTree::Enter(CatalogId id)
{
    const std::string& data = m_nodes[id].data;
    size_t length = NodeIdLength(data);
    if (length == 0)
        return; // a record without a NodeID: nothing can name it as a parent
    size_t slot = SlotOf(data.data(), length);
    if (m_slots[slot] != kNone)
        return; // an earlier catalog has this NodeID: it keeps it
    m_slots[slot] = id;
    ++m_indexed;
}

void CatalogTree::RebuildIndex()
{
    size_t size = 16;
    while (size < (m_liveCount + 1) * 4)
        size *= 2;
    m_slots.assign(size, kNone);
    m_indexed = 0;
    for (CatalogId id = 0; id < m_nodes.size(); ++id) {
        if (!m_nodes[id].removed)
            Enter(id);
    }
}

CatalogId CatalogTree::Find(const std::string& nodeId) const
{
    return m_slots[SlotOf(nodeId.data(), nodeId.size())];
}

bool CatalogTree::IsWithin(CatalogId id, CatalogId ancestor) const
{
    for (CatalogId at = id; at != kNone; at = m_nodes[at].parent) {
        if (at == ancestor)
            return true;
    }
    return false;
}

void CatalogTree::Walk(CatalogId from, const std::function<void(CatalogId)>& visit) const
{
    WalkBranches(from, [&visit](CatalogId id) {
        visit(id);
        return true;
    });
}

void CatalogTree::WalkBranches(CatalogId from, const std::function<bool(CatalogId)>& visit) const
{
    // An explicit walk instead of recursion: a file may nest catalogs very deeply.
    CatalogId at = m_nodes[from].firstChild;
    while (at != kNone) {
        if (visit(at) && m_nodes[at].firstChild != kNone) {
            at = m_nodes[at].firstChild;
            continue;
        }
        while (at != from && m_nodes[at].next == kNone)
            at = m_nodes[at].parent;
        at = at == from ? kNone : m_nodes[at].next;
    }
}

void CatalogTree::Link(CatalogId id, CatalogId parent)
{
    Node& node = m_nodes[id];
    Node& above = m_nodes[parent];
    node.parent = parent;
    node.prev = above.lastChild;
    node.next = kNone;
    if (above.lastChild != kNone)
        m_nodes[above.lastChild].next = id;
    else
        above.firstChild = id;
    above.lastChild = id;
}

void CatalogTree::Unlink(CatalogId id)
{
    Node& node = m_nodes[id];
    Node& above = m_nodes[node.parent];
    if (node.prev != kNone)
        m_nodes[node.prev].next = node.next;
    else
        above.firstChild = node.next;
    if (node.next != kNone)
        m_nodes[node.next].prev = node.prev;
    else
        above.lastChild = node.prev;
    node.parent = node.prev = node.next = kNone;
}

CatalogId CatalogTree::Add(CatalogId parent, std::string name, std::string data)
{
    if (!IsLive(parent))
        return kNone;
    CatalogId id = static_cast<CatalogId>(m_nodes.size());
    Node node;
    node.name = std::move(name);
    node.data = std::move(data);
    m_nodes.push_back(std::move(node));
    Link(id, parent);
    ++m_liveCount;
    Index(id);
    return id;
}

bool CatalogTree::Rename(CatalogId id, std::string name)
{
    if (id == kRoot || !IsLive(id))
        return false;
    m_nodes[id].name = std::move(name);
    return true;
}

void CatalogTree::SetMembers(CatalogId id, const std::vector<size_t>& indexes)
{
    std::string data = NodeId(id);
    if (!indexes.empty()) {
        data += '|';
        for (size_t k = 0; k < indexes.size(); ++k) {
            if (k > 0)
                data += ',';
            data += std::to_string(indexes[k]);
        }
    }
    m_nodes[id].data = std::move(data);
}

void CatalogTree::AddMember(CatalogId id, size_t index)
{
    std::string& data = m_nodes[id].data;
    data += NodeIdLength(data) == data.size() ? '|' : ',';
    data += std::to_string(index);
}

bool CatalogTree::Remove(CatalogId id)
{
    if (id == kRoot || !IsLive(id))
        return false;
    std::vector<CatalogId> branch{id};
    Walk(id, [&branch](CatalogId below) { branch.push_back(below); });
    Unlink(id);
    for (CatalogId gone : branch) {
        Node& node = m_nodes[gone];
        node.removed = true;
        node.firstChild = node.lastChild = node.prev = node.next = kNone;
        std::string().swap(node.name);
        std::string().swap(node.data);
    }
    m_liveCount -= branch.size();
    RebuildIndex();
    return true;
}

bool CatalogTree::Move(CatalogId id, CatalogId parent)
{
    if (id == kRoot || !IsLive(id) || !IsLive(parent) || IsWithin(parent, id))
        return false;
    Unlink(id);
    Link(id, parent);
    return true;
}

CatalogId CatalogTree::CopyBranch(const CatalogTree& source, CatalogId from, CatalogId parent,
                                  const std::function<std::string(const std::string&)>& newNodeId)
{
    auto copyOne = [&](CatalogId node, CatalogId under) {
        std::string data = newNodeId(source.NodeId(node));
        if (source.HasIndexList(node))
            data += "|" + source.IndexList(node);
        return Add(under, source.Name(node), std::move(data));
    };
    // The branch is listed before anything is added, so a copy into its own branch ends.
    std::vector<CatalogId> branch;
    source.Walk(from, [&branch](CatalogId node) { branch.push_back(node); });
    CatalogId top = copyOne(from, parent);
    if (top == kNone)
        return kNone;
    std::unordered_map<CatalogId, CatalogId> copyOf{{from, top}};
    for (CatalogId node : branch)
        copyOf[node] = copyOne(node, copyOf[source.Parent(node)]);
    return top;
}

void CatalogTree::Reserve(size_t catalogs)
{
    m_nodes.reserve(m_nodes.size() + catalogs);
    size_t size = m_slots.size();
    while (size < (m_liveCount + catalogs + 1) * 4)
        size *= 2;
    if (size != m_slots.size()) {
        m_slots.clear();
        m_slots.shrink_to_fit();
        m_slots.assign(size, kNone);
        m_indexed = 0;
        for (CatalogId id = 0; id < m_nodes.size(); ++id) {
            if (!m_nodes[id].removed)
                Enter(id);
        }
    }
}

CatalogId CatalogTree::AddRecord(const CatalogRecord& record, RecordPlacement& placement)
{
    CatalogId parent = kNone;
    if (placement.previousParent != kNone && SameParentText(record.parentId, placement.previousText)) {
        parent = placement.previousParent;
    } else {
        parent = Find(record.parentId);
        if (parent == kNone)
            return kNone;
        placement.previousText = record.parentId;
        placement.previousParent = parent;
    }
    return Add(parent, record.name, record.CatalogData());
}

void CatalogTree::AddRecords(const std::vector<CatalogRecord>& records)
{
    RecordPlacement placement;
    for (const CatalogRecord& record : records)
        AddRecord(record, placement);
}

CatalogTree CatalogTree::FromRecords(const std::vector<CatalogRecord>& records)
{
    CatalogTree tree;
    tree.AddRecords(records);
    return tree;
}

std::string CatalogTree::Format(const LeadBytes& lead) const
{
    std::string text;
    WalkBranches(kRoot, [this, &text, &lead](CatalogId id) {
        const Node& node = m_nodes[id];
        // A stray item-node record is no catalog: it and what hangs below it are not written.
        if (IsItemNodeData(node.data))
            return false;
        AppendCatalogRecord(text, NodeIdOf(m_nodes[node.parent].data, lead), node.name, node.data, lead);
        return true;
    });
    // Only the separator after the last record goes: a "\" before it may end a double-byte name.
    if (!text.empty())
        text.pop_back();
    return text;
}

bool LoadCatalogTree(const std::string& path, CatalogTree& tree, CatalogParse* parse)
{
    tree.Clear();
    if (parse != nullptr)
        *parse = CatalogParse();
    int64_t size = 0;
    std::FILE* file = OpenDataFile(path, size);
    if (file == nullptr)
        return false;
    // Streamed twice, the first time only to count: the tree takes its final size at once
    // and neither the text nor a list of records is held beside it.
    tree.Reserve(CountRecords(file));
    std::rewind(file);
    CatalogsReader reader(file, LeadBytes::OfSystem());
    CatalogTree::RecordPlacement placement;
    CatalogRecord record;
    while (reader.Next(record)) {
        tree.AddRecord(record, placement);
        if (parse != nullptr)
            parse->records.push_back(record);
    }
    const bool readable = std::ferror(file) == 0;
    std::fclose(file);
    if (parse != nullptr)
        parse->problems = reader.Problems();
    return readable;
}

bool SaveCatalogTree(const std::string& path, const CatalogTree& tree)
{
    return SaveCatalogsText(path, tree.Format());
}
