#pragma once
// The slow part of an exchange save, run on a worker while the progress window shows: the
// clipboard snapshot files of the moved items are copied into the staging Data folder, and an
// export then packs the staging folder and puts the archive in place of the exchange file.
// The window thread touches none of this until the worker is done.
#include "exchange/DataFileList.h"

#include <string>
#include <vector>

class ExchangeJob {
public:
    DataFileList dataFiles;
    // The folder that is packed (its name begins every entry) and its Data sub-folder.
    std::string stagingFolder;
    std::string stagingData;
    // Where the snapshot files are taken from, by file name: the first of these folders that
    // holds the file.
    std::vector<std::string> copyFrom;
    std::string zipPath;
    std::string exchangePath;
    // Set for an export: pack and put the archive in place.
    bool archive = false;

    // Copies, packs and moves; true when the archive (if any) reached the exchange path.
    // Empties the data file list.
    bool Run();
    // How many snapshot files the last run copied.
    size_t CopiedFiles() const { return m_copied; }

private:
    void CopySnapshots();

    size_t m_copied = 0;
};
