#include "config/SnapshotSwaps.h"

#include <algorithm>
#include <cstdio>

namespace {
void RemoveFile(const std::string& path)
{
    if (!path.empty())
        std::remove(path.c_str());
}

// A composed item names its snapshots among its commands, so the whole command is searched.
bool NamedByAnItem(const ItemList& items, const std::string& path)
{
    for (size_t index = 0; index < items.Count(); ++index) {
        const ShortcutItem& item = items.At(index);
        if (!item.IsTombstone() && item.ExePath.find(path) != std::string::npos)
            return true;
    }
    return false;
}
} // namespace

void SnapshotSwaps::Adopt(const std::string& old, const std::string& fresh)
{
    if (old != fresh)
        m_swaps.push_back({old, fresh});
}

void SnapshotSwaps::Discard(const std::string& fresh)
{
    auto swap = std::find_if(m_swaps.begin(), m_swaps.end(), [&](const Swap& s) { return s.fresh == fresh; });
    if (swap == m_swaps.end())
        return;
    RemoveFile(swap->fresh);
    m_swaps.erase(swap);
}

void SnapshotSwaps::Commit(const ItemList& items)
{
    for (const Swap& swap : m_swaps) {
        if (!NamedByAnItem(items, swap.old))
            RemoveFile(swap.old);
    }
    m_swaps.clear();
}

void SnapshotSwaps::Abandon()
{
    for (const Swap& swap : m_swaps)
        RemoveFile(swap.fresh);
    m_swaps.clear();
}
