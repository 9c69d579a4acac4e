#pragma once
// Which browser profile holds the place database.
#include <string>
#include <vector>

// Among the sub-folders of a profiles folder, in the order listed: the first (lower-cased) whose
// name contains ".default", else the last one, else the name the browser has used when nothing
// was listed.
std::string ChooseProfileName(const std::vector<std::string>& subfolders);

struct ProfileLocation {
    std::string path;     // as the file writes it, "/" or "\\" separated
    bool relative = true; // to the folder that holds profiles.ini
};

// The default profile named by the text of a "profiles.ini": the profile the browser's
// installation uses ([Install...] Default=), else the one marked Default=1. Empty path when the
// text names none.
ProfileLocation DefaultProfileFromIni(const std::string& iniText);
