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
    bool ForEachAddress(const std::function<void(const std::string&)>& visit) override
    {
        for (const char* url : {"http://Hist.com/a/page?q=1", "ftp://files.org/x", "https://secure.org/y"})
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

TEST_F(WebImportFixture, ReadsTheDefaultProfilesPlacesAfterTheHistoryUnlessTheBrowserRuns)
{
    const std::string profiles = m_browser.Path() + "\\Profiles";
    std::filesystem::create_directories(profiles + "\\named");
    std::filesystem::create_directories(profiles + "\\other.default");
    CreatePlaces(profiles + "\\named\\places.sqlite",
                 {"http://Places.org/", "HTTP://PLACES.ORG", "https://secure.net/path//", "file:///C:/x.txt", "",
                  "HTTP://HIST.COM/A"});
    CreatePlaces(profiles + "\\other.default\\places.sqlite", {"http://not-the-default.org"});
    WriteBytes(m_browser.Path() + "\\profiles.ini",
               "[Profile0]\r\nName=x\r\nIsRelative=1\r\nPath=Profiles/named\r\nDefault=1\r\n");

    Texts expected = kHistoryRows;
    expected.insert(expected.end(), {"http://Places.org", "https://secure.net/path", "file:///C:/x.txt"});
    EXPECT_EQ(Import(), expected);

    std::filesystem::remove(m_browser.Path() + "\\profiles.ini");
    expected.resize(kHistoryRows.size());
    expected.push_back("http://not-the-default.org");
    EXPECT_EQ(Import(), expected) << "without profiles.ini the \".default\" profile is read";

    // A running browser keeps its database locked: the history alone, and the user is told.
    ASSERT_FALSE(IsProcessRunning("firefox.exe"));
    HANDLE browser = StartProcess("\"" + ProgramFolder() + "\\firefox.exe\"");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(PumpUntil([] { return IsProcessRunning("FIREFOX.EXE"); }, 10000));
    Texts shown;
    EXPECT_EQ(Import(&shown), kHistoryRows);
    EXPECT_EQ(shown, Texts{"FireFoxRunning"});
    TerminateProcess(browser, 0);
    WaitForSingleObject(browser, 10000);
    CloseHandle(browser);
    shown.clear();
    EXPECT_EQ(Import(&shown), expected);
    EXPECT_TRUE(shown.empty());

    // A missing database is never created.
    const std::string places = profiles + "\\other.default\\places.sqlite";
    std::filesystem::remove(places);
    EXPECT_EQ(Import(), kHistoryRows);
    EXPECT_FALSE(FileExists(places));
}
