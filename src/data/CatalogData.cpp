#include "data/CatalogData.h"

const char* const kRootNodeId = "885D48E4-F5A7-4DF9-BB33-5C86DEDDE3AF";
const char* const kItemNodeMarker = "TempItemNode";

std::string NodeIdOf(const std::string& catalogData, const LeadBytes& lead)
{
    // The whole NodeID, whatever its length: a hand-edited or foreign one that is not 36
    // characters long must still name its children's parent.
    return catalogData.substr(0, lead.Find(catalogData, '|'));
}

std::string IndexListOf(const std::string& catalogData, const LeadBytes& lead)
{
    size_t bar = lead.Find(catalogData, '|');
    return bar == std::string::npos ? std::string() : catalogData.substr(bar + 1);
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
        if (index < items.Count() && !items.IsTombstone(index) && !items.FieldText(index, ShortcutItem::kName).empty())
            shown.push_back(index);
    }
    return shown;
}
