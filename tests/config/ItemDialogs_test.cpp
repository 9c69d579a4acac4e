#include "ConfigWindowTest.h"
#include "data/dialogs/ClipItemDlg.h"
#include "data/dialogs/ItemInfoDlg.h"

#include <filesystem>

namespace {
void Press(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// The item dialogs are the configuration window's: the same paths and message boxes.
using ItemDialogsTest = ConfigWindowTest;
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
                             PutClipboardText(hwnd, "first");
                             Press(hwnd, IDC_CLIP_MODIFY);
                             PutClipboardText(hwnd, "second text");
                             Press(hwnd, IDC_CLIP_MODIFY);
                             SetDlgItemTextA(hwnd, IDC_CLIP_NAME, "  Renamed ");
                             Press(hwnd, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(twice.Name, "Renamed");
    EXPECT_EQ(twice.SnapshotPath, twice.FreshPath());
    // The former snapshot and the first of the two taken are gone.
    std::vector<std::filesystem::path> snapshots;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path())) {
        if (entry.path().extension() == ".stx")
            snapshots.push_back(entry.path());
    }
    EXPECT_EQ(snapshots, std::vector<std::filesystem::path>{twice.SnapshotPath});
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
}

TEST_F(ItemDialogsTest, ItemInfoValidatesAndKeepsFixedCommands)
{
    std::vector<std::string> ran;
    CItemInfoDlg fixed(nullptr);
    fixed.Name = "Panel";
    fixed.Command = "Command";
    fixed.Editable = false;
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
