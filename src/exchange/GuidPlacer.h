#pragma once
// Places a record in an item list by its guid: the first record with the same guid is
// replaced in place, otherwise the record is appended. A record without a guid is always
// appended.
#include "data/ItemList.h"

#include <string>
#include <unordered_map>

class GuidPlacer {
public:
    explicit GuidPlacer(ItemList& items);
    // The record's position.
    size_t Place(ShortcutItem record);

private:
    ItemList& m_items;
    std::unordered_map<std::string, size_t> m_positions;
};
