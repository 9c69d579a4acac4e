#include "data/CatalogData.h"

#include <algorithm>

const char* const kRootNodeId = "885D48E4-F5A7-4DF9-BB33-5C86DEDDE3AF";
const char* const kItemNodeMarker = "TempItemNode";

std::string NodeIdOf(const std::string& catalogData)
{
    // A well-formed NodeID is 36 characters. A shorter, hand-edited one must not drag the "|"
    // and index list after it into a child's parent field, which would shift that record.
    return catalogData.substr(0, std::min(kNodeIdLength, catalogData.find('|')));
}

std::string IndexListOf(const std::string& catalogData)
{
    size_t bar = catalogData.find('|');
    return bar == std::string::npos ? std::string() : catalogData.substr(bar + 1);
}

std::string AddIndex(const std::string& catalogData, size_t index)
{
    const char* separator = catalogData.find('|') == std::string::npos ? "|" : ",";
    return catalogData + separator + std::to_string(index);
}

bool IsItemNodeData(const std::string& data)
{
    return data.find(kItemNodeMarker) != std::string::npos;
}

std::string ItemNodeData(size_t index)
{
    return kItemNodeMarker + std::to_string(index);
}

std::vector<long> ReadIndexList(const std::string& indexList)
{
    std::vector<long> numbers;
    size_t start = 0;
    while (start <= indexList.size()) {
        size_t comma = indexList.find(',', start);
        if (comma == std::string::npos)
            comma = indexList.size();
        if (comma > start) {
            long number = LeadingNumber(indexList.substr(start, comma - start));
            if (number >= 0)
                numbers.push_back(number);
        }
        start = comma + 1;
    }
    return numbers;
}

std::vector<size_t> ParseIndexList(const std::string& indexList, const ItemList& items)
{
    std::vector<size_t> shown;
    for (long number : ReadIndexList(indexList)) {
        size_t index = static_cast<size_t>(number);
        if (index < items.Count() && !items.At(index).IsTombstone() && !items.At(index).Name.empty())
            shown.push_back(index);
    }
    return shown;
}
