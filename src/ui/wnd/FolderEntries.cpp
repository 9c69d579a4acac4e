#include "ui/wnd/FolderEntries.h"

bool ForEachFolderEntry(const std::string& folder, const FolderEntryVisit& visit)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool going = true;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            going = visit(folder + "\\" + name, found);
    } while (going && FindNextFileA(search, &found));
    FindClose(search);
    return going;
}
