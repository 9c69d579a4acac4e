#pragma once
// Data-file bytes written by hand, the way the layouts describe them, and the catalog
// identifiers the data tests share.
#include "data/CatalogData.h"
#include "data/CatalogTree.h"
#include "data/CatalogsFile.h"
#include "data/ItemList.h"

#include <cstdio>
#include <string>
#include <vector>

inline std::string Slot(const std::string& field)
{
    char length[8];
    std::snprintf(length, sizeof(length), "%04u", static_cast<unsigned>(field.size()));
    return length + field;
}

inline std::string Header(const char* count16, char flag = '\0')
{
    return std::string(1, flag) + std::string(99, '\0') + count16;
}

// A clipboard snapshot record's header: format and data size as digits, each in a slot of
// eight bytes filled up with zeros.
inline std::string SnapshotHeader(std::string format, std::string size)
{
    format.resize(8, '\0');
    size.resize(8, '\0');
    return format + size;
}

inline const std::string kRoot = kRootNodeId;
inline const std::string kA = "AAAAAAAA-0000-0000-0000-000000000001";
inline const std::string kB = "BBBBBBBB-0000-0000-0000-000000000002";
inline const std::string kC = "CCCCCCCC-0000-0000-0000-000000000003";
inline const std::string kD = "DDDDDDDD-0000-0000-0000-000000000004";

// Live items named "item0", "item1" ...
inline ItemList Items(size_t count)
{
    ItemList items;
    for (size_t k = 0; k < count; ++k)
        items.Append(ShortcutItem{"item" + std::to_string(k), "", "", "", "", "", "0", "", ""});
    return items;
}

// The catalog tree a catalogs file's text describes.
inline CatalogTree Place(const std::string& text, const LeadBytes& lead = LeadBytes::OfSystem())
{
    return CatalogTree::FromRecords(ParseCatalogs(text, lead).records);
}

// The catalogs' names in walk order.
inline std::vector<std::string> Names(const CatalogTree& tree)
{
    std::vector<std::string> names;
    tree.Walk(CatalogTree::kRoot, [&](CatalogId id) { names.push_back(tree.Name(id)); });
    return names;
}
