#pragma once
// Where the browser's place database may be, most likely first: in the profile profiles.ini
// names as default, in the profiles folder of the older user-folder layout ("Documents and
// Settings"), then in the profiles folder of the user's application-data folder.
#include <string>
#include <vector>

std::vector<std::string> PlacesDatabaseCandidates();

// The folders (not files) directly inside `folder`, in the order the system lists them.
std::vector<std::string> ListSubfolders(const std::string& folder);
