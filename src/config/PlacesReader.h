#pragma once
// The browser's place database (SQLite), read from a private copy: opening the database itself,
// even read-only, leaves log files in the user's profile, and fails while the browser runs.
#include <string>
#include <vector>

// Appends every stored address without its trailing "/" characters; addresses the code page
// cannot hold are left out. The database and its write-ahead log are copied into a temporary
// folder, which goes again afterwards. False when the copy cannot be made or read.
bool ReadBrowserPlaces(const std::string& databasePath, std::vector<std::string>& addresses);
