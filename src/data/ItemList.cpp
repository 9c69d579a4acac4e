#include "data/ItemList.h"

#include <utility>

size_t ItemList::Append(ShortcutItem item)
{
    m_items.push_back(std::move(item));
    return m_items.size() - 1;
}

void ItemList::Tombstone(size_t index, bool keepGuid)
{
    ShortcutItem& item = m_items.at(index);
    std::string guid = keepGuid ? std::move(item.guid) : std::string();
    item = ShortcutItem();
    item.State = "-1";
    item.guid = std::move(guid);
}

void ItemList::Clear()
{
    // Give the memory back too: a reload may be much smaller.
    std::vector<ShortcutItem>().swap(m_items);
}
