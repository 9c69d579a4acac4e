#include "config/PlacesReader.h"

#include "config/SystemText.h"
#include "config/WebAddresses.h"

#include <windows.h>

#include <sqlite3.h>

namespace {
int AddRow(void* context, int columns, char** values, char** /*names*/)
{
    auto* addresses = static_cast<std::vector<std::string>*>(context);
    for (int i = 0; i < columns; ++i) {
        std::string address;
        if (Utf8ToAnsiExactly(values[i] ? values[i] : "", address) &&
            !(address = StripTrailingSlashes(address)).empty())
            addresses->push_back(address);
    }
    return 0;
}

// A new, empty folder of the program's own below the temporary folder; empty when none can be
// made.
std::string NewTempFolder()
{
    char temp[MAX_PATH] = {};
    char name[MAX_PATH] = {};
    // The unique name comes as an empty file, which makes way for a folder of that name.
    if (GetTempPathA(MAX_PATH, temp) == 0 || GetTempFileNameA(temp, "tvp", 0, name) == 0)
        return "";
    if (!DeleteFileA(name) || !CreateDirectoryA(name, nullptr))
        return "";
    return name;
}

void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

bool ReadCopy(const std::string& copyPath, std::vector<std::string>& addresses)
{
    sqlite3* database = nullptr;
    // SQLite takes UTF-8 paths; the program's are in the ANSI code page. The copy is opened for
    // writing so that SQLite can take the log's last transactions in.
    bool read = sqlite3_open_v2(AnsiToUtf8(copyPath).c_str(), &database, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    read = read && sqlite3_exec(database, "select url from moz_places", AddRow, &addresses, nullptr) == SQLITE_OK;
    sqlite3_close(database);
    return read;
}
} // namespace

bool ReadBrowserPlaces(const std::string& databasePath, std::vector<std::string>& addresses)
{
    const std::string folder = NewTempFolder();
    if (folder.empty())
        return false;
    const std::string copy = folder + "\\places.sqlite";
    bool read = CopyFileA(databasePath.c_str(), copy.c_str(), TRUE) != FALSE;
    if (read) {
        // Recent visits may be only in the write-ahead log beside the database.
        CopyFileA((databasePath + "-wal").c_str(), (copy + "-wal").c_str(), TRUE);
        read = ReadCopy(copy, addresses);
    }
    RemoveFolder(folder);
    return read;
}
