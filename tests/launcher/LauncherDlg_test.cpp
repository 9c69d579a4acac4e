// The quick-launch window driven in-process: real controls, real data files, real hotkeys.
#include "UserInput.h"
#include "app/HotkeyIds.h"
#include "app/ItemHotkeys.h"
#include "app/LauncherApp.h"
#include "app/LauncherDlg.h"
#include "ui/TipText.h"
#include "data/CatalogData.h"
#include "data/HandOff.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "resource.h"
#include "ui/wnd/InstallFolder.h"

#include "DialogHost.h"
#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {
const char kToolsId[] = "11111111-2222-3333-4444-555555555555";
const char kEmptyId[] = "66666666-7777-8888-9999-000000000000";

ShortcutItem Item(const std::string& name, const std::string& shortName, const std::string& exePath,
                  const std::string& hotkey1 = "", const std::string& hotkey2 = "")
{
    ShortcutItem item;
    item.Name = name;
    item.ShortName = shortName;
    item.Hotkey1 = hotkey1;
    item.Hotkey2 = hotkey2;
    item.Description = name + " described";
    item.guid = "ABCDEF01-2345-6789-ABCD-EF0123456789";
    item.ExePath = exePath;
    return item;
}

class LauncherDlgTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_savedFolder = InstallFolder();
        SetInstallFolder(m_folder.Path().string());
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        m_marker = m_folder.File("marker.txt");
        SetEnvironmentVariableA("TAV_MARKER", m_marker.c_str());
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("TAV_MARKER", nullptr);
        SetInstallFolder(m_savedFolder);
        CApplication::SetMessageBoxResponder(nullptr);
    }

    void WriteData(const std::vector<ShortcutItem>& items, const std::string& catalogs)
    {
        ItemList list;
        for (const ShortcutItem& item : items)
            list.Append(item);
        ASSERT_TRUE(SaveItems(m_folder.File("Shortcut2.dat"), list));
        WriteBytes(m_folder.File("Shortcut2.clg"), catalogs);
    }

    // Runs the window modally and calls `steps` once it is up; the window is closed afterwards.
    void RunWindow(const std::function<void(CLauncherDlg&)>& steps)
    {
        CLauncherDlg dialog(InstallPaths::In(m_folder.Path().string()));
        TheApp().SetMainDialog(&dialog);
        HostDialog(dialog, [&](HWND) { steps(dialog); });
        TheApp().SetMainDialog(nullptr);
    }

    std::string MarkerProgram() const { return BesideTestProgram("marker.exe"); }

    TempFolder m_folder;
    std::string m_savedFolder;
    std::string m_marker;
};

std::vector<std::string> Column(CSkinListCtrl& list, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.push_back(list.GetItemText(row, column));
    return texts;
}

std::string SelectedText(CSkinListCtrl& list)
{
    const int row = list.GetFirstSelected();
    return row < 0 ? std::string("(none)") : list.GetItemText(row, 0);
}

void Type(HWND dialog, int box, const char* text)
{
    TypeOver(GetDlgItem(dialog, box), text);
}

} // namespace

