#include "config/OpenCommand.h"
#include "config/ProgramDiscovery.h"
#include "resource.h"
#include "ui/ProgressDlg.h"
#include "ui/wnd/InstallFolder.h"

#include "ConfigFixtures.h"
#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <filesystem>

namespace {
const char* const kInstallerFolder = "C:\\windows\\Installer\\{7A11E0C4-TAVTEST}";
const std::string kSheetIcon = std::string(kInstallerFolder) + "\\xlicons.exe";

// A link whose link-info size (0xFFFFFFF0) runs far past its end, as a damaged file has it.
std::string DamagedLinkBytes()
{
    std::string bytes(0x4C, '\0');
    const unsigned char head[] = {0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
    bytes.replace(0, sizeof(head), reinterpret_cast<const char*>(head), sizeof(head));
    bytes[0x14] = 0x02;
    return bytes + std::string("\xF0\xFF\xFF\xFF", 4) + std::string(64, 'x');
}

const char* const kLoopLinks[] = {"\\Loop\\a", "\\Loop\\b"};

// Wine's Windows calls neither make nor remove symbolic links (they report success and do
// nothing): under Wine a Unix command does it, and the test waits until Wine sees the change.
bool UnderWineRun(const char* command, const std::string& path, bool present)
{
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName =
        reinterpret_cast<UnixName>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
    const std::wstring wide(path.begin(), path.end());
    char* name = unixName ? unixName(wide.c_str()) : nullptr;
    if (!name)
        return false;
    // Wine gives no handle of a Unix process to wait on.
    if (HANDLE process = StartProcess(std::string(command) + " \"" + name + "\""))
        CloseHandle(process);
    HeapFree(GetProcessHeap(), 0, name);
    return PumpUntil([&] { return (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == present; }, 10000);
}

bool LinkToParent(const std::string& link)
{
    return UnderWineRun("/bin/ln -s ..", link, true) ||
           CreateSymbolicLinkA(link.c_str(), "..", SYMBOLIC_LINK_FLAG_DIRECTORY | 0x2 /* unprivileged */);
}

// Registered applications, shortcuts in both Start menus and an installer's icon class, all
// named "TavTest ..." so that whatever the test prefix holds besides does not matter.
class DiscoveryFixture : public testing::Test {
protected:
    DiscoveryFixture()
        : m_common(CommonProgramsFolder() + "\\TavTest"), m_user(UserProgramsFolder() + "\\TavTest"),
          m_installer(kInstallerFolder)
    {
    }

    void SetUp() override
    {
        if (!m_common.Owned() || !m_user.Owned() || !m_installer.Owned())
            GTEST_SKIP() << "the Start menus or the installer's folder hold a TavTest folder already";
        Register("tavtest_one.exe", "TavTest One", "\"C:\\TavTest\\one.exe\" \"%1\"");
        m_keys.SetValue("Applications\\tavtest_plain.exe\\Shell\\Open\\Command", "", "C:\\TavTest\\plain.exe");
        Register("tavtest_known.exe", "TavTest Known", "C:\\TavTest\\known.exe");
        // Open commands as installers write them: expandable, naming no program, placeholders
        // inside.
        Register("tavtest_expand.exe", "TavTest Expand", "%SystemRoot%\\TavTest\\expand.exe \"%1\"", REG_EXPAND_SZ);
        Register("tavtest_slash.exe", "TavTest Slash", "/");
        Register("tavtest_quoted.exe", "TavTest Quoted Slash", "\"/\"");
        Register("tavtest_middle.exe", "TavTest Middle", "\"C:\\TavTest\\middle.exe\" \"%1\" -n \"%2\"");
        m_keys.SetValue("CLSID\\{7A11E0C4-0000-4000-8000-7A7E57000001}\\DefaultIcon", "", kSheetIcon + ",0");
        m_keys.SetValue("CLSID\\{7A11E0C4-0000-4000-8000-7A7E57000001}\\LocalServer32", "", "C:\\TavTest\\Sheet.EXE");

        const std::string common = m_staging.File("common");
        const std::string user = m_staging.File("user");
        CreateShortcut(common + "\\TavTest Tool.lnk", "C:\\TavTest\\tool.exe");
        CreateShortcut(common + "\\Other\\TavTest Tool.lnk", "C:\\TavTest\\tool2.exe");
        CreateShortcut(common + "\\TavTest Readme.lnk", "C:\\TavTest\\readme.txt");
        CreateShortcut(common + "\\TavTest Args.lnk", "C:\\TavTest\\args.exe", "-x");
        CreateShortcut(common + "\\TavTest Known.lnk", "C:\\TavTest\\known.exe");
        CreateShortcut(common + "\\Sub\\Deeper\\Deepest\\TavTest Deep.lnk", "C:\\TavTest\\deep.exe");
        // The installer's shortcut names its icon file in the short form, "INSTAL~1".
        WriteBytes(kSheetIcon, "");
        char shortIcon[MAX_PATH] = {};
        ASSERT_NE(GetShortPathNameA(kSheetIcon.c_str(), shortIcon, MAX_PATH), 0u);
        ASSERT_EQ(std::string(shortIcon).find("Installer"), std::string::npos) << shortIcon;
        CreateShortcut(common + "\\TavTest Sheet.lnk", shortIcon);
        // A folder with a damaged shortcut and (below) two links back to its parent.
        std::filesystem::create_directories(common + "\\Loop");
        WriteBytes(common + "\\Loop\\TavTest Damaged.lnk", DamagedLinkBytes());
        CreateShortcut(user + "\\TavTest User.lnk", "C:\\TavTest\\user.exe");
        CreateShortcut(user + "\\TavTest Tool.lnk", "C:\\TavTest\\tool.exe");
        ASSERT_TRUE(m_common.MoveIn(common) && m_user.MoveIn(user));
        for (const char* link : kLoopLinks)
            ASSERT_TRUE(LinkToParent(m_common.Path() + link)) << link;

        ShortcutItem known;
        known.Name = "TavTest Known";
        m_items.Append(known);
    }

    // The links go first, so that removing the folders never follows them.
    void TearDown() override
    {
        for (const char* link : kLoopLinks) {
            if (m_common.Owned() && !UnderWineRun("/bin/rm", m_common.Path() + link, false))
                RemoveDirectoryA((m_common.Path() + link).c_str());
        }
    }

    void Register(const std::string& exe, const std::string& friendly, const std::string& command, DWORD type = REG_SZ)
    {
        m_keys.SetValue("Applications\\" + exe + "\\Shell", "FriendlyCache", friendly);
        m_keys.SetValue("Applications\\" + exe + "\\Shell\\Open\\Command", "", command, type);
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
    OwnedFolder m_installer;
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
    CProgressDlg::RunWhile(nullptr, InstallFolder(), "Finding programs",
                           [&] { ProgramDiscovery().Discover(m_items, list); });
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
    char systemRoot[MAX_PATH] = {};
    GetEnvironmentVariableA("SystemRoot", systemRoot, MAX_PATH);
    ASSERT_EQ(Rows(list, "TavTest Expand").size(), 1u);
    EXPECT_EQ(list.At(Rows(list, "TavTest Expand")[0]).command, std::string(systemRoot) + "\\TavTest\\expand.exe");
    ASSERT_EQ(Rows(list, "TavTest Middle").size(), 1u);
    EXPECT_EQ(list.At(Rows(list, "TavTest Middle")[0]).command, "C:\\TavTest\\middle.exe  -n");
    // The damaged shortcut was never handed to the link object, which would have claimed
    // gigabytes for it.
    PROCESS_MEMORY_COUNTERS memory{};
    ASSERT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory)));
    EXPECT_LT(memory.PeakWorkingSetSize, SIZE_T(1) << 30);

    EXPECT_LT(one[0], Rows(list, "TavTest Tool")[0]) << "registered applications come first";
    EXPECT_LT(Rows(list, "TavTest Deep")[0], Rows(list, "TavTest User")[0]) << "the user's menu comes last";

    for (const char* absent : {"TavTest Readme", "TavTest Args", "TavTest Known", "Sub", "Deeper", "Other",
                               "TavTest Slash", "TavTest Quoted Slash", "TavTest Damaged", "Loop", "a"})
        EXPECT_TRUE(Rows(list, absent).empty()) << absent;
    for (size_t i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.At(i).command.find("plain.exe"), std::string::npos) << "no FriendlyCache, not offered";
}
