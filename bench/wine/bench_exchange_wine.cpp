// Export and import of a large exchange file under Wine: 10,000 items in 100 catalogs, 100 of
// them clipboard items with a 100 KB snapshot each. An export stages, copies the snapshots and
// packs; an import unpacks, loads, copies the snapshots and saves the program's data files.
#include "TempFolder.h"
#include "WinBench.h"
#include "data/CatalogsFile.h"
#include "data/ItemsFile.h"
#include "data/NewGuidString.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ExchangeFolders.h"

#include <string>

namespace {
constexpr size_t kItems = 10000;
constexpr size_t kSnapshots = 100;
constexpr size_t kSnapshotBytes = 100 * 1024;
constexpr size_t kCatalogs = 100;

// Clipboard contents are text and pictures: partly repetitive, partly not.
std::string SnapshotBytes(unsigned seed)
{
    std::string bytes(kSnapshotBytes, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(i % 3 == 0 ? (seed >> 16) : 'a' + i % 26);
    }
    return bytes;
}

void MakeInstallation(const std::string& data, ItemList& items, CatalogTree& catalogs)
{
    CreateDirectoryA(data.c_str(), nullptr);
    for (size_t i = 0; i < kItems; ++i) {
        ShortcutItem item;
        item.Name = "Item " + std::to_string(i);
        item.ShortName = "it" + std::to_string(i);
        item.Description = "Sample item number " + std::to_string(i);
        item.guid = NewGuidString();
        if (i % (kItems / kSnapshots) == 0) {
            item.ExePath = data + "\\" + NewGuidString() + ".stx";
            WriteBytes(item.ExePath, SnapshotBytes(static_cast<unsigned>(i)));
        } else {
            item.ExePath = "C:\\Programs\\Tool" + std::to_string(i) + "\\tool.exe";
        }
        items.Append(item);
    }
    for (size_t c = 0; c < kCatalogs; ++c) {
        std::string list;
        for (size_t i = c; i < kItems; i += kCatalogs)
            list += (list.empty() ? "" : ",") + std::to_string(i);
        catalogs.Add(CatalogTree::kRoot, "Catalog " + std::to_string(c), std::string(NewGuidString()) + "|" + list);
    }
}
} // namespace

int main()
{
    TempFolder here;
    TempFolder there;
    ItemList items;
    CatalogTree catalogs;
    MakeInstallation(here.File("Data"), items, catalogs);
    const std::string exchange = here.File("Everything.trn");
    const std::string otherData = there.File("Data");
    CreateDirectoryA(otherData.c_str(), nullptr);

    std::vector<double> exports;
    std::vector<double> imports;
    for (int run = 0; run < 3; ++run) {
        double start = NowMs();
        ExchangeJob job;
        std::string staging;
        StageExport(exchange, catalogs, items, here.File("Data"), job, staging);
        for (size_t i = 0; i < items.Count(); ++i)
            job.dataFiles.Add(items.At(i).ExePath);
        const bool packed = job.Run();
        RemoveFolder(staging);
        exports.push_back(NowMs() - start);
        if (!packed || job.CopiedFiles() != kSnapshots) {
            std::printf("export failed (copied %zu)\n", job.CopiedFiles());
            return 1;
        }

        start = NowMs();
        ItemList loaded;
        CatalogTree loadedCatalogs;
        std::string unpackFolder;
        std::string unpacked;
        LoadExchange(exchange, otherData, loaded, loadedCatalogs, unpackFolder, unpacked);
        StageImport({unpacked}, otherData, job);
        for (size_t i = 0; i < loaded.Count(); ++i)
            job.dataFiles.Add(loaded.At(i).ExePath);
        job.Run();
        SaveCatalogTree(there.File("Shortcut2.clg"), loadedCatalogs);
        SaveItems(there.File("Shortcut2.dat"), loaded);
        RemoveFolder(unpackFolder);
        imports.push_back(NowMs() - start);
        if (loaded.Count() != kItems || job.CopiedFiles() != kSnapshots) {
            std::printf("import failed (%zu items, copied %zu)\n", loaded.Count(), job.CopiedFiles());
            return 1;
        }
    }
    Goal("exchange_export_10k", exports, 5000, "ms");
    Goal("exchange_import_10k", imports, 5000, "ms");
    return 0;
}
