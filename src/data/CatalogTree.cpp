#include "data/CatalogTree.h"

#include "data/CatalogData.h"
#include "data/FileAccess.h"

#include <utility>

long CatalogTree::Add(long parent, std::string name, std::string data)
{
    m_nodes.push_back({parent, std::move(name), std::move(data)});
    return static_cast<long>(m_nodes.size()) - 1;
}

CatalogTree CatalogTree::FromRecords(const std::vector<CatalogRecord>& records)
{
    std::vector<std::string> ids{kRootNodeId};
    std::vector<CatalogLink> links = LinkCatalogs(records, ids);
    std::vector<long> nodeOfSlot(ids.size(), kRoot);
    CatalogTree tree;
    for (size_t r = 0; r < records.size(); ++r) {
        if (links[r].parentSlot < 0)
            continue;
        long node = tree.Add(nodeOfSlot[links[r].parentSlot], records[r].name, records[r].CatalogData());
        if (links[r].ownSlot >= 0)
            nodeOfSlot[links[r].ownSlot] = node;
    }
    return tree;
}

std::string CatalogTree::Format() const
{
    // Children in insertion order, walked with an explicit stack: a file may nest deeply.
    std::vector<std::vector<long>> children(m_nodes.size() + 1);
    for (size_t n = 0; n < m_nodes.size(); ++n)
        children[static_cast<size_t>(m_nodes[n].parent + 1)].push_back(static_cast<long>(n));
    std::string text;
    struct Visit {
        long node;
        std::string parentId;
    };
    std::vector<Visit> stack;
    for (auto it = children[0].rbegin(); it != children[0].rend(); ++it)
        stack.push_back({*it, kRootNodeId});
    while (!stack.empty()) {
        Visit visit = std::move(stack.back());
        stack.pop_back();
        const Node& node = m_nodes[static_cast<size_t>(visit.node)];
        if (IsItemNodeData(node.data))
            continue;
        text += visit.parentId + "|" + node.name + "|" + node.data + "\\";
        const std::vector<long>& below = children[static_cast<size_t>(visit.node + 1)];
        for (auto it = below.rbegin(); it != below.rend(); ++it)
            stack.push_back({*it, NodeIdOf(node.data)});
    }
    while (!text.empty() && text.back() == '\\')
        text.pop_back();
    return text;
}

bool LoadCatalogTree(const std::string& path, CatalogTree& tree, CatalogParse* parse)
{
    std::string text;
    bool readable = ReadWholeFile(path, text);
    CatalogParse parsed = ParseCatalogs(text);
    tree = CatalogTree::FromRecords(parsed.records);
    if (parse != nullptr)
        *parse = std::move(parsed);
    return readable;
}
