#pragma once
// Exchange files (*.trn): a zip archive of one folder named by the file's title at export time,
// holding title.clg (the catalogs), title.dat (the items) and Data\ (their snapshot files).
// Packing and unpacking go through fresh private folders, so no folder of the user's is
// written into or removed, and the user's file is never renamed.
#include "data/CatalogTree.h"
#include "data/ItemList.h"
#include "exchange/ExchangeJob.h"

#include <string>
#include <vector>

// Writes the catalogs and items into a fresh staging folder and sets the job up to pack it
// into `exchangePath`. `privateFolder` receives the folder to remove once the job is done.
// False when no staging folder could be made.
bool StageExport(const std::string& exchangePath, const CatalogTree& catalogs, const ItemList& items,
                 const std::string& dataFolder, ExchangeJob& job, std::string& privateFolder);

// Unpacks an exchange file into a fresh private folder and loads what it holds for the file's
// present title. `unpacked` receives the folder named by the title inside it. Items whose
// snapshot file came with the archive point at that file's place in `dataFolder`, where the
// import save copies it. False when nothing could be loaded (no file, a damaged archive, or no
// files of that title); `items` and `catalogs` then hold whatever could be read.
bool LoadExchange(const std::string& exchangePath, const std::string& dataFolder, ItemList& items,
                  CatalogTree& catalogs, std::string& privateFolder, std::string& unpacked);

// Sets the job up for an import save: snapshot files go from the unpacked Data folders (of
// every file loaded, the latest last) into this installation's Data folder; nothing is packed.
void StageImport(const std::vector<std::string>& unpacked, const std::string& dataFolder, ExchangeJob& job);
