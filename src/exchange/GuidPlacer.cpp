#include "exchange/GuidPlacer.h"

GuidPlacer::GuidPlacer(ItemList& items) : m_items(items)
{
    for (size_t i = items.Count(); i-- > 0;) {
        if (!items.At(i).guid.empty())
            m_positions[items.At(i).guid] = i;
    }
}

size_t GuidPlacer::Place(ShortcutItem record)
{
    if (!record.guid.empty()) {
        auto found = m_positions.find(record.guid);
        if (found != m_positions.end()) {
            m_items.At(found->second) = std::move(record);
            return found->second;
        }
    }
    const std::string guid = record.guid;
    const size_t index = m_items.Append(std::move(record));
    if (!guid.empty())
        m_positions.emplace(guid, index);
    return index;
}
