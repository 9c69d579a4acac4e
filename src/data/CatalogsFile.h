#pragma once
// The catalogs file: one text of records separated by "\", each record's fields by "|":
// parent NodeID, display name, own NodeID and, when present, the index list.
#include "data/DataProblem.h"

#include <cstdint>
#include <string>
#include <vector>

struct CatalogRecord {
    int64_t offset = 0;
    size_t fieldCount = 0;
    std::string parentId;
    std::string name;
    std::string nodeId;
    std::string indexList;

    // The node's CatalogData: NodeID and "|" index list with four fields or more, the
    // NodeID alone with three, nothing with fewer.
    std::string CatalogData() const;
};

struct CatalogParse {
    std::vector<CatalogRecord> records;
    std::vector<DataProblem> problems;
};

// Splits the text into records. Empty records are skipped; a record with an empty parent
// field ends the reading (a problem is noted when records follow it).
CatalogParse ParseCatalogs(const std::string& text);

// Where a record hangs: the slot of its parent in the identifier table (-1: dropped, its
// parent is unknown) and the slot its own NodeID took (-1: none, fewer than three fields).
struct CatalogLink {
    long parentSlot = -1;
    long ownSlot = -1;
};

// Resolves parents against the identifier table, which the caller starts with the root's
// NodeID (and any others it already shows), and appends each placed record's NodeID.
std::vector<CatalogLink> LinkCatalogs(const std::vector<CatalogRecord>& records, std::vector<std::string>& ids);

// The flaws a support person wants to see: records without a NodeID, too many fields,
// unknown parents, and (when itemCount >= 0) indexes past the item count.
std::vector<DataProblem> CheckCatalogs(const CatalogParse& parse, const std::vector<CatalogLink>& links,
                                       int64_t itemCount);

// Writes the catalogs text in one step; an empty text leaves no file.
bool SaveCatalogsText(const std::string& path, const std::string& text);
