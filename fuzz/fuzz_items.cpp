// Feeds arbitrary bytes to the items loader. Whatever it reads must write back to exactly the
// bytes of those records, and read again to the same items.
#include "data/ItemsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    ItemList items;
    ItemsLoadReport report;
    DecodeItems(bytes, size, items, &report);
    if (items.Count() == 0)
        return 0;
    std::string records;
    for (size_t i = 0; i < items.Count(); ++i)
        AppendItemRecord(records, items.At(i));
    // The records of the input, after its header, are exactly what was read.
    if (records.compare(0, records.size(), bytes + kItemsHeaderSize, records.size()) != 0)
        std::abort();
    const std::string rewritten = EncodeItemsFile(items);
    ItemList again;
    ItemsLoadReport againReport;
    DecodeItems(rewritten.data(), rewritten.size(), again, &againReport);
    if (!againReport.problems.empty() || again.Count() != items.Count())
        std::abort();
    for (size_t i = 0; i < items.Count(); ++i) {
        if (again.At(i) != items.At(i))
            std::abort();
    }
    return 0;
}
