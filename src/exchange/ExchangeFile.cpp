#include "exchange/ExchangeFile.h"

#include "data/ItemsFile.h"
#include "exchange/ExchangeFolders.h"
#include "exchange/ZipArchive.h"

#include <windows.h>

bool StageExport(const std::string& exchangePath, const CatalogTree& catalogs, const ItemList& items,
                 const std::string& dataFolder, ExchangeJob& job, std::string& privateFolder)
{
    privateFolder = MakePrivateFolder();
    if (privateFolder.empty())
        return false;
    const std::string title = TitleOfPath(exchangePath);
    job.stagingFolder = privateFolder + "\\" + title;
    job.stagingData = job.stagingFolder + "\\Data";
    job.copyFrom = {dataFolder};
    job.zipPath = privateFolder + "\\" + title + ".zip";
    job.exchangePath = exchangePath;
    job.archive = true;
    if (!CreateFolderPath(job.stagingData))
        return false;
    // With no catalogs the catalogs file is still there, empty, as the loader expects.
    const std::string catalogsFile = job.stagingFolder + "\\" + title + ".clg";
    if (!SaveCatalogTree(catalogsFile, catalogs) ||
        GetFileAttributesA(catalogsFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        HANDLE empty = CreateFileA(catalogsFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (empty != INVALID_HANDLE_VALUE)
            CloseHandle(empty);
    }
    return SaveItems(job.stagingFolder + "\\" + title + ".dat", items);
}

bool LoadExchange(const std::string& exchangePath, const std::string& dataFolder, ItemList& items,
                  CatalogTree& catalogs, std::string& privateFolder, std::string& unpacked)
{
    items.Clear();
    catalogs.Clear();
    const DWORD attributes = GetFileAttributesA(exchangePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    privateFolder = MakePrivateFolder();
    if (privateFolder.empty())
        return false;
    const std::string title = TitleOfPath(exchangePath);
    unpacked = privateFolder + "\\" + title;
    // A damaged archive loads nothing: what it unpacked before the damage may be cut short.
    if (!UnzipAll(exchangePath, privateFolder))
        return false;
    const bool loaded = LoadItems(unpacked + "\\" + title + ".dat", items);
    LoadCatalogTree(unpacked + "\\" + title + ".clg", catalogs);
    const std::string unpackedData = unpacked + "\\Data";
    for (size_t i = 0; i < items.Count(); ++i) {
        std::string& command = items.At(i).ExePath;
        command = RepointSnapshots(command, [&](const std::string& line) {
            const std::string name = FileNameOfPath(line);
            const bool came = GetFileAttributesA((unpackedData + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
            return came ? dataFolder + "\\" + name : std::string();
        });
    }
    return loaded && items.Count() > 0;
}

void StageImport(const std::vector<std::string>& unpacked, const std::string& dataFolder, ExchangeJob& job)
{
    job.stagingFolder.clear();
    job.stagingData = dataFolder;
    job.copyFrom.clear();
    // The latest file first: a snapshot of the same name that came again is its newest copy.
    for (auto folder = unpacked.rbegin(); folder != unpacked.rend(); ++folder)
        job.copyFrom.push_back(*folder + "\\Data");
    job.zipPath.clear();
    job.exchangePath.clear();
    job.archive = false;
}
