#include "TempFolder.h"
#include "WinTestSupport.h"
#include "app/Launcher.h"
#include "config/ComposedItem.h"
#include "config/ConfigDlg.h"
#include "data/CatalogData.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {
const char* const kA = "AAAAAAAA-1111-4111-8111-000000000001";

ShortcutItem MakeItem(const std::string& name)
{
    ShortcutItem item;
    item.Name = name;
    item.ShortName = name.substr(0, 2);
    item.guid = "GUID-" + name;
    item.ExePath = "C:\\" + name + ".exe";
    return item;
}

std::string Text(const char* key)
{
    return GetTipText(key);
}

// Catalog A holds Alpha, Beta and Delta; catalog B Gamma and Delta.
class ConfigComposedTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        m_paths = InstallPaths::In(DistFolder());
        m_paths.itemsFile = m_folder.File("Shortcut2.dat");
        m_paths.catalogsFile = m_folder.File("Shortcut2.clg");
        m_paths.dataFolder = m_folder.Path().string();
        g_itemList.Clear();
        for (const char* name : {"Alpha", "Beta", "Gamma", "Delta"})
            g_itemList.Append(MakeItem(name));
        const std::string root = kRootNodeId;
        WriteBytes(m_paths.catalogsFile,
                   root + "|CatA|" + kA + "|0,1,3\\" + root + "|CatB|BBBBBBBB-2222-4222-8222-000000000002|2,3");
        CApplication::SetMessageBoxResponder([this](const std::string& prompt, UINT) {
            m_messages.push_back(prompt);
            return IDYES;
        });
    }
    void TearDown() override { CApplication::SetMessageBoxResponder(nullptr); }

    // Runs `body` in the loaded window with catalog A listed.
    void Run(const std::function<void()>& body)
    {
        CConfigDlg dialog(nullptr, m_paths);
        dialog.DiscoverPrograms = [](ProgramList&) {};
        dialog.RunCommandsInTurn = RunCommandsInTurn;
        bool ran = false;
        std::function<void()> poll = [&] {
            if (!dialog.IsLoaded())
                return RunSoon(poll, 50);
            m_dialog = &dialog;
            TreeView_SelectItem(dialog.Item(IDC_CFG_TREE), dialog.Catalogs().NodeOf(dialog.Model().Find(kA)));
            body();
            ran = true;
            Click(IDC_CFG_CANCEL);
        };
        RunSoon(poll, 50);
        dialog.DoModal();
        ASSERT_TRUE(ran) << "the window never loaded";
    }
    void Click(int id) { SendMessageA(m_dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Check(bool composed) { CheckDlgButton(m_dialog->Hwnd(), IDC_CFG_COMPOSED_CHECK, composed); }
    bool Checked() { return IsDlgButtonChecked(m_dialog->Hwnd(), IDC_CFG_COMPOSED_CHECK) == BST_CHECKED; }
    void SelectRows(CSkinListCtrl& list, std::vector<int> rows)
    {
        list.ClearSelection();
        for (int row : rows)
            list.SelectRow(row);
        if (!rows.empty())
            SendMessageA(m_dialog->Hwnd(), CSkinListCtrl::kRowSelectedMessage, rows.front(),
                         reinterpret_cast<LPARAM>(list.Hwnd()));
    }
    std::vector<std::string> RowTexts(CSkinListCtrl& list)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts.push_back(list.GetItemText(row, 0));
        return texts;
    }
    std::string ComposedName()
    {
        char text[256] = {};
        GetDlgItemTextA(m_dialog->Hwnd(), IDC_CFG_COMPOSED_NAME, text, sizeof(text));
        return text;
    }

    TempFolder m_folder;
    InstallPaths m_paths;
    CConfigDlg* m_dialog = nullptr;
    std::vector<std::string> m_messages;
};
} // namespace