TEST_F(LauncherDlgTest, CatalogsSearchAndEnterStartTheChosenItem)
{
    WriteData({Item("Notepad Plus", "Notepad", "c:\\nothing\\notepad.exe"), Item("Node", "nod", MarkerProgram()),
               Item("Other", "O", "c:\\nothing\\other.exe"), Item("Gamma", "", "c:\\nothing\\g.exe")},
              std::string(kRootNodeId) + "|Tools|" + kToolsId + "|0,,2,3,9\\" + kRootNodeId + "|Empty|" + kEmptyId);
    RunWindow([&](CLauncherDlg& dialog) {
        HWND hwnd = dialog.Hwnd();
        HWND edit = GetDlgItem(hwnd, IDC_SHORTNAME_EDIT);
        CCatalogTreeView& catalogs = dialog.Catalogs();
        CSkinListCtrl& shortList = dialog.ShortNameList();
        auto choose = [&](HTREEITEM node) {
            ASSERT_NE(node, nullptr);
            SendMessageA(catalogs.Hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
        };
        // All catalogs: every item with a name, sorted.
        EXPECT_EQ(Column(dialog.NameList(), 0), (std::vector<std::string>{"Gamma", "Node", "Notepad Plus", "Other"}));
        // Gamma has no short name and 9 names no item: both stay out of a catalog's lists.
        choose(catalogs.NodeOf(dialog.CatalogModel().Find(kToolsId)));
        EXPECT_EQ(Column(dialog.NameList(), 0), (std::vector<std::string>{"Notepad Plus", "Other"}));
        EXPECT_EQ(Column(shortList, 3), (std::vector<std::string>{"0", "2"}));
        choose(catalogs.NodeOf(dialog.CatalogModel().Find(kEmptyId)));
        EXPECT_EQ(dialog.NameList().GetItemCount(), 0);
        choose(catalogs.Root());
        // Sorted byte-wise: upper case first.
        EXPECT_EQ(Column(shortList, 0), (std::vector<std::string>{"Notepad", "O", "nod"}));

        // Enter in a blank box, Escape, and the boxes filled by ShowItemDetails start nothing.
        Type(hwnd, IDC_SHORTNAME_EDIT, "   ");
        PressKey(edit, VK_RETURN);
        Type(hwnd, IDC_SHORTNAME_EDIT, "");
        PressKey(edit, VK_RETURN);
        PressKey(edit, VK_ESCAPE);
        dialog.ShowItemDetails(1);
        EXPECT_EQ(TextOf(hwnd, IDC_SHORTNAME_EDIT), "nod");
        EXPECT_FALSE(IsWindowVisible(shortList.Hwnd()));
        EXPECT_FALSE(IsWindowVisible(dialog.NameList().Hwnd()));
        PumpFor(800);
        EXPECT_FALSE(FileExists(m_marker));

        // Typing selects the first row that starts with the text, ignoring case.
        Type(hwnd, IDC_SHORTNAME_EDIT, "N");
        EXPECT_TRUE(IsWindowVisible(shortList.Hwnd()));
        EXPECT_EQ(SelectedText(shortList), "Notepad");
        Type(hwnd, IDC_SHORTNAME_EDIT, "NO");
        EXPECT_EQ(SelectedText(shortList), "Notepad");
        Type(hwnd, IDC_SHORTNAME_EDIT, "nod");
        EXPECT_EQ(SelectedText(shortList), "nod");
        // A click on a row of the open list shows that row's item, as a keyboard choice would.
        RECT row{};
        row.left = LVIR_BOUNDS;
        ASSERT_TRUE(SendMessageA(shortList.Hwnd(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)));
        PostMessageA(shortList.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(row.left + 4, (row.top + row.bottom) / 2));
        PumpFor(100);
        EXPECT_FALSE(IsWindowVisible(shortList.Hwnd()));
        EXPECT_EQ(dialog.CurrentIndex(), 2);

        // While typing, blanks count: " nod " matches nothing and the choice stays.
        Type(hwnd, IDC_SHORTNAME_EDIT, "O");
        Type(hwnd, IDC_SHORTNAME_EDIT, " nod ");
        EXPECT_EQ(SelectedText(shortList), "O");
        EXPECT_FALSE(FileExists(m_marker));
        // Enter trims them, finds "nod" and starts it.
        PressKey(edit, VK_RETURN);
        EXPECT_FALSE(IsWindowVisible(shortList.Hwnd()));
        EXPECT_EQ(dialog.CurrentIndex(), 1);
        EXPECT_TRUE(WaitForFile(m_marker, 10000));
    });
}

// Starting an item by its hotkey and the toggle hotkey are driven end to end.
TEST_F(LauncherDlgTest, ItemHotkeysTakeFreshIdsAtEveryReloadAndTheTrayLeavesTheToggleAlone)
{
    std::vector<ShortcutItem> items;
    for (const char* key : {"F2", "F3", "F4", "F5", "F6"})
        items.push_back(Item(std::string("Item ") + key, key, "c:\\x.exe", "Alt", key));
    items.push_back(Item("Lower modifier", "lm", "c:\\x.exe", "ctrl", "F9"));
    items.push_back(Item("Lower key", "lk", "c:\\x.exe", "Ctrl", "q"));
    items.push_back(Item("No hotkey", "nh", "c:\\x.exe", "No Hotkey1", "F10"));
    WriteData(items, "");
    g_nextHotkeyId = 0xA001;
    RunWindow([&](CLauncherDlg& dialog) {
        EXPECT_EQ(g_hotkeyIds, (std::vector<uint32_t>{0xA002, 0xA003, 0xA004, 0xA005, 0xA006, 0xA007}));
        EXPECT_EQ(g_hotkeyItems, (std::vector<uint32_t>{0, 1, 2, 3, 4, 5}));
        // "ctrl" in lower case holds Ctrl+F9 for us: nobody else can have it now.
        EXPECT_FALSE(RegisterHotKey(nullptr, 0xB000, MOD_CONTROL, VK_F9));
        EXPECT_TRUE(RegisterHotKey(nullptr, 0xB001, MOD_CONTROL, 'Q'));
        UnregisterHotKey(nullptr, 0xB001);
        dialog.UnregisterItemHotkeys();
        EXPECT_TRUE(g_hotkeyIds.empty());
        dialog.ReloadItems();
        dialog.RegisterItemHotkeys();
        EXPECT_EQ(g_hotkeyIds.front(), 0xA008u);
        EXPECT_EQ(g_hotkeyIds.back(), 0xA00Du);
        dialog.UnregisterItemHotkeys();

        // Hidden by the toggle, the tray icon brings the window back without touching the toggle.
        HWND hwnd = dialog.Hwnd();
        PostThreadMessageA(GetCurrentThreadId(), WM_HOTKEY, 0xA001, 0);
        PostThreadMessageA(GetCurrentThreadId(), WM_HOTKEY, 0xA001, 0);
        PumpFor(200);
        ASSERT_FALSE(IsWindowVisible(hwnd));
        PostMessageA(hwnd, 0x405, 0x8F, WM_LBUTTONDOWN);
        PumpFor(200);
        EXPECT_TRUE(IsWindowVisible(hwnd));
        EXPECT_TRUE(dialog.NextToggleShows());
    });
}

TEST_F(LauncherDlgTest, CloseButtonHidesOnEscapeAndEndsOnNo)
{
    WriteData({}, "");
    std::vector<std::string> asked;
    CApplication::SetMessageBoxResponder([&](const std::string& prompt, UINT type) {
        asked.push_back(prompt);
        EXPECT_EQ(type & 0xF, static_cast<UINT>(MB_YESNO));
        // Escape on the question gives no answer: the program must stay, hidden.
        return asked.size() == 1 ? IDCANCEL : IDNO;
    });
    CLauncherDlg dialog(InstallPaths::In(m_folder.Path().string()));
    EXPECT_EQ(HostDialog(dialog,
                         [&](HWND hwnd) {
                             SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_EXIT_BUTTON, BN_CLICKED), 0);
                             EXPECT_FALSE(IsWindowVisible(hwnd));
                             SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_EXIT_BUTTON, BN_CLICKED), 0);
                             EXPECT_FALSE(dialog.IsRunning()) << "No ends the program";
                         }),
              IDCANCEL);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], GetTipText("HideProgram"));
}

