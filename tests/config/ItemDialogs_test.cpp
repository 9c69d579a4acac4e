#include "DialogHost.h"
#include "TempFolder.h"
#include "WinTestSupport.h"
#include "data/dialogs/ClipItemDlg.h"
#include "data/dialogs/ItemInfoDlg.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {
void PutTextOnClipboard(const char* text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(GlobalLock(memory), text, std::strlen(text) + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

size_t FilesIn(const std::filesystem::path& folder)
{
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        count += entry.path().extension() == ".stx";
    return count;
}

void Press(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

class ItemDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        m_paths = InstallPaths::In(DistFolder());
        m_paths.dataFolder = m_folder.Path().string();
        CApplication::SetMessageBoxResponder([this](const std::string& prompt, UINT) {
            m_messages.push_back(prompt);
            return IDOK;
        });
    }
    void TearDown() override { CApplication::SetMessageBoxResponder(nullptr); }

    TempFolder m_folder;
    InstallPaths m_paths;
    std::vector<std::string> m_messages;
};
} // namespace

TEST_F(ItemDialogsTest, ClipboardSnapshotLivesOnlyThroughOk)
{
    const std::string former = m_folder.File("former.stx");
    WriteBytes(former, "old snapshot");
    CClipItemDlg twice(nullptr, m_paths);
    twice.Name = "Clip";
    twice.SnapshotPath = former;
    EXPECT_EQ(HostDialog(twice,
                         [&](HWND hwnd) {
                             PutTextOnClipboard("first");
                             Press(hwnd, IDC_CLIP_MODIFY);
                             PutTextOnClipboard("second text");
                             Press(hwnd, IDC_CLIP_MODIFY);
                             SetDlgItemTextA(hwnd, IDC_CLIP_NAME, "  Renamed ");
                             Press(hwnd, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(twice.Name, "Renamed");
    EXPECT_EQ(twice.SnapshotPath, twice.FreshPath());
    EXPECT_FALSE(FileExists(former));
    EXPECT_EQ(FilesIn(m_folder.Path()), 1u);
    EXPECT_NE(ReadBytes(twice.SnapshotPath).find("second text"), std::string::npos);

    CClipItemDlg cancelled(nullptr, m_paths);
    cancelled.Name = "Clip";
    cancelled.SnapshotPath = twice.SnapshotPath;
    HostDialog(cancelled, [&](HWND hwnd) {
        Press(hwnd, IDC_CLIP_MODIFY);
        EXPECT_TRUE(FileExists(cancelled.FreshPath()));
        Press(hwnd, IDCANCEL);
    });
    EXPECT_FALSE(FileExists(cancelled.FreshPath()));
    EXPECT_TRUE(FileExists(twice.SnapshotPath));

    CClipItemDlg fresh(nullptr, m_paths);
    HostDialog(fresh, [&](HWND hwnd) {
        Press(hwnd, IDOK);
        EXPECT_EQ(m_messages.back(), GetTipText("NameEmpty"));
        SetDlgItemTextA(hwnd, IDC_CLIP_NAME, "New clip");
        Press(hwnd, IDOK);
    });
    EXPECT_EQ(fresh.SnapshotPath, "");
}

TEST_F(ItemDialogsTest, ItemInfoValidatesAndKeepsFixedCommands)
{
    CItemInfoDlg fixed(nullptr);
    fixed.Name = "Panel";
    fixed.Command = "Command";
    fixed.Editable = false;
    std::vector<std::string> ran;
    fixed.RunProgram = [&](const std::string& command) { ran.push_back(command); };
    EXPECT_EQ(HostDialog(fixed,
                         [&](HWND hwnd) {
                             EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDC_INFO_COMMAND)));
                             EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDC_INFO_TEST)));
                             SetDlgItemTextA(hwnd, IDC_INFO_NAME, "+ Panel");
                             Press(hwnd, IDOK);
                             EXPECT_EQ(m_messages.back(), GetTipText("ReservedNameWord"));
                             SetDlgItemTextA(hwnd, IDC_INFO_NAME, " Panel 2 ");
                             Press(hwnd, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(fixed.Name, "Panel 2");
    EXPECT_EQ(fixed.Command, "Command");

    CItemInfoDlg custom(nullptr);
    custom.RunProgram = [&](const std::string& command) { ran.push_back(command); };
    HostDialog(custom, [&](HWND hwnd) {
        SetDlgItemTextA(hwnd, IDC_INFO_NAME, "Tool");
        Press(hwnd, IDOK);
        EXPECT_EQ(m_messages.back(), GetTipText("CommandEmpty"));
        SetDlgItemTextA(hwnd, IDC_INFO_COMMAND, " C:\\tool.exe\r\nC:\\two.exe ");
        Press(hwnd, IDC_INFO_TEST);
        Press(hwnd, IDCANCEL);
    });
    EXPECT_EQ(ran, std::vector<std::string>{"C:\\tool.exe\r\nC:\\two.exe"});
}
