// Discovery and web address import at the scale of a well-used machine, under Wine: a Start
// menu of 2,000 shortcuts in 200 folders with 500 registered applications, and a browser place
// database of 100,000 addresses.
#include "config/ProgramDiscovery.h"
#include "config/WebAddressImport.h"

#include "ConfigFixtures.h"
#include "TempFolder.h"
#include "WinBench.h"
#include "WinTestSupport.h"

#include <shlobj.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {
const int kRuns = 5;

class NoHistory : public HistorySource {
public:
    bool ForEachAddress(const std::function<void(const std::wstring&)>&) override { return true; }
};

void CreateStartMenu(const std::string& folder, ClassKeys& keys)
{
    for (int i = 0; i < 2000; ++i) {
        char name[160];
        std::snprintf(name, sizeof(name), "%s\\Folder %03d\\Program %04d.lnk", folder.c_str(), i % 200, i);
        char target[80];
        std::snprintf(target, sizeof(target), "C:\\Bench\\program%04d.exe", i);
        CreateShortcut(name, target, i % 10 == 0 ? "-x" : "");
    }
    for (int i = 0; i < 500; ++i) {
        const std::string key = "Applications\\tavbench_" + std::to_string(i) + ".exe\\Shell";
        keys.SetValue(key, "FriendlyCache", "Bench application " + std::to_string(i));
        keys.SetValue(key + "\\Open\\Command", "", "\"C:\\Bench\\app" + std::to_string(i) + ".exe\" \"%1\"");
    }
}

bool CreatePlaces(const std::string& path, int count)
{
    sqlite3* database = nullptr;
    if (sqlite3_open(path.c_str(), &database) != SQLITE_OK)
        return false;
    sqlite3_exec(database, "create table moz_places (id integer primary key, url longvarchar); begin", nullptr, nullptr,
                 nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(database, "insert into moz_places (url) values (?)", -1, &insert, nullptr);
    for (int i = 0; i < count; ++i) {
        const std::string url =
            "https://site" + std::to_string(i % 5000) + ".example.org/section/" + std::to_string(i) + "/";
        sqlite3_bind_text(insert, 1, url.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(database, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(database);
    return true;
}

std::string BrowserFolder()
{
    char appData[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::string(appData) + "\\Mozilla\\Firefox";
}
} // namespace

int main()
{
    WinTestEnvironment environment;
    {
        ClassKeys keys;
        OwnedFolder menu(CommonProgramsFolder() + "\\TavBench");
        TempFolder staging;
        CreateStartMenu(staging.File("menu"), keys);
        if (!menu.MoveIn(staging.File("menu")))
            return 1;
        ItemList items;
        std::vector<double> runs;
        size_t found = 0;
        for (int run = 0; run < kRuns; ++run) {
            ProgramList list;
            const double start = NowMs();
            ProgramDiscovery().Discover(items, list);
            runs.push_back(NowMs() - start);
            found = list.Count();
        }
        std::printf("discovery found %zu programs\n", found);
        Goal("discovery_2000_shortcuts", runs, 2000, "ms");
    }
    OwnedFolder browser(BrowserFolder());
    const std::string profile = browser.Path() + "\\Profiles\\bench.default";
    std::filesystem::create_directories(profile);
    if (!browser.Owned() || !CreatePlaces(profile + "\\places.sqlite", 100000))
        return 1;
    std::vector<double> runs;
    size_t imported = 0;
    for (int run = 0; run < kRuns; ++run) {
        NoHistory history;
        ProgramList list;
        const double start = NowMs();
        WebAddressImport(history, nullptr).Import(list);
        runs.push_back(NowMs() - start);
        imported = list.Count();
    }
    std::printf("import took %zu addresses\n", imported);
    Goal("web_import_100k", runs, 1000, "ms");
    return 0;
}
