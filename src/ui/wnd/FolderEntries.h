#pragma once
// The entries of one folder as the system lists them, "." and ".." left out: every walk over
// folders (discovery, packing, removing) goes through here.
#include <windows.h>

#include <functional>
#include <string>

// Calls `visit` with each entry's full path and what the listing tells of it, until it returns
// false. False when the folder cannot be listed or the visit stopped the walk.
using FolderEntryVisit = std::function<bool(const std::string& path, const WIN32_FIND_DATAA& found)>;
bool ForEachFolderEntry(const std::string& folder, const FolderEntryVisit& visit);
