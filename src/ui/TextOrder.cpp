#include "ui/TextOrder.h"

#include "ui/RowStore.h"

#include <algorithm>
#include <numeric>

void TextOrder::Build(size_t count, const KeyOf& keyOf)
{
    std::vector<std::string_view> keys(count);
    for (size_t index = 0; index < count; ++index)
        keys[index] = keyOf(index);
    m_order.resize(count);
    std::iota(m_order.begin(), m_order.end(), size_t{0});
    std::stable_sort(m_order.begin(), m_order.end(),
                     [&keys](size_t a, size_t b) { return BytesBefore(keys[a], keys[b]); });
    // Equal keys share a rank, so ordering by rank keeps their given order as the text sort does.
    m_rank.assign(count, 0);
    uint32_t rank = 0;
    for (size_t place = 0; place < count; ++place) {
        if (place > 0 && BytesBefore(keys[m_order[place - 1]], keys[m_order[place]]))
            ++rank;
        m_rank[m_order[place]] = rank;
    }
}

bool TextOrder::Sort(std::vector<size_t>& indexes) const
{
    if (std::any_of(indexes.begin(), indexes.end(), [this](size_t index) { return index >= m_rank.size(); }))
        return false;
    // Ascending indexes without repeats (the root, most catalogs): equal keys then stay in index
    // order, which is the order of the whole list, so picking them from it is the sorted result.
    if (std::adjacent_find(indexes.begin(), indexes.end(), std::greater_equal<size_t>()) == indexes.end()) {
        std::vector<char> chosen(m_rank.size(), 0);
        for (size_t index : indexes)
            chosen[index] = 1;
        size_t next = 0;
        for (size_t index : m_order) {
            if (chosen[index])
                indexes[next++] = index;
        }
        return true;
    }
    std::stable_sort(indexes.begin(), indexes.end(), [this](size_t a, size_t b) { return m_rank[a] < m_rank[b]; });
    return true;
}
