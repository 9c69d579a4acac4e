#include "config/WebAddressImport.h"

#include "config/BrowserProfiles.h"
#include "config/PlacesReader.h"
#include "config/ProcessCheck.h"
#include "config/ShellUrlHistory.h"
#include "config/SystemText.h"
#include "config/WebAddresses.h"

#include <windows.h>

#include <string>
#include <vector>

void WebAddressImport::Import(ProgramList& list)
{
    list.Clear();
    std::vector<std::string> visited;
    m_history.ForEachAddress([&](const std::wstring& wide) {
        std::string url;
        if (WideToAnsiExactly(wide, url))
            ExpandHistoryAddress(url, visited, list.Lead());
    });
    AddAddresses(list, visited);
    // A running browser may hold its files so that not even a copy can be taken.
    if (!AddBrowserPlaces(list) && IsProcessRunning("firefox.exe") && m_showMessage)
        m_showMessage("FireFoxRunning");
}

bool WebAddressImport::AddBrowserPlaces(ProgramList& list)
{
    for (const std::string& path : PlacesDatabaseCandidates()) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        std::vector<std::string> places;
        if (ReadBrowserPlaces(path, places)) {
            AddAddresses(list, places);
            return true;
        }
    }
    return false;
}

void ImportWebAddresses(ProgramList& list, WebAddressImport::ShowMessageOfKey showMessage)
{
    ShellUrlHistory history;
    WebAddressImport(history, std::move(showMessage)).Import(list);
}
