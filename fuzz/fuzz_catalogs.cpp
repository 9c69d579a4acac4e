// Feeds arbitrary text to the catalogs reader, in memory and streamed through a small buffer,
// and checks a save-then-load round trip: what loaded once must load again from its own saved
// text as the same catalogs, with the same names, members and parents.
#include "data/CatalogData.h"
#include "data/CatalogTree.h"
#include "data/CatalogsFile.h"
#include "data/CatalogsReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {
using Catalog = std::tuple<std::string, std::string, std::string>; // parent NodeID, name, CatalogData

std::vector<Catalog> Catalogs(const CatalogTree& tree)
{
    std::vector<Catalog> catalogs;
    tree.Walk(CatalogTree::kRoot,
              [&](CatalogId id) { catalogs.emplace_back(tree.NodeId(tree.Parent(id)), tree.Name(id), tree.Data(id)); });
    // Catalogs sharing a NodeID may trade children on the way; each must still be there once.
    std::sort(catalogs.begin(), catalogs.end());
    return catalogs;
}

bool SameRecords(const std::vector<CatalogRecord>& a, const std::vector<CatalogRecord>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].offset != b[i].offset || a[i].fieldCount != b[i].fieldCount || a[i].parentId != b[i].parentId ||
            a[i].name != b[i].name || a[i].CatalogData() != b[i].CatalogData())
            return false;
    }
    return true;
}

// The same text streamed from a file through a buffer of a few bytes.
std::vector<CatalogRecord> Streamed(const std::string& text, size_t chunk)
{
    std::vector<CatalogRecord> records;
    std::FILE* file = std::tmpfile();
    if (file == nullptr)
        return records;
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    CatalogsReader reader(file, LeadBytes::OfSystem(), chunk);
    CatalogRecord record;
    while (reader.Next(record))
        records.push_back(record);
    std::fclose(file);
    return records;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Item nodes exist only in the windows' trees and are never saved; a file naming one as a
    // catalog's data is outside what a save can keep.
    if (text.find(kItemNodeMarker) != std::string::npos)
        return 0;
    CatalogParse parse = ParseCatalogs(text);
    if (!SameRecords(parse.records, Streamed(text, 1 + size % 7)))
        std::abort();
    std::vector<std::string> ids{kRootNodeId};
    CheckCatalogs(parse, LinkCatalogs(parse.records, ids), 10);

    const CatalogTree loaded = CatalogTree::FromRecords(parse.records);
    const std::string saved = loaded.Format();
    const CatalogTree again = CatalogTree::FromRecords(ParseCatalogs(saved).records);
    if (Catalogs(again) != Catalogs(loaded))
        std::abort();
    return 0;
}
