#include "config/WebAddressImport.h"

#include "config/BrowserProfiles.h"
#include "config/PlacesReader.h"
#include "config/ProcessCheck.h"
#include "config/ShellUrlHistory.h"
#include "config/WebAddresses.h"

#include <windows.h>

#include <string>
#include <vector>

void WebAddressImport::Import(ProgramList& list)
{
    list.Clear();
    std::vector<std::string> visited;
    m_history.ForEachAddress([&](const std::string& url) { ExpandHistoryAddress(url, visited, list.Lead()); });
    AddAddresses(list, visited);
    // The browser keeps its database locked while it runs.
    if (IsProcessRunning("firefox.exe")) {
        if (m_showMessage)
            m_showMessage("FireFoxRunning");
        return;
    }
    AddBrowserPlaces(list);
}

void WebAddressImport::AddBrowserPlaces(ProgramList& list)
{
    for (const std::string& path : PlacesDatabaseCandidates()) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        std::vector<std::string> places;
        if (ReadBrowserPlaces(path, places)) {
            AddAddresses(list, places);
            return;
        }
    }
}

void ImportWebAddresses(ProgramList& list, WebAddressImport::ShowMessageOfKey showMessage)
{
    ShellUrlHistory history;
    WebAddressImport(history, std::move(showMessage)).Import(list);
}
