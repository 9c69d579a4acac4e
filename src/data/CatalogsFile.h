#pragma once
// The catalogs file: one text of records separated by "\", each record's fields by "|":
// parent NodeID, display name, own NodeID and, when present, the index list.
#include "data/CatalogsReader.h"
#include "data/DataProblem.h"
#include "data/LeadBytes.h"

#include <cstdint>
#include <string>
#include <vector>

struct CatalogParse {
    std::vector<CatalogRecord> records;
    std::vector<DataProblem> problems;
};

// Splits the text into records, as characters of the code page of `lead`. Empty records are
// skipped; a record with an empty parent field ends the reading (a problem is noted when
// records follow it).
CatalogParse ParseCatalogs(const std::string& text, const LeadBytes& lead = LeadBytes::OfSystem());

// A name the file can hold: no "|" or "" character in it, and no character cut short.
bool IsStorableCatalogName(const std::string& name, const LeadBytes& lead = LeadBytes::OfSystem());
// Appends one record: parent NodeID, "|", name, "|", the CatalogData, and a closing "".
// A name the file cannot hold has each separator character replaced by "_" (and a last
// character cut short dropped), so the record still loads as one catalog.
void AppendCatalogRecord(std::string& out, const std::string& parentId, const std::string& name,
                         const std::string& catalogData, const LeadBytes& lead = LeadBytes::OfSystem());

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

// Writes the catalogs text in one step; an empty text leaves no file. False, with the old
// file as it was, when it cannot be written.
bool SaveCatalogsText(const std::string& path, const std::string& text);

// A record naming the same parent as the record before it finds that parent without a lookup;
// the comparison ignores the letter case of ASCII letters, as the files have always been read.
bool SameParentText(const std::string& a, const std::string& b);
