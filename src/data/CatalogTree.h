#pragma once
// The catalog tree without a window: nodes in insertion order, each knowing its parent, so
// both the tool and the windows write the catalogs file through one writer.
#include "data/CatalogsFile.h"

#include <string>
#include <vector>

class CatalogTree {
public:
    static constexpr long kRoot = -1;

    struct Node {
        long parent;
        std::string name;
        std::string data;
    };

    long Add(long parent, std::string name, std::string data);
    const std::vector<Node>& Nodes() const { return m_nodes; }
    size_t Count() const { return m_nodes.size(); }

    // Places the parsed records the way the windows load them: under the root, parents
    // first, records with unknown parents left out.
    static CatalogTree FromRecords(const std::vector<CatalogRecord>& records);
    // The catalogs file text: a depth-first walk, item nodes and what is below them left out.
    std::string Format() const;

private:
    std::vector<Node> m_nodes;
};

// Reads and places a catalogs file; false when it cannot be read.
bool LoadCatalogTree(const std::string& path, CatalogTree& tree, CatalogParse* parse = nullptr);
