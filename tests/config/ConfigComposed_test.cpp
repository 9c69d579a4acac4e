#include "ConfigWindowTest.h"
#include "UserInput.h"
#include "config/ComposedItem.h"

#include <memory>
#include <utility>

namespace {
using ConfigComposedTest = ConfigWindowTest;
using Texts = std::vector<std::string>;

void SetComposed(HWND dialog, bool composed)
{
    if ((IsDlgButtonChecked(dialog, IDC_CFG_COMPOSED_CHECK) == BST_CHECKED) != composed)
        ClickButton(dialog, IDC_CFG_COMPOSED_CHECK);
}
} // namespace

TEST_F(ConfigComposedTest, BuildCreateTwiceBrowseReorderSaveTestAndLeave)
{
    std::vector<Texts> started;
    m_runCommands = [&](const Texts& commands) { started.push_back(commands); };
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        CSkinListCtrl& items = dialog.ItemRows();
        CSkinListCtrl& entries = dialog.ComposedRows();
        Select("CatA");
        SetComposed(hwnd, true);
        SelectRows(items, {0});
        Click(IDC_CFG_ADD_TO_COMPOSED);
        EXPECT_EQ(TextOf(hwnd, IDC_CFG_COMPOSED_NAME), "Alpha") << "the first entry names the item";
        SelectRows(items, {0, 1});
        Click(IDC_CFG_ADD_TO_COMPOSED);
        EXPECT_EQ(RowTexts(entries), (Texts{"Alpha", "Beta"}));

        SetComposed(hwnd, false);
        Click(IDC_CFG_COMP_CREATE);
        SetComposed(hwnd, true);
        TypeOver(GetDlgItem(hwnd, IDC_CFG_COMPOSED_NAME), "  Pair ");
        Click(IDC_CFG_COMP_CREATE);
        Click(IDC_CFG_COMP_CREATE);
        EXPECT_EQ(m_messages,
                  (Texts{Text("CheckComposedItem"), Text("CreatedSuccessfully"), Text("CreatedSuccessfully")}));
        ASSERT_EQ(g_itemList.Count(), 6u);
        for (size_t index : {4u, 5u}) {
            EXPECT_EQ(g_itemList.At(index).Name, "+ Pair");
            EXPECT_EQ(g_itemList.At(index).ExePath, "Alpha\r\nBeta^^^C:\\Alpha.exe\r\nC:\\Beta.exe");
        }
        EXPECT_EQ(Names(), (Texts{"Alpha", "Beta", "Delta", "+ Pair", "+ Pair"}));

        // Browsing loads a composed item and ticks the box; the arrows move the last clicked entry.
        SetComposed(hwnd, false);
        SelectRows(items, {0});
        EXPECT_TRUE(RowTexts(entries).empty());
        SelectRows(items, {3});
        EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_CFG_COMPOSED_CHECK), BST_CHECKED);
        EXPECT_EQ(TextOf(hwnd, IDC_CFG_COMPOSED_NAME), "Pair");
        SelectRows(entries, {1});
        Click(IDC_CFG_COMP_DOWN);
        Click(IDC_CFG_COMP_UP);
        EXPECT_EQ(RowTexts(entries), (Texts{"Beta", "Alpha"}));
        m_messages.clear();
        Click(IDC_CFG_COMP_SAVE);
        EXPECT_EQ(m_messages, Texts{Text("SavedSucess")});
        EXPECT_EQ(g_itemList.At(4).ExePath, "Beta\r\nAlpha^^^C:\\Beta.exe\r\nC:\\Alpha.exe");
        // "Test Comp" starts the commands in the list's order, and changes no item.
        Click(IDC_CFG_COMP_TEST);
        EXPECT_EQ(started, (std::vector<Texts>{{"C:\\Beta.exe", "C:\\Alpha.exe"}}));
        EXPECT_EQ(g_itemList.Count(), 6u);

        // Leaving it changed in browsing mode asks, and Escape (any answer but No) with a new name
        // makes a new item.
        m_answer = IDCANCEL;
        TypeOver(GetDlgItem(hwnd, IDC_CFG_COMPOSED_NAME), "Trio");
        SetComposed(hwnd, false);
        m_messages.clear();
        SelectRows(items, {1});
        EXPECT_EQ(m_messages, (Texts{Text("SaveData"), Text("CreatedSuccessfully")}));
        ASSERT_EQ(g_itemList.Count(), 7u);
        EXPECT_EQ(g_itemList.At(6).Name, "+ Trio");
        EXPECT_EQ(g_itemList.At(6).ShortName, "TRIO");
    });
}