TEST_F(ConfigComposedTest, BuildCreateTwiceLoadReorderSaveLeaveAndCtrlS)
{
    Run([&] {
        CSkinListCtrl& items = m_dialog->ItemRows();
        CSkinListCtrl& entries = m_dialog->ComposedRows();
        Check(true);
        SelectRows(items, {0});
        Click(IDC_CFG_ADD_TO_COMPOSED);
        EXPECT_EQ(ComposedName(), "Alpha");
        SelectRows(items, {0, 1});
        Click(IDC_CFG_ADD_TO_COMPOSED);
        EXPECT_EQ(RowTexts(entries), (std::vector<std::string>{"Alpha", "Beta"}));

        Check(false);
        Click(IDC_CFG_COMP_CREATE);
        Check(true);
        SetDlgItemTextA(m_dialog->Hwnd(), IDC_CFG_COMPOSED_NAME, "  Pair ");
        Click(IDC_CFG_COMP_CREATE);
        Click(IDC_CFG_COMP_CREATE);
        EXPECT_EQ(m_messages, (std::vector<std::string>{Text("CheckComposedItem"), Text("CreatedSuccessfully"),
                                                        Text("CreatedSuccessfully")}));
        ASSERT_EQ(g_itemList.Count(), 6u);
        for (size_t index : {4u, 5u}) {
            EXPECT_EQ(g_itemList.At(index).Name, "+ Pair");
            EXPECT_EQ(g_itemList.At(index).ExePath, "Alpha\r\nBeta^^^C:\\Alpha.exe\r\nC:\\Beta.exe");
        }
        EXPECT_EQ(RowTexts(items), (std::vector<std::string>{"Alpha", "Beta", "Delta", "+ Pair", "+ Pair"}));

        // Composed items are not nested.
        m_messages.clear();
        SelectRows(items, {3});
        Click(IDC_CFG_ADD_TO_COMPOSED);
        EXPECT_EQ(m_messages, std::vector<std::string>{Text("AddComposedToComp")});

        // Browsing loads a composed item and ticks the box; the arrows move the last clicked entry.
        Check(false);
        SelectRows(items, {0});
        EXPECT_TRUE(RowTexts(entries).empty());
        SelectRows(items, {3});
        EXPECT_TRUE(Checked());
        EXPECT_EQ(ComposedName(), "Pair");
        SelectRows(entries, {1});
        Click(IDC_CFG_COMP_DOWN);
        Click(IDC_CFG_COMP_UP);
        EXPECT_EQ(RowTexts(entries), (std::vector<std::string>{"Beta", "Alpha"}));
        m_messages.clear();
        Click(IDC_CFG_COMP_SAVE);
        EXPECT_EQ(m_messages, std::vector<std::string>{Text("SavedSucess")});
        EXPECT_EQ(g_itemList.At(4).ExePath, "Beta\r\nAlpha^^^C:\\Beta.exe\r\nC:\\Alpha.exe");

        // Leaving it changed in browsing mode asks, and Yes with a new name makes a new item.
        SetDlgItemTextA(m_dialog->Hwnd(), IDC_CFG_COMPOSED_NAME, "Trio");
        Check(false);
        m_messages.clear();
        SelectRows(items, {1});
        EXPECT_EQ(m_messages, (std::vector<std::string>{Text("SaveData"), Text("CreatedSuccessfully")}));
        ASSERT_EQ(g_itemList.Count(), 7u);
        EXPECT_EQ(g_itemList.At(6).Name, "+ Trio");
        EXPECT_EQ(g_itemList.At(6).ShortName, "TRIO");

        Check(true);
        Click(IDC_CFG_COMP_CLEAR);
        EXPECT_TRUE(RowTexts(entries).empty());
        m_messages.clear();
        Click(IDC_CFG_COMP_EDIT);
        EXPECT_EQ(m_messages, std::vector<std::string>{Text("SelectComposedItem")});

        // Ctrl+S with the box unchecked saves the rest without a word.
        Check(false);
        m_messages.clear();
        SendMessageA(m_dialog->Hwnd(), WM_HOTKEY, CConfigDlg::kSaveHotkeyId, 0);
        EXPECT_TRUE(m_messages.empty());
    });
    ItemList saved;
    ASSERT_TRUE(LoadItems(m_paths.itemsFile, saved));
    EXPECT_EQ(saved.Count(), 7u);
}

TEST_F(ConfigComposedTest, TestCompStartsTheEntriesInOrder)
{
    const std::string marker = m_folder.File("starts.txt");
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string programs = std::string(self).substr(0, std::string(self).rfind('\\'));
    const char* const names[] = {"first.exe", "second.exe", "third.exe"};
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(CopyFileA((programs + "\\marker.exe").c_str(), m_folder.File(names[i]).c_str(), FALSE));
        g_itemList.At(i == 2 ? 3 : i).ExePath = m_folder.File(names[i]);
    }
    // The first start of a program under Wine is slow enough to overtake the next one.
    HANDLE warm = StartProcess("\"" + m_folder.File(names[0]) + "\" " + m_folder.File("warm.txt"));
    ASSERT_NE(warm, nullptr);
    WaitForSingleObject(warm, 30000);
    CloseHandle(warm);
    SetEnvironmentVariableA("TAV_MARKER", marker.c_str());
    Run([&] {
        SelectRows(m_dialog->ItemRows(), {0, 1, 2});
        Click(IDC_CFG_ADD_TO_COMPOSED);
        ASSERT_EQ(m_dialog->ComposedRows().GetItemCount(), 3);
        Click(IDC_CFG_COMP_TEST);
        PumpUntil(
            [&] {
                const std::string lines = ReadBytes(marker);
                return std::count(lines.begin(), lines.end(), '\n') >= 3;
            },
            20000);
    });
    SetEnvironmentVariableA("TAV_MARKER", nullptr);
    const std::string started = ReadBytes(marker);
    size_t at = 0;
    for (const char* name : names)
        EXPECT_NE(at = started.find(name, at), std::string::npos) << name << " in order in " << started;
    // The items themselves are not touched by a trial run.
    EXPECT_EQ(g_itemList.Count(), 4u);
}

