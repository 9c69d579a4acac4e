#pragma once
// The zip side of exchange files: a folder packed into an archive (deflate file entries and
// folder entries named by "/"-separated paths that begin with the folder's own name), and an
// archive unpacked below a base folder. The archive may come from anyone: no entry is written
// outside the base folder.
#include <string>
#include <vector>

// Packs every file and sub-folder below `folder` into `zipPath`; entry names are relative to
// the folder's parent. Creates the zip's folder when missing. False, with no archive, when a
// path is empty, the folder is missing or anything cannot be read or written.
bool ZipFolder(const std::string& folder, const std::string& zipPath);

// Writes every entry below `baseFolder` (created when missing), keeping its relative path.
// Stops at the first entry that cannot be extracted, or whose name would leave the base
// folder (a "..", an absolute path, a drive letter or a stream name), and returns false.
bool UnzipAll(const std::string& zipPath, const std::string& baseFolder);

struct ZipEntry {
    std::string name;
    bool deflated = false;
};
// The entries of an archive in stored order; empty when it cannot be opened.
std::vector<ZipEntry> ZipEntries(const std::string& zipPath);

// True for an entry name that stays below its base folder once written there.
bool IsSafeEntryName(const std::string& name);