namespace {
BOOL CALLBACK FindSettingsDialog(HWND window, LPARAM out)
{
    if (GetDlgItem(window, IDC_REPLACE_PATH_FIND) == nullptr)
        return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}

// Starts a batch replace and answers its settings dialog with `answer`; false when the dialog
// never opened over the configuration window.
bool BatchReplace(HWND owner, std::function<void(HWND settings)> answer)
{
    auto answered = std::make_shared<bool>(false);
    RunSoon([=] {
        HWND found = nullptr;
        PumpUntil(
            [&] {
                EnumThreadWindows(GetCurrentThreadId(), FindSettingsDialog, reinterpret_cast<LPARAM>(&found));
                return found != nullptr && GetWindow(found, GW_OWNER) == owner;
            },
            5000);
        if (found == nullptr)
            return;
        *answered = true;
        answer(found);
    });
    SendMessageA(owner, WM_COMMAND, MAKEWPARAM(IDC_CFG_BATCH, BN_CLICKED), 0);
    return *answered;
}

void Answer(HWND settings, std::vector<std::pair<int, const char*>> texts, int button, bool all = false)
{
    for (const auto& [id, text] : texts)
        TypeOver(GetDlgItem(settings, id), text);
    if (all)
        ClickButton(settings, IDC_REPLACE_ALL);
    ClickButton(settings, button);
}
} // namespace

TEST_F(ConfigComposedTest, BatchReplaceInSelectedRowsEveryRowOrEveryItem)
{
    const std::string ini = DistFolder() + "\\Config.ini";
    const bool iniWasThere = FileExists(ini);
    const std::string iniBefore = iniWasThere ? ReadBytes(ini) : "";
    SetChooserAnswer([](ChooserKind kind, std::string& path) {
        path = "D:\\";
        return kind == ChooserKind::Folder;
    });
    m_answer = IDCANCEL; // Escape to the question replaces, as any answer but No does
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        Select("CatA");
        SelectRows(dialog.ItemRows(), {0, 2});
        EXPECT_TRUE(BatchReplace(hwnd, [](HWND settings) {
            Answer(settings, {{IDC_REPLACE_NAME_FIND, "a"}, {IDC_REPLACE_PATH_FIND, "C:\\"}}, IDCANCEL);
        }));
        EXPECT_EQ(iniWasThere ? ReadBytes(ini) : "", iniBefore) << "a cancelled replace writes nothing";

        // A path text of blanks is refused and keeps the dialog open; the folder chooser fills
        // in the replacement; the texts are trimmed.
        EXPECT_TRUE(BatchReplace(hwnd, [](HWND settings) {
            Answer(settings,
                   {{IDC_REPLACE_NAME_FIND, "a"}, {IDC_REPLACE_NAME_WITH, "o"}, {IDC_REPLACE_PATH_FIND, "  "}}, IDOK);
            TypeOver(GetDlgItem(settings, IDC_REPLACE_PATH_FIND), " C:\\ \t");
            TypeOver(GetDlgItem(settings, IDC_REPLACE_PATH_WITH), "typed over");
            SendMessageA(GetDlgItem(settings, IDC_REPLACE_BROWSE), BM_CLICK, 0, 0);
            EXPECT_EQ(TextOf(settings, IDC_REPLACE_PATH_WITH), "D:\\");
            Answer(settings, {}, IDOK);
        }));
        EXPECT_EQ(Names(), (Texts{"Alpho", "Beta", "Delto"})) << "the selected rows only";
        EXPECT_EQ(g_itemList.At(3).ExePath, "D:\\Delta.exe");
        EXPECT_EQ(g_itemList.At(1).ExePath, "C:\\Beta.exe");
        char installPath[MAX_PATH] = {};
        GetPrivateProfileStringA("Shortcut", "InstallPath", "", installPath, MAX_PATH, ini.c_str());
        EXPECT_STREQ(installPath, "C:\\");

        // Nothing selected: every row of the list, and only those.
        dialog.ItemRows().ClearSelection();
        EXPECT_TRUE(BatchReplace(hwnd, [](HWND settings) {
            Answer(settings, {{IDC_REPLACE_PATH_FIND, "C:\\"}, {IDC_REPLACE_PATH_WITH, "E:\\"}}, IDOK);
        }));
        EXPECT_EQ(g_itemList.At(1).ExePath, "E:\\Beta.exe");
        EXPECT_EQ(g_itemList.At(2).ExePath, "C:\\Gamma.exe");

        EXPECT_TRUE(BatchReplace(hwnd, [](HWND settings) {
            Answer(settings, {{IDC_REPLACE_NAME_FIND, "m"}, {IDC_REPLACE_NAME_WITH, "M"}, {IDC_REPLACE_PATH_FIND, "x"}},
                   IDOK, true);
        }));
        EXPECT_EQ(g_itemList.At(2).Name, "GaMMa");
        EXPECT_EQ(m_messages,
                  (Texts{Text("FindWhatEmpty"), Text("BatchReplace"), Text("BatchReplace"), Text("BatchReplace")}));
    });
    if (iniWasThere)
        WriteBytes(ini, iniBefore);
    else
        DeleteFileA(ini.c_str());
}

