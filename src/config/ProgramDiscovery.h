#pragma once
// Fills the program list with the programs installed on the machine: the registered
// applications, then the shortcuts of the all-users Start menu, then those of the user's own.
// Programs already named by an item are left out. Runs on any thread, over a list no other
// thread changes meanwhile; it initialises COM on the calling thread for the walk.
#include "config/ProgramList.h"
#include "data/ItemList.h"

#include <set>
#include <string>
#include <unordered_set>

class ShortcutReader;

class ProgramDiscovery {
public:
    void Discover(const ItemList& items, ProgramList& list);

private:
    void AddRegisteredApplications(ProgramList& list) const;
    bool AddRegisteredApplication(const std::string& name, ProgramList& list) const;
    void WalkFolder(const std::string& folder, ShortcutReader& reader, ProgramList& list);
    // False when the folder was walked already (reached again through a link) or is unknown.
    bool FirstVisit(const std::string& folder);
    void AddShortcut(const std::string& path, const std::string& title, ShortcutReader& reader,
                     ProgramList& list) const;

    // Names of live items (registered applications) and of all items, deleted or not
    // (shortcuts): the two sources look at different sets.
    std::unordered_set<std::string> m_liveNames;
    std::unordered_set<std::string> m_allNames;
    // Volume serial number and file index of every folder walked in this run.
    std::set<std::pair<unsigned long, unsigned long long>> m_walked;
};

// The folders the Start menu walk visits, in order: the all-users one, then the user's own.
std::string CommonProgramsFolder();
std::string UserProgramsFolder();
