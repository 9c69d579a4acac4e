#include "exchange/ExchangeJob.h"

#include "exchange/ExchangeFolders.h"
#include "exchange/ZipArchive.h"

#include <windows.h>

#include <unordered_set>

void ExchangeJob::CopySnapshots()
{
    m_copied = 0;
    if (copyFrom.empty())
        return;
    std::unordered_set<std::string> copied;
    for (const std::string& text : dataFiles.Texts()) {
        for (const std::string& line : SnapshotLines(text)) {
            // The file is taken by name from the copy-from folder, so that is where it must be;
            // the path as written may name another machine's folder.
            const std::string name = FileNameOfPath(line);
            if (!copied.insert(name).second)
                continue;
            for (const std::string& folder : copyFrom) {
                const std::string source = folder + "\\" + name;
                const DWORD attributes = GetFileAttributesA(source.c_str());
                if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
                    continue;
                if (CopyFileA(source.c_str(), (stagingData + "\\" + name).c_str(), FALSE))
                    ++m_copied;
                break;
            }
        }
    }
}

bool ExchangeJob::Run()
{
    CreateFolderPath(stagingData);
    CopySnapshots();
    dataFiles.Clear();
    if (!archive)
        return true;
    if (!ZipFolder(stagingFolder, zipPath))
        return false;
    const bool placed = MoveFileExA(zipPath.c_str(), exchangePath.c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
    if (!placed)
        DeleteFileA(zipPath.c_str());
    return placed;
}