TEST_F(ConfigComposedTest, SavesGoOnlyIntoTheLoadedItemAndEntriesKeepTheirStoredForm)
{
    const std::string pair = "Alpha\r\nBeta^^^C:\\Alpha.exe\r\nC:\\Beta.exe";
    for (const auto& [name, command] :
         std::vector<std::pair<std::string, std::string>>{{"+ Pair", pair},
                                                          {"+ Solo", "Gamma^^^C:\\Gamma.exe"},
                                                          {"Twin", "C:\\one.exe\r\nC:\\two.exe"},
                                                          {"Odd^^^Name", "C:\\odd.exe"}}) {
        ShortcutItem item;
        item.Name = name;
        item.ExePath = command;
        g_itemList.Append(item);
    }
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        HWND items = dialog.ItemRows().Hwnd();
        auto ctrlS = [&] { SendMessageA(hwnd, WM_HOTKEY, CConfigDlg::kSaveHotkeyId, 0); };
        ASSERT_EQ(Names()[4], "+ Pair");
        const RowStore& rows = dialog.ItemRows().Rows();
        EXPECT_EQ((std::vector<int>{rows.Image(5), rows.Image(6)}), (std::vector<int>{3, 2})) << "composed, then plain";
        // Pair is loaded; clicking Solo keeps the editor on Pair, and Ctrl+S leaves Solo alone.
        ClickRow(items, 4);
        EXPECT_EQ(TextOf(hwnd, IDC_CFG_COMPOSED_NAME), "Pair");
        ClickRow(items, 5);
        ctrlS();
        EXPECT_EQ(g_itemList.At(5).Name + g_itemList.At(5).ExePath, "+ SoloGamma^^^C:\\Gamma.exe");
        EXPECT_EQ(g_itemList.At(4).ExePath, pair);
        TypeOver(dialog.Item(IDC_CFG_COMPOSED_NAME), "Pair Two");
        ctrlS();
        EXPECT_EQ(g_itemList.At(4).Name, "+ Pair Two");
        EXPECT_EQ(g_itemList.At(5).Name, "+ Solo");

        // A batch replace in the shown row is not undone by Ctrl+S or "Save Comp".
        ClickRow(items, 4);
        EXPECT_TRUE(BatchReplace(hwnd, [](HWND settings) {
            Answer(settings, {{IDC_REPLACE_PATH_FIND, "C:\\"}, {IDC_REPLACE_PATH_WITH, "D:\\"}}, IDOK);
        }));
        const std::string replaced = "Alpha\r\nBeta^^^D:\\Alpha.exe\r\nD:\\Beta.exe";
        ctrlS();
        EXPECT_EQ(g_itemList.At(4).ExePath, replaced);
        m_messages.clear();
        ClickButton(hwnd, IDC_CFG_COMP_SAVE);
        EXPECT_EQ(g_itemList.At(4).ExePath, replaced);
        EXPECT_EQ(m_messages, Texts{Text("SavedSucess")});

        // A command of two lines or a name holding "^^^" cannot be an entry; the others can.
        ClickButton(hwnd, IDC_CFG_COMP_CLEAR);
        for (int row : {6, 7, 0}) {
            ClickRow(items, row);
            ClickButton(hwnd, IDC_CFG_ADD_TO_COMPOSED);
        }
        EXPECT_EQ(m_messages, (Texts{Text("SavedSucess"), Text("ComposedEntryUnfit"), Text("ComposedEntryUnfit")}));
        EXPECT_EQ(RowTexts(dialog.ComposedRows()), Texts{"Alpha"});
        TypeOver(dialog.Item(IDC_CFG_COMPOSED_NAME), "Mixed");
        ClickButton(hwnd, IDC_CFG_COMP_CREATE);
        ASSERT_EQ(g_itemList.Count(), 9u);
        EXPECT_EQ(g_itemList.At(8).ExePath, "Alpha^^^C:\\Alpha.exe");
        EXPECT_EQ(DecodeComposedCommand(g_itemList.At(8).ExePath),
                  (std::vector<ComposedEntry>{{"Alpha", "C:\\Alpha.exe"}}));
    });
}
