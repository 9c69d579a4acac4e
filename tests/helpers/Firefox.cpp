// Stands in for the browser: a process whose executable is named "firefox.exe". It only waits;
// the test that starts it ends it, and it goes by itself should that test die first.
//   firefox.exe                 runs
//   firefox.exe use DB URL      keeps DB open as the browser does (exclusive lock, write-ahead
//                               log never checkpointed) after adding a visit to URL
//   firefox.exe hold DB         keeps DB open for itself alone: not even a copy can be taken
// It sets the event "TavBrowserReady" once it holds the database.
#include <windows.h>

#include <sqlite3.h>

#include <string>

int main(int argc, char** argv)
{
    sqlite3* database = nullptr;
    HANDLE held = INVALID_HANDLE_VALUE;
    if (argc == 4 && std::string(argv[1]) == "use") {
        const std::string insert = std::string("insert into moz_places (url) values ('") + argv[3] + "')";
        if (sqlite3_open(argv[2], &database) != SQLITE_OK ||
            sqlite3_exec(database, "pragma locking_mode=exclusive; pragma wal_autocheckpoint=0", nullptr, nullptr,
                         nullptr) != SQLITE_OK ||
            sqlite3_exec(database, insert.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return 1;
    } else if (argc == 3 && std::string(argv[1]) == "hold") {
        held = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (held == INVALID_HANDLE_VALUE)
            return 1;
    }
    if (HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, "TavBrowserReady"))
        SetEvent(ready);
    Sleep(120000);
    return 0;
}
