#pragma once
// All items of the program in one array. A position (IndexInAll) never changes once given:
// items are appended, changed in place or turned into tombstones, never removed or moved.
#include "data/ShortcutItem.h"

#include <cstddef>
#include <vector>

class ItemList {
public:
    size_t Count() const { return m_items.size(); }
    const ShortcutItem& At(size_t index) const { return m_items[index]; }
    ShortcutItem& At(size_t index) { return m_items[index]; }
    // Returns the new item's IndexInAll (the former count).
    size_t Append(ShortcutItem item);
    // Empties every field but State ("-1"); the guid stays when the item goes with its
    // catalog, so an exchange file can still tell it.
    void Tombstone(size_t index, bool keepGuid);
    void Clear();
    void Reserve(size_t count) { m_items.reserve(count); }

private:
    std::vector<ShortcutItem> m_items;
};
