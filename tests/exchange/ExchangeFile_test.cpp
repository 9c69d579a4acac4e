// Exchange files on disk: what an export packs, what an import unpacks and loads, and what a
// hostile or foreign archive cannot do.
#include "TempFolder.h"
#include "data/CatalogData.h"
#include "data/ItemsFile.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ExchangeFolders.h"
#include "exchange/ZipArchive.h"

#include <gtest/gtest.h>
#include <minizip/zip.h>

#include <windows.h>

namespace {
const char* const kSnapshot = "0A1B2C3D-0000-4000-8000-00000000ABCD.stx";

ShortcutItem Item(const std::string& name, const std::string& command, const std::string& guid)
{
    ShortcutItem item;
    item.Name = name;
    item.ShortName = name.substr(0, 2);
    item.Description = name + " text";
    item.guid = guid;
    item.ExePath = command;
    return item;
}

void WriteZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& entries,
              int method = Z_DEFLATED)
{
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : entries) {
        zipOpenNewFileInZip(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, method, Z_DEFAULT_COMPRESSION);
        zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
}

std::vector<std::string> Names(const std::vector<ZipEntry>& entries)
{
    std::vector<std::string> names;
    for (const ZipEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}
} // namespace

TEST(ExchangeFile, ExportPacksTheTitledFolderAndImportBringsItBack)
{
    TempFolder here;
    TempFolder there;
    const std::string data = here.File("Data");
    CreateDirectoryA(data.c_str(), nullptr);
    WriteBytes(data + "\\" + kSnapshot, std::string("clip bytes\0\1\2", 13));
    ItemList items;
    items.Append(Item("Notes", "C:\\notes.exe", "GUID-NOTES"));
    items.Append(Item("Clip", data + "\\" + kSnapshot, "GUID-CLIP"));
    items.Append(Item("Both", std::string("a\r\nb^^^C:\\b.exe\r\n") + data + "\\" + kSnapshot, "GUID-BOTH"));
    CatalogTree catalogs;
    const CatalogId tools = catalogs.Add(CatalogTree::kRoot, "Tools", "11111111-1111-4111-8111-111111111111|0,2");
    catalogs.Add(tools, "Clips", "22222222-2222-4222-8222-222222222222|1");

    // An export to Backup.trn packs Backup\ and leaves no staging folder beside the file.
    const std::string exchange = here.File("Backup.trn");
    ExchangeJob job;
    std::string staging;
    ASSERT_TRUE(StageExport(exchange, catalogs, items, data, job, staging));
    for (size_t i = 0; i < items.Count(); ++i)
        job.dataFiles.Add(items.At(i).ExePath);
    ASSERT_TRUE(job.Run());
    RemoveFolder(staging);
    EXPECT_FALSE(FolderExists(staging));
    EXPECT_FALSE(FolderExists(here.File("Backup")));
    EXPECT_FALSE(FileExists(here.File("Backup.zip")));
    EXPECT_EQ(job.CopiedFiles(), 1u);
    const std::vector<ZipEntry> entries = ZipEntries(exchange);
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"Backup/Backup.clg", "Backup/Backup.dat", "Backup/Data/",
                                                        std::string("Backup/Data/") + kSnapshot}));
    for (const ZipEntry& entry : entries)
        EXPECT_EQ(entry.deflated, entry.name.back() != '/') << entry.name;

    // Loading it elsewhere gives the same items and catalogs; the clipboard commands point at
    // the copy the import save puts into that installation's Data folder.
    const std::string otherData = there.File("Data");
    ItemList loaded;
    CatalogTree loadedCatalogs;
    std::string unpackFolder;
    std::string unpacked;
    ASSERT_TRUE(LoadExchange(exchange, otherData, loaded, loadedCatalogs, unpackFolder, unpacked));
    ASSERT_EQ(loaded.Count(), 3u);
    EXPECT_EQ(loaded.At(0), items.At(0));
    EXPECT_EQ(loaded.At(1).ExePath, otherData + "\\" + kSnapshot);
    EXPECT_EQ(loaded.At(2).ExePath, std::string("a\r\nb^^^C:\\b.exe\r\n") + otherData + "\\" + kSnapshot);
    EXPECT_EQ(loadedCatalogs.Format(), catalogs.Format());
    StageImport({unpacked}, otherData, job);
    job.dataFiles.Add(loaded.At(1).ExePath);
    ASSERT_TRUE(job.Run());
    EXPECT_EQ(ReadBytes(otherData + "\\" + kSnapshot), std::string("clip bytes\0\1\2", 13));
    RemoveFolder(unpackFolder);
    EXPECT_FALSE(FolderExists(unpackFolder));

    // Saving again to the same name replaces the file; with nothing moved the Data entry stays.
    ASSERT_TRUE(StageExport(exchange, CatalogTree(), ItemList(), data, job, staging));
    ASSERT_TRUE(job.Run());
    RemoveFolder(staging);
    EXPECT_EQ(Names(ZipEntries(exchange)),
              (std::vector<std::string>{"Backup/Backup.clg", "Backup/Backup.dat", "Backup/Data/"}));

    // Renamed, the archive still holds Backup\ and a load of B.trn finds nothing of its title;
    // the user's file keeps its name throughout.
    const std::string renamed = here.File("B.trn");
    ASSERT_TRUE(MoveFileA(exchange.c_str(), renamed.c_str()));
    EXPECT_FALSE(LoadExchange(renamed, otherData, loaded, loadedCatalogs, unpackFolder, unpacked));
    EXPECT_EQ(loaded.Count(), 0u);
    EXPECT_TRUE(FileExists(renamed));
    EXPECT_FALSE(FileExists(here.File("B.zip")));
    RemoveFolder(unpackFolder);

    // A missing file, or one that is no archive, loads nothing and stays as it was.
    EXPECT_FALSE(LoadExchange(here.File("none.trn"), otherData, loaded, loadedCatalogs, unpackFolder, unpacked));
    WriteBytes(here.File("text.trn"), "no zip here");
    EXPECT_FALSE(LoadExchange(here.File("text.trn"), otherData, loaded, loadedCatalogs, unpackFolder, unpacked));
    RemoveFolder(unpackFolder);
    EXPECT_EQ(ReadBytes(here.File("text.trn")), "no zip here");
    // Nor does a damaged one, not even the bytes it unpacked before its check sum failed.
    ASSERT_TRUE(SaveItems(here.File("x.dat"), items));
    WriteZip(here.File("Dmg.trn"), {{"Dmg/Dmg.dat", ReadBytes(here.File("x.dat"))}}, 0);
    std::string damaged = ReadBytes(here.File("Dmg.trn"));
    damaged[damaged.find("Notes")] = 'X';
    WriteBytes(here.File("Dmg.trn"), damaged);
    EXPECT_FALSE(LoadExchange(here.File("Dmg.trn"), otherData, loaded, loadedCatalogs, unpackFolder, unpacked));
    RemoveFolder(unpackFolder);
    EXPECT_EQ(loaded.Count(), 0u);
}

