#include "config/PlacesReader.h"

#include "config/SystemText.h"
#include "config/WebAddresses.h"

#include <sqlite3.h>

namespace {
int AddRow(void* context, int columns, char** values, char** /*names*/)
{
    auto* addresses = static_cast<std::vector<std::string>*>(context);
    for (int i = 0; i < columns; ++i) {
        const std::string address = StripTrailingSlashes(Utf8ToAnsi(values[i] ? values[i] : ""));
        if (!address.empty())
            addresses->push_back(address);
    }
    return 0;
}
} // namespace

bool ReadBrowserPlaces(const std::string& databasePath, std::vector<std::string>& addresses)
{
    sqlite3* database = nullptr;
    // SQLite takes UTF-8 paths; the program's are in the ANSI code page.
    if (sqlite3_open_v2(AnsiToUtf8(databasePath).c_str(), &database, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(database);
        return false;
    }
    sqlite3_exec(database, "select url from moz_places", AddRow, &addresses, nullptr);
    sqlite3_close(database);
    return true;
}