TEST_F(LauncherDlgTest, MissingOrDamagedFilesOpenWithWhatCanBeRead)
{
    RunWindow([&](CLauncherDlg& dialog) {
        EXPECT_EQ(dialog.ShortNameList().GetItemCount(), 0);
        EXPECT_EQ(dialog.CatalogModel().Count(), 0u);
    });
    ItemList list;
    list.Append(Item("Whole", "w", "c:\\w.exe"));
    list.Append(Item("Cut", "c", "c:\\c.exe"));
    std::string bytes = EncodeItemsFile(list);
    WriteBytes(m_folder.File("Shortcut2.dat"), bytes.substr(0, bytes.size() - 5));
    WriteBytes(m_folder.File("Shortcut2.clg"), std::string(kRootNodeId) + "|Tools|" + kToolsId + "|0\\|bad|x");
    RunWindow([&](CLauncherDlg& dialog) {
        EXPECT_EQ(Column(dialog.NameList(), 0), (std::vector<std::string>{"Whole"}));
        EXPECT_EQ(dialog.CatalogModel().Count(), 1u);
    });
}

TEST_F(LauncherDlgTest, AddItemDialogBlocksTheMainWindowAndASecondRequestWaitsItsTurn)
{
    WriteData({}, "");
    int checks = 0;
    std::vector<std::string> opened;
    RunWindow([&](CLauncherDlg& dialog) {
        HWND main = dialog.Hwnd();
        auto answerSecond = [&] {
            return AnswerWhenOpen(main, IDC_ADDITEM_NAME, [&](HWND second) {
                opened.push_back(TextOf(second, IDC_ADDITEM_NAME));
                PressKey(GetDlgItem(second, IDC_ADDITEM_NAME), VK_ESCAPE);
            });
        };
        std::shared_ptr<bool> secondAnswered;
        auto firstAnswered = AnswerWhenOpen(main, IDC_ADDITEM_NAME, [&](HWND addItem) {
            opened.push_back(TextOf(addItem, IDC_ADDITEM_NAME));
            EXPECT_EQ(GetWindow(addItem, GW_OWNER), main);
            EXPECT_FALSE(IsWindowEnabled(main));
            // A second request while the dialog is open opens no other dialog now, but after it.
            WriteHandOffRequest({"Second", "", "", "C:\\second.exe"});
            SendMessageA(main, kHandOffRequestMessage, 0, 0);
            EXPECT_EQ(GetLastActivePopup(main), addItem);
            ++checks;
            secondAnswered = answerSecond();
            PressKey(GetDlgItem(addItem, IDC_ADDITEM_NAME), VK_ESCAPE);
        });
        WriteHandOffRequest({"First", "", "", "C:\\first.exe"});
        SendMessageA(main, kHandOffRequestMessage, 0, 0);
        EXPECT_TRUE(*firstAnswered) << "the add-item dialog never opened";
        EXPECT_TRUE(secondAnswered && *secondAnswered) << "the second request was dropped";
        EXPECT_TRUE(IsWindowEnabled(main));
    });
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(opened, (std::vector<std::string>{"First", "Second"}));
}

