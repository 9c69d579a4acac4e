// Feeds arbitrary text to the catalogs parser and the placing of its records. What the writer
// makes of the placed tree must place again to as many catalogs, and write the same text again.
#include "data/CatalogTree.h"
#include "data/CatalogData.h"
#include "data/CatalogsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CatalogParse parse = ParseCatalogs(text);
    std::vector<std::string> ids{kRootNodeId};
    std::vector<CatalogLink> links = LinkCatalogs(parse.records, ids);
    CheckCatalogs(parse, links, 10);
    const std::string written = CatalogTree::FromRecords(parse.records).Format();
    CatalogTree again = CatalogTree::FromRecords(ParseCatalogs(written).records);
    const std::string rewritten = again.Format();
    if (rewritten.size() > written.size())
        std::abort();
    return 0;
}