namespace {
BOOL CALLBACK FindSettingsDialog(HWND window, LPARAM out)
{
    if (GetDlgItem(window, IDC_REPLACE_PATH_FIND) == nullptr)
        return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}

// Answers the settings dialog of the next batch replace with these texts.
void AnswerReplaceSettings(HWND owner, std::vector<std::pair<int, const char*>> texts, bool all, bool& answered,
                           int triesLeft = 40)
{
    RunSoon([=, &answered] {
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindSettingsDialog, reinterpret_cast<LPARAM>(&found));
        if (found == nullptr || GetWindow(found, GW_OWNER) != owner) {
            if (triesLeft > 0)
                AnswerReplaceSettings(owner, texts, all, answered, triesLeft - 1);
            return;
        }
        for (const auto& [id, text] : texts)
            SetDlgItemTextA(found, id, text);
        CheckDlgButton(found, IDC_REPLACE_ALL, all);
        answered = true;
        SendMessageA(GetDlgItem(found, IDOK), BM_CLICK, 0, 0);
    });
}
} // namespace

TEST_F(ConfigComposedTest, BatchReplaceInSelectedRowsEveryRowOrEveryItem)
{
    const std::string ini = DistFolder() + "\\Config.ini";
    const bool iniWasThere = GetFileAttributesA(ini.c_str()) != INVALID_FILE_ATTRIBUTES;
    Run([&] {
        HWND hwnd = m_dialog->Hwnd();
        bool answered = false;
        SelectRows(m_dialog->ItemRows(), {0, 2});
        AnswerReplaceSettings(hwnd,
                              {{IDC_REPLACE_NAME_FIND, "a"},
                               {IDC_REPLACE_NAME_WITH, "o"},
                               {IDC_REPLACE_PATH_FIND, "C:\\"},
                               {IDC_REPLACE_PATH_WITH, "D:\\"}},
                              false, answered);
        Click(IDC_CFG_BATCH);
        EXPECT_TRUE(answered);
        EXPECT_EQ(RowTexts(m_dialog->ItemRows()), (std::vector<std::string>{"Alpho", "Beta", "Delto"}));
        EXPECT_EQ(g_itemList.At(3).ExePath, "D:\\Delta.exe");
        EXPECT_EQ(g_itemList.At(1).ExePath, "C:\\Beta.exe");

        answered = false;
        m_dialog->ItemRows().ClearSelection();
        AnswerReplaceSettings(
            hwnd, {{IDC_REPLACE_SHORTNAME_FIND, "e"}, {IDC_REPLACE_SHORTNAME_WITH, "E"}, {IDC_REPLACE_PATH_FIND, "x"}},
            false, answered);
        Click(IDC_CFG_BATCH);
        EXPECT_TRUE(answered);
        EXPECT_EQ(g_itemList.At(1).ShortName, "BE");
        EXPECT_EQ(g_itemList.At(3).ShortName, "DE");
        EXPECT_EQ(g_itemList.At(2).ShortName, "Ga");
        EXPECT_EQ(g_itemList.At(1).ExePath, "C:\\Beta.exe");

        answered = false;
        AnswerReplaceSettings(
            hwnd, {{IDC_REPLACE_NAME_FIND, "m"}, {IDC_REPLACE_NAME_WITH, "M"}, {IDC_REPLACE_PATH_FIND, "x"}}, true,
            answered);
        Click(IDC_CFG_BATCH);
        EXPECT_TRUE(answered);
        EXPECT_EQ(g_itemList.At(2).Name, "GaMMa");
        EXPECT_EQ(m_messages, (std::vector<std::string>(3, Text("BatchReplace"))));
    });
    if (!iniWasThere)
        DeleteFileA(ini.c_str());
}
