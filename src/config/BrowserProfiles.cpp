#include "config/BrowserProfiles.h"

#include "config/BrowserProfile.h"
#include "data/FileAccess.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

namespace {
const char* const kPlacesFile = "\\places.sqlite";

std::string OlderProfilesFolder()
{
    char system[MAX_PATH] = {};
    char user[100] = {};
    DWORD userLength = sizeof(user);
    if (GetSystemDirectoryA(system, MAX_PATH) == 0 || !GetUserNameA(user, &userLength))
        return "";
    return std::string(1, system[0]) + ":\\Documents and Settings\\" + user +
           "\\Application Data\\Mozilla\\Firefox\\Profiles";
}

std::string BrowserFolder()
{
    char appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return "";
    return std::string(appData) + "\\Mozilla\\Firefox";
}

// No streams here: they would bring the C++ locale machinery into the program, a quarter of
// its size.
std::string ReadText(const std::string& path)
{
    std::string text;
    ReadWholeFile(path, text);
    return text;
}

std::string IniDefaultProfile(const std::string& browserFolder)
{
    ProfileLocation location = DefaultProfileFromIni(ReadText(browserFolder + "\\profiles.ini"));
    if (location.path.empty())
        return "";
    std::replace(location.path.begin(), location.path.end(), '/', '\\');
    return location.relative ? browserFolder + "\\" + location.path : location.path;
}

std::string ChosenProfile(const std::string& profilesFolder)
{
    return profilesFolder + "\\" + ChooseProfileName(ListSubfolders(profilesFolder));
}
} // namespace

std::vector<std::string> ListSubfolders(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::vector<std::string> PlacesDatabaseCandidates()
{
    std::vector<std::string> candidates;
    const std::string browser = BrowserFolder();
    const std::string named = browser.empty() ? "" : IniDefaultProfile(browser);
    if (!named.empty())
        candidates.push_back(named + kPlacesFile);
    // The older layout's "first .default folder" may well be a profile the browser no longer
    // uses; on current systems its folders are links to the same profiles.
    const std::string older = OlderProfilesFolder();
    if (!older.empty())
        candidates.push_back(ChosenProfile(older) + kPlacesFile);
    if (!browser.empty())
        candidates.push_back(ChosenProfile(browser + "\\Profiles") + kPlacesFile);
    return candidates;
}
