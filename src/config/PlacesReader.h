#pragma once
// The browser's place database (SQLite), read without ever writing to it.
#include <string>
#include <vector>

// Appends every stored address without its trailing "/" characters. The database is opened
// read-only: a missing file is never created in the user's profile. False when it cannot be
// opened; a failing query adds nothing.
bool ReadBrowserPlaces(const std::string& databasePath, std::vector<std::string>& addresses);