TEST(ExchangeFile, UnzipAllWritesNothingOutsideItsBaseFolder)
{
    TempFolder folder;
    const std::string base = folder.File("base");
    for (const std::string evil :
         {"../x.txt", "T/../../x.txt", "..\\x.txt", "/x.txt", "\\x.txt", "C:/x.txt", "T/x.txt:stream", "T/.. /x.txt"}) {
        SCOPED_TRACE(evil);
        const std::string zip = folder.File("evil.zip");
        WriteZip(zip, {{"T/ok.txt", "fine"}, {evil, "escaped"}});
        EXPECT_FALSE(UnzipAll(zip, base));
        EXPECT_FALSE(FileExists(folder.File("x.txt")));
        EXPECT_FALSE(FileExists("C:\\x.txt"));
        EXPECT_EQ(ReadBytes(base + "\\T\\ok.txt"), "fine");
        RemoveFolder(base);
    }
    EXPECT_TRUE(IsSafeEntryName("T/Data/a..b.stx"));
    EXPECT_TRUE(IsSafeEntryName("T/Data/"));

    // Failures make nothing: no folder, no archive.
    EXPECT_FALSE(UnzipAll(folder.File("missing.zip"), base));
    EXPECT_FALSE(UnzipAll("", base));
    EXPECT_FALSE(ZipFolder(folder.File("missing"), folder.File("out.zip")));
    EXPECT_FALSE(ZipFolder("", folder.File("out.zip")));
    EXPECT_FALSE(FileExists(folder.File("out.zip")));

    // A trailing backslash is ignored and the zip's folder is made.
    CreateDirectoryA(folder.File("Pack").c_str(), nullptr);
    WriteBytes(folder.File("Pack\\a.txt"), "a");
    ASSERT_TRUE(ZipFolder(folder.File("Pack") + "\\", folder.File("deep\\er\\out.zip")));
    EXPECT_EQ(Names(ZipEntries(folder.File("deep\\er\\out.zip"))), std::vector<std::string>{"Pack/a.txt"});
}