// Another program holding the clipboard through the whole capture: the user is told, and no
// item or snapshot is made that could restore nothing.
TEST_F(LauncherDlgTest, ACaptureWhileTheClipboardIsHeldSaysSoAndAddsNothing)
{
    WriteData({}, "");
    std::vector<std::string> told;
    CApplication::SetMessageBoxResponder([&](const std::string& prompt, UINT) {
        told.push_back(prompt);
        return IDOK;
    });
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool holding = false;
    std::thread holder([&] {
        holding = OpenClipboard(nullptr);
        SetEvent(held);
        WaitForSingleObject(release, 20000);
        if (holding)
            CloseClipboard();
    });
    WaitForSingleObject(held, 5000);
    EXPECT_TRUE(holding);
    RunWindow([&](CLauncherDlg& dialog) {
        auto opened = AnswerWhenOpen(dialog.Hwnd(), IDC_ADDITEM_NAME,
                                     [](HWND addItem) { PressKey(GetDlgItem(addItem, IDC_ADDITEM_NAME), VK_ESCAPE); });
        PostThreadMessageA(GetCurrentThreadId(), WM_HOTKEY, kCaptureAHotkeyId, 0);
        EXPECT_TRUE(PumpUntil([&] { return !told.empty(); }, 10000));
        EXPECT_FALSE(*opened);
    });
    SetEvent(release);
    holder.join();
    CloseHandle(held);
    CloseHandle(release);
    EXPECT_EQ(told, std::vector<std::string>{GetTipText("ClipboardBusy")});
    const std::filesystem::path data = m_folder.File("Data");
    EXPECT_TRUE(!std::filesystem::exists(data) || std::filesystem::is_empty(data));
}
