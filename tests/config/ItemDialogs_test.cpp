#include "ConfigWindowTest.h"
#include "data/dialogs/ClipItemDlg.h"
#include "data/dialogs/ItemInfoDlg.h"

#include "UserInput.h"

#include <filesystem>
#include <memory>

namespace {
// The item dialogs are the configuration window's: the same paths and message boxes.
using ItemDialogsTest = ConfigWindowTest;

std::vector<std::string> SnapshotFiles(const std::filesystem::path& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".stx")
            files.push_back(entry.path().filename().string());
    }
    return files;
}
} // namespace

TEST_F(ItemDialogsTest, AFormerSnapshotGoesOnlyWhenTheEditIsSaved)
{
    const std::string former = m_folder.File("former.stx");
    WriteBytes(former, "old snapshot");
    ShortcutItem clip;
    clip.Name = "Clip";
    clip.ExePath = former;
    g_itemList.Append(clip);
    std::string fresh;
    // Double-clicks the clipboard item, takes the clipboard into it, types a name and ends the
    // dialog with `key` (Enter or Escape).
    auto edit = [&](CConfigDlg& dialog, const std::string& name, UINT key) {
        auto answered = AnswerWhenOpen(dialog.Hwnd(), IDC_CLIP_MODIFY, [&](HWND clipDialog) {
            PutClipboardText(clipDialog, "taken " + name);
            ClickButton(clipDialog, IDC_CLIP_MODIFY);
            TypeOver(GetDlgItem(clipDialog, IDC_CLIP_NAME), name);
            PressKey(GetDlgItem(clipDialog, IDC_CLIP_NAME), key);
        });
        DoubleClickRow(dialog.ItemRows().Hwnd(), 4);
        EXPECT_TRUE(*answered) << "the clipboard item dialog never opened";
    };
    Run([&](CConfigDlg& dialog, HWND) {
        edit(dialog, "Dropped", VK_ESCAPE);
        edit(dialog, "Beta", VK_RETURN);
        EXPECT_EQ(m_messages, std::vector<std::string>{Text("NameExists")});
        EXPECT_EQ(g_itemList.At(4).ExePath, former);
        EXPECT_EQ(SnapshotFiles(m_folder.Path()), std::vector<std::string>{"former.stx"}) << "the fresh ones went";
        edit(dialog, "Clip 2", VK_RETURN);
        fresh = g_itemList.At(4).ExePath;
        EXPECT_NE(fresh, former);
        EXPECT_TRUE(FileExists(former)) << "nothing is saved yet";
    });
    EXPECT_EQ(SnapshotFiles(m_folder.Path()), std::vector<std::string>{"former.stx"}) << "left without saving";
    EXPECT_EQ(ReadBytes(former), "old snapshot");

    g_itemList.At(4).ExePath = former;
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        edit(dialog, "Clip 3", VK_RETURN);
        fresh = g_itemList.At(4).ExePath;
        ClickButton(hwnd, IDC_CFG_SAVE);
    });
    EXPECT_FALSE(FileExists(former));
    EXPECT_NE(ReadBytes(fresh).find("taken Clip 3"), std::string::npos);
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
                             ClickButton(hwnd, IDOK);
                             EXPECT_EQ(m_messages.back(), GetTipText("ReservedNameWord"));
                             SetDlgItemTextA(hwnd, IDC_INFO_NAME, " Panel 2 ");
                             ClickButton(hwnd, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(fixed.Name, "Panel 2");
    EXPECT_EQ(fixed.Command, "Command");

    CItemInfoDlg custom(nullptr);
    custom.RunProgram = [&](const std::string& command) { ran.push_back(command); };
    HostDialog(custom, [&](HWND hwnd) {
        SetDlgItemTextA(hwnd, IDC_INFO_NAME, "Tool");
        ClickButton(hwnd, IDOK);
        EXPECT_EQ(m_messages.back(), GetTipText("CommandEmpty"));
        SetDlgItemTextA(hwnd, IDC_INFO_COMMAND, " C:\\tool.exe\r\nC:\\two.exe ");
        ClickButton(hwnd, IDC_INFO_TEST);
        ClickButton(hwnd, IDCANCEL);
    });
    EXPECT_EQ(ran, std::vector<std::string>{"C:\\tool.exe\r\nC:\\two.exe"});
}
