#include "config/ProcessCheck.h"
#include "config/WebAddressImport.h"
#include "ui/wnd/InstallFolder.h"

#include "ConfigFixtures.h"
#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <sqlite3.h>

#include <filesystem>

using Texts = std::vector<std::string>;

namespace {
// The system history, as the import is given it.
struct FakeHistory : HistorySource {
    bool ForEachAddress(const std::function<void(const std::wstring&)>& visit) override
    {
        // No code page the tests run under has the Thai letter: that address is left out, not
        // turned into "http://thai.org/?/x", a query.
        for (const wchar_t* url : {L"http://Hist.com/a/page?q=1", L"ftp://files.org/x", L"https://secure.org/y",
                                   L"http://thai.org/\x0E01/x"})
            visit(url);
        return true;
    }
};

std::string BrowserFolder()
{
    char appData[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::string(appData) + "\\Mozilla\\Firefox";
}

std::string OlderLayoutProfiles()
{
    char system[MAX_PATH] = {};
    char user[100] = {};
    DWORD length = sizeof(user);
    GetSystemDirectoryA(system, MAX_PATH);
    GetUserNameA(user, &length);
    return std::string(1, system[0]) + ":\\Documents and Settings\\" + user +
           "\\Application Data\\Mozilla\\Firefox\\Profiles";
}

// Names of the files in a folder and below.
Texts FilesIn(const std::string& folder)
{
    Texts names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        names.push_back(entry.path().string());
    return names;
}

// Starts the browser's stand-in with these arguments and waits until it holds the database.
HANDLE StartBrowser(const std::string& arguments)
{
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "TavBrowserReady");
    HANDLE browser = StartProcess("\"" + ProgramFolder() + "\\firefox.exe\" " + arguments);
    const bool held = browser && WaitForSingleObject(ready, 20000) == WAIT_OBJECT_0;
    CloseHandle(ready);
    EXPECT_TRUE(held) << arguments;
    return browser;
}

void EndBrowser(HANDLE browser)
{
    TerminateProcess(browser, 0);
    WaitForSingleObject(browser, 10000);
    CloseHandle(browser);
}

void CreatePlaces(const std::string& path, const Texts& urls)
{
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
    // Write-ahead logging, as the browser keeps its database.
    ASSERT_EQ(sqlite3_exec(database,
                           "pragma journal_mode=wal; create table moz_places (id integer primary key, url longvarchar)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(database, "insert into moz_places (url) values (?)", -1, &insert, nullptr);
    for (const std::string& url : urls) {
        if (url.empty())
            sqlite3_bind_null(insert, 1);
        else
            sqlite3_bind_text(insert, 1, url.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_close(database);
}

const Texts kHistoryRows = {"http://Hist.com/a", "http://Hist.com/a/page", "http://hist.com/a/page?q=1"};

class WebImportFixture : public testing::Test {
protected:
    WebImportFixture() : m_browser(BrowserFolder()) {}
    void SetUp() override
    {
        if (!m_browser.Owned())
            GTEST_SKIP() << "a browser profile folder exists here already: " << m_browser.Path();
    }

    Texts Import(Texts* shownKeys = nullptr)
    {
        FakeHistory history;
        ProgramList list;
        list.Append("stale row", "stale row");
        WebAddressImport(history, [&](const char* key) {
            if (shownKeys)
                shownKeys->push_back(key);
        }).Import(list);
        Texts texts;
        for (size_t i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.At(i).command, list.At(i).text);
            texts.push_back(list.At(i).text);
        }
        return texts;
    }

    OwnedFolder m_browser;
};
} // namespace

TEST_F(WebImportFixture, ReadsACopyOfTheDefaultProfilesPlacesAfterTheHistory)
{
    const std::string profiles = m_browser.Path() + "\\Profiles";
    std::filesystem::create_directories(profiles + "\\named");
    std::filesystem::create_directories(profiles + "\\other.default");
    CreatePlaces(profiles + "\\named\\places.sqlite",
                 {"http://Places.org/", "HTTP://PLACES.ORG", "https://secure.net/path//", "file:///C:/x.txt", "",
                  "HTTP://HIST.COM/A", "http://thai.org/\xE0\xB8\x81"});
    CreatePlaces(profiles + "\\other.default\\places.sqlite", {"http://not-the-default.org"});
    WriteBytes(m_browser.Path() + "\\profiles.ini",
               "[Profile0]\r\nName=x\r\nIsRelative=1\r\nPath=Profiles/named\r\nDefault=1\r\n");
    // The older folder layout's ".default" profile is a stale one beside the profile named.
    OwnedFolder older(OlderLayoutProfiles() + "\\old.default");
    if (older.Owned())
        CreatePlaces(older.Path() + "\\places.sqlite", {"http://stale-profile.org"});

    Texts expected = kHistoryRows;
    expected.insert(expected.end(), {"http://Places.org", "https://secure.net/path", "file:///C:/x.txt"});
    EXPECT_EQ(Import(), expected);

    std::filesystem::remove(m_browser.Path() + "\\profiles.ini");
    std::filesystem::remove(older.Path() + "\\places.sqlite");
    expected.resize(kHistoryRows.size());
    expected.push_back("http://not-the-default.org");
    Texts before = FilesIn(profiles);
    EXPECT_EQ(Import(), expected) << "without profiles.ini the \".default\" profile is read";
    EXPECT_EQ(FilesIn(profiles), before) << "nothing is written into the profile";

    // The running browser holds its database, with the latest visit only in its log.
    const std::string places = profiles + "\\other.default\\places.sqlite";
    HANDLE browser = StartBrowser("use \"" + places + "\" http://while-running.org");
    Texts shown;
    before = FilesIn(profiles);
    expected.push_back("http://while-running.org");
    EXPECT_EQ(Import(&shown), expected);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(FilesIn(profiles), before);
    EndBrowser(browser);

    // Only when not even a copy can be taken is the user told.
    browser = StartBrowser("hold \"" + places + "\"");
    EXPECT_EQ(Import(&shown), kHistoryRows);
    EXPECT_EQ(shown, Texts{"FireFoxRunning"});
    EndBrowser(browser);

    // A missing database is never created; no copy is left behind.
    std::filesystem::remove(places);
    std::filesystem::remove(places + "-wal");
    EXPECT_EQ(Import(), kHistoryRows);
    EXPECT_FALSE(FileExists(places));
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    for (const auto& entry : std::filesystem::directory_iterator(temp))
        EXPECT_NE(entry.path().filename().string().rfind("tvp", 0), 0u) << "copy left in " << entry.path();
}
