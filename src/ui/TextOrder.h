#pragma once
// The order of a list's rows by one of their texts (BytesBefore, stable), worked out once for
// every row the list may show. Any choice of those rows is then put in that order without
// comparing a text again: a catalog of the whole item list is listed sorted in linear time.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TextOrder {
public:
    using KeyOf = std::function<std::string_view(size_t index)>;

    // Orders the indexes 0 .. count-1 by their keys.
    void Build(size_t count, const KeyOf& keyOf);
    size_t Count() const { return m_rank.size(); }
    // The indexes as a stable sort by their keys would order them; false, leaving them as they
    // are, when one of them was not ordered by Build.
    bool Sort(std::vector<size_t>& indexes) const;

private:
    // Indexes in key order, and per index its key's place among the distinct keys.
    std::vector<size_t> m_order;
    std::vector<uint32_t> m_rank;
};
