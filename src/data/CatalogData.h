#pragma once
// The text every catalog node carries: its NodeID, then "|" and its index list when it has one.
// Item nodes shown below catalogs carry "TempItemNode" and the item's position instead.
#include "data/ItemList.h"
#include "data/LeadBytes.h"

#include <cstddef>
#include <string>
#include <vector>

extern const char* const kRootNodeId;
extern const char* const kItemNodeMarker;
// The length of a NodeID this program makes; files from elsewhere may hold other lengths.
constexpr size_t kNodeIdLength = 36;

std::string NodeIdOf(const std::string& catalogData, const LeadBytes& lead = LeadBytes::OfSystem());
std::string IndexListOf(const std::string& catalogData, const LeadBytes& lead = LeadBytes::OfSystem());
bool IsItemNodeData(const std::string& data);
std::string ItemNodeData(size_t index);

// Every number of an index list as written (empty pieces skipped, negative ones dropped),
// before any look at the items.
std::vector<long> ReadIndexList(const std::string& indexList);
// The items a catalog shows, in list order, duplicates kept: positions that exist in
// `items` and name a live item with a name.
std::vector<size_t> ParseIndexList(const std::string& indexList, const ItemList& items);
