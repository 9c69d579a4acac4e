#include "config/OpenCommand.h"
#include "config/ProgramDiscovery.h"
#include "resource.h"
#include "ui/ProgressDlg.h"
#include "ui/wnd/InstallFolder.h"

#include "ConfigFixtures.h"
#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {
const char* const kSheetIcon = "C:\\windows\\Installer\\{7A11E0C4-TAVTEST}\\xlicons.exe";

// Registered applications, shortcuts in both Start menus and an installer's icon class, all
// named "TavTest ..." so that whatever the test prefix holds besides does not matter.
class DiscoveryFixture : public testing::Test {
protected:
    DiscoveryFixture() : m_common(CommonProgramsFolder() + "\\TavTest"), m_user(UserProgramsFolder() + "\\TavTest") {}

    void SetUp() override
    {
        if (!m_common.Owned() || !m_user.Owned())
            GTEST_SKIP() << "the Start menus hold a TavTest folder already";
        Register("tavtest_one.exe", "TavTest One", "\"C:\\TavTest\\one.exe\" \"%1\"");
        m_keys.SetValue("Applications\\tavtest_plain.exe\\Shell\\Open\\Command", "", "C:\\TavTest\\plain.exe");
        Register("tavtest_known.exe", "TavTest Known", "C:\\TavTest\\known.exe");
        m_keys.SetValue("CLSID\\{7A11E0C4-0000-4000-8000-7A7E57000001}\\DefaultIcon", "",
                        std::string(kSheetIcon) + ",0");
        m_keys.SetValue("CLSID\\{7A11E0C4-0000-4000-8000-7A7E57000001}\\LocalServer32", "", "C:\\TavTest\\Sheet.EXE");

        const std::string common = m_staging.File("common");
        const std::string user = m_staging.File("user");
        CreateShortcut(common + "\\TavTest Tool.lnk", "C:\\TavTest\\tool.exe");
        CreateShortcut(common + "\\Other\\TavTest Tool.lnk", "C:\\TavTest\\tool2.exe");
        CreateShortcut(common + "\\TavTest Readme.lnk", "C:\\TavTest\\readme.txt");
        CreateShortcut(common + "\\TavTest Args.lnk", "C:\\TavTest\\args.exe", "-x");
        CreateShortcut(common + "\\TavTest Known.lnk", "C:\\TavTest\\known.exe");
        CreateShortcut(common + "\\Sub\\Deeper\\Deepest\\TavTest Deep.lnk", "C:\\TavTest\\deep.exe");
        CreateShortcut(common + "\\TavTest Sheet.lnk", kSheetIcon);
        CreateShortcut(user + "\\TavTest User.lnk", "C:\\TavTest\\user.exe");
        CreateShortcut(user + "\\TavTest Tool.lnk", "C:\\TavTest\\tool.exe");
        ASSERT_TRUE(m_common.MoveIn(common) && m_user.MoveIn(user));

        ShortcutItem known;
        known.Name = "TavTest Known";
        m_items.Append(known);
    }

    void Register(const std::string& exe, const std::string& friendly, const std::string& command)
    {
        m_keys.SetValue("Applications\\" + exe + "\\Shell", "FriendlyCache", friendly);
        m_keys.SetValue("Applications\\" + exe + "\\Shell\\Open\\Command", "", command);
    }

    // Positions of the rows with this text, in list order.
    static std::vector<size_t> Rows(const ProgramList& list, const std::string& text)
    {
        std::vector<size_t> rows;
        for (size_t i = 0; i < list.Count(); ++i) {
            if (list.At(i).text == text)
                rows.push_back(i);
        }
        return rows;
    }

    ClassKeys m_keys;
    TempFolder m_staging;
    OwnedFolder m_common;
    OwnedFolder m_user;
    ItemList m_items;
};

bool ProgressWindowShown()
{
    bool shown = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            *reinterpret_cast<bool*>(result) |= IsWindowVisible(window) && GetDlgItem(window, IDC_PROGRESS_TEXT);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown;
}
} // namespace

TEST_F(DiscoveryFixture, OffersRegisteredProgramsThenStartMenuProgramsUnderTheProgressWindow)
{
    ProgramList list;
    list.Append("stale row", "x.exe");
    bool shownWhileRunning = false;
    RunSoon([&] { shownWhileRunning = ProgressWindowShown(); }, 300);
    CProgressDlg::RunWhile(nullptr, InstallFolder(), "Finding programs", [&] { ProgramDiscovery().Discover(m_items, list); });
    EXPECT_TRUE(shownWhileRunning);
    EXPECT_FALSE(ProgressWindowShown());

    EXPECT_TRUE(Rows(list, "stale row").empty());
    const std::vector<size_t> one = Rows(list, "TavTest One");
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(list.At(one[0]).command, "C:\\TavTest\\one.exe");
    ASSERT_EQ(Rows(list, "TavTest Tool").size(), 1u) << "one row for a title in two folders and two menus";
    EXPECT_EQ(list.At(Rows(list, "TavTest Tool")[0]).command.rfind("C:\\TavTest\\tool", 0), 0u);
    ASSERT_EQ(Rows(list, "TavTest Deep").size(), 1u);
    EXPECT_EQ(TrimBlanks(list.At(Rows(list, "TavTest Deep")[0]).command), "C:\\TavTest\\deep.exe");
    ASSERT_EQ(Rows(list, "TavTest Sheet").size(), 1u);
    EXPECT_EQ(list.At(Rows(list, "TavTest Sheet")[0]).command, "C:\\TavTest\\Sheet.EXE");
    ASSERT_EQ(Rows(list, "TavTest User").size(), 1u);

    EXPECT_LT(one[0], Rows(list, "TavTest Tool")[0]) << "registered applications come first";
    EXPECT_LT(Rows(list, "TavTest Deep")[0], Rows(list, "TavTest User")[0]) << "the user's menu comes last";

    for (const char* absent : {"TavTest Readme", "TavTest Args", "TavTest Known", "Sub", "Deeper", "Other"})
        EXPECT_TRUE(Rows(list, absent).empty()) << absent;
    for (size_t i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.At(i).command.find("plain.exe"), std::string::npos) << "no FriendlyCache, not offered";
}
