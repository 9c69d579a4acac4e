#include "ConfigWindowTest.h"
#include "UserInput.h"
#include "data/HandOff.h"

#include <shlobj.h>

#include <cstring>
#include <memory>

namespace {
void ClickKeyBox(CConfigDlg& dialog)
{
    PostMessageA(dialog.Item(IDC_CFG_KEY), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageA(dialog.Item(IDC_CFG_KEY), WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return dialog.IsKeyListOpen(); }, 5000)) << "a click in the key box drops the list";
    EXPECT_EQ(GetFocus(), dialog.Item(IDC_CFG_KEY_LIST)) << "and gives it the focus";
}

// Key rows of the key list: A is 0, Q 16, F1 36, F5 40, F10 45.
void PickKey(CConfigDlg& dialog, int keyRow)
{
    ClickKeyBox(dialog);
    ClickRow(dialog.Item(IDC_CFG_KEY_LIST), keyRow);
    PumpUntil([&] { return !dialog.IsKeyListOpen(); }, 5000);
}

void SetHotkey(CConfigDlg& dialog, const char* modifier, int keyRow = -1)
{
    HWND hwnd = dialog.Hwnd();
    const LRESULT at = SendDlgItemMessageA(hwnd, IDC_CFG_MODIFIER, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(modifier));
    SendDlgItemMessageA(hwnd, IDC_CFG_MODIFIER, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_CFG_MODIFIER, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_CFG_MODIFIER)));
    if (keyRow >= 0)
        PickKey(dialog, keyRow);
    ClickButton(hwnd, IDC_CFG_SET);
}

// What the shell hands over when a file is dropped on the window.
HDROP DroppedFile(const std::string& path)
{
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2);
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path.c_str(), path.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

using ConfigDlgTest = ConfigWindowTest;
} // namespace

TEST_F(ConfigDlgTest, ProgramsCatalogsCellEditsAndASaveReadBack)
{
    m_programs = [](ProgramList& programs) {
        programs.Append("Notepad", "C:\\Windows\\notepad.exe");
        programs.Append("NOTEPAD", "C:\\Other\\notepad.exe");
        programs.Append("Calculator", "C:\\Windows\\calc.exe");
    };
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        EXPECT_EQ(ReadBytes(m_paths.itemsFile)[0], '\x01') << "the editing flag is set while the window is open";
        EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "Delta"}));

        // A description typed into its cell survives Ctrl+S, which also applies the field boxes.
        ClickNode("CatA");
        ClickCell(1, 4);
        TypeText("edited in place");
        SendMessageA(hwnd, WM_HOTKEY, CConfigDlg::kSaveHotkeyId, 0);
        EXPECT_EQ(g_itemList.At(1).Description, "edited in place");
        EXPECT_EQ(TextOf(hwnd, IDC_CFG_DESCRIPTION), "edited in place");

        // Escape answers the question as anything but No does: go on.
        m_answer = IDCANCEL;
        Select("CatB");
        Click(IDC_CFG_ADD_ALL);
        // The same program twice becomes one item; the catalog keeps its members first.
        EXPECT_EQ(MemberNames(kB), (std::vector<std::string>{"Gamma", "Delta", "Calculator", "NOTEPAD"}));
        EXPECT_EQ(dialog.ProgramRows().GetItemCount(), 0);

        // The root keeps its name and stays; a name the catalogs file cannot hold is refused.
        Select(Text("AllCatalogsTitle"));
        TypeIntoBox(IDC_CFG_CATALOG_NAME, "Renamed");
        Click(IDC_CFG_CATALOG_UPDATE);
        Click(IDC_CFG_CATALOG_DELETE);
        EXPECT_EQ(dialog.Model().Count(), 2u);
        TypeIntoBox(IDC_CFG_CATALOG_NAME, "Bad|Name");
        Click(IDC_CFG_CATALOG_ADD);
        EXPECT_EQ(m_messages.back(), Text("CatalogNameInvalid"));
        TypeIntoBox(IDC_CFG_CATALOG_NAME, "CatC");
        Click(IDC_CFG_CATALOG_ADD);

        // A deleted catalog's items stay, listed under the root.
        Select("CatA");
        Click(IDC_CFG_CATALOG_DELETE);
        Select(Text("AllCatalogsTitle"));
        EXPECT_EQ(Names().size(), 6u);
        Select("CatB");
        SelectRow(0);
        Click(IDC_CFG_REMOVE);
        m_messages.clear();
        Click(IDC_CFG_SAVE);
        EXPECT_EQ(m_messages, std::vector<std::string>{Text("SavedSucess")});
    });
    ItemList items;
    ItemsLoadReport report;
    ASSERT_TRUE(LoadItems(m_paths.itemsFile, items, &report));
    EXPECT_EQ(report.editingFlag, 0);
    // Whole, as the data tool's check judges the files: no damaged record, no catalog flaw,
    // every position within the list.
    EXPECT_TRUE(report.problems.empty());
    const CatalogParse parse = ParseCatalogs(ReadBytes(m_paths.catalogsFile));
    std::vector<std::string> ids{kRootNodeId};
    EXPECT_TRUE(CheckCatalogs(parse, LinkCatalogs(parse.records, ids), static_cast<int64_t>(items.Count())).empty());
    ASSERT_EQ(items.Count(), 6u);
    EXPECT_EQ(items.At(1).Description, "edited in place");
    EXPECT_TRUE(items.At(2).IsTombstone());
    EXPECT_EQ(items.At(5).Name, "NOTEPAD");
    CatalogTree saved;
    ASSERT_TRUE(LoadCatalogTree(m_paths.catalogsFile, saved));
    std::vector<std::string> order;
    saved.Walk(CatalogTree::kRoot, [&](CatalogId id) { order.push_back(saved.Name(id)); });
    EXPECT_EQ(order, (std::vector<std::string>{"CatB", "CatC"}));
    EXPECT_EQ(saved.IndexList(saved.Find(kB)), "3,4,5");
}

TEST_F(ConfigDlgTest, PinLinkAndRemoveReachEveryCatalog)
{
    using Texts = std::vector<std::string>;
    m_programs = [](ProgramList& programs) { programs.Append("Notepad", "C:\\Windows\\notepad.exe"); };
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        // With no catalog chosen there is nothing to pin: the box stays clear.
        ClickEmptyTreeSpace();
        PressControl(IDC_CFG_PIN);
        EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_CFG_PIN), BST_UNCHECKED);
        EXPECT_EQ(m_messages, Texts{Text("SelectCatalog")});
        ClickNode("CatA");
        PressControl(IDC_CFG_PIN);
        ClickNode("CatB");
        EXPECT_EQ(Names(), (Texts{"Alpha", "Beta", "Delta"})) << "the pinned catalog stays listed";
        SelectRow(0);
        Click(IDC_CFG_LINK);
        EXPECT_EQ(MemberNames(kB), (Texts{"Gamma", "Delta", "Alpha"}));
        EXPECT_EQ(MemberNames(kA), (Texts{"Beta", "Delta"}));

        // Empty tree space, deleting another catalog and adding programs from a third keep the
        // pinned catalog listed and its members whole.
        ClickEmptyTreeSpace();
        EXPECT_EQ(Names(), (Texts{"Beta", "Delta"}));
        ClickNode("CatB");
        PressControl(IDC_CFG_CATALOG_DELETE);
        EXPECT_EQ(Names(), (Texts{"Beta", "Delta"}));
        ClickNode(Text("AllCatalogsTitle"));
        TypeIntoBox(IDC_CFG_CATALOG_NAME, "CatC");
        PressControl(IDC_CFG_CATALOG_ADD);
        ClickNode("CatC");
        SelectRows(dialog.ProgramRows(), {0});
        PressControl(IDC_CFG_ADD);
        EXPECT_EQ(MemberNames(kA), (Texts{"Beta", "Delta", "Notepad"}));
        EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_CFG_PIN), BST_CHECKED);
        PressControl(IDC_CFG_PIN);
        ClickNode("CatA");
        EXPECT_EQ(Names(), (Texts{"Beta", "Delta", "Notepad"}));

        // An item node chosen in the tree lists its catalog: that catalog is what gets pinned.
        PostMessageA(dialog.Item(IDC_CFG_TREE), WM_KEYDOWN, VK_RIGHT, 0);
        PumpFor(50);
        ClickNode("Delta");
        PressControl(IDC_CFG_PIN);
        ClickNode(Text("AllCatalogsTitle"));
        EXPECT_EQ(Names(), (Texts{"Beta", "Delta", "Notepad"}));
        PressControl(IDC_CFG_PIN);
        ClickNode("CatA");
        SelectRow(1);
        Click(IDC_CFG_REMOVE);
        EXPECT_EQ(g_itemList.At(3).State, "-1");
        EXPECT_EQ(MemberNames(kA), (Texts{"Beta", "Notepad"}));
        EXPECT_EQ(dialog.ProgramRows().GetItemText(0, 0), "Delta") << "a removed item is offered again";
        m_answer = IDCANCEL;
        Click(IDC_CFG_REMOVE_ALL);
        EXPECT_EQ(MemberNames(kA), Texts{}) << "Escape to the question removes them all";
    });
}

TEST_F(ConfigDlgTest, HotkeyClashRuleKeyListResetsAndSilentSave)
{
    g_itemList.At(1).Hotkey1 = "Ctrl";
    g_itemList.At(1).Hotkey2 = "F10";
    g_itemList.At(2).Hotkey1 = "Alt";
    g_itemList.At(2).Hotkey2 = "Q";
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        HWND items = dialog.ItemRows().Hwnd();
        Select(Text("AllCatalogsTitle"));
        // Alpha has no hotkey: typed keys are discarded, and a picked key comes with "Ctrl".
        ClickRow(items, 0);
        EXPECT_EQ(TextOf(hwnd, IDC_CFG_MODIFIER), "No Hotkey");
        TypeInto(dialog.Item(IDC_CFG_KEY), "f9");
        EXPECT_EQ(TextOf(hwnd, IDC_CFG_KEY), "");
        ClickKeyBox(dialog);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(PumpUntil([&] { return !dialog.IsKeyListOpen(); }, 5000)) << "Escape in the key list closes it";
        PickKey(dialog, 40);
        EXPECT_EQ(TextOf(hwnd, IDC_CFG_KEY) + TextOf(hwnd, IDC_CFG_MODIFIER), "F5Ctrl");
        EXPECT_FALSE(dialog.IsKeyListOpen());
        ClickButton(hwnd, IDC_CFG_SET);
        EXPECT_EQ(g_itemList.At(0).Hotkey1 + "+" + g_itemList.At(0).Hotkey2, "Ctrl+F5");
        SetHotkey(dialog, "Ctrl", 36);
        SetHotkey(dialog, "Ctrl", 36);
        EXPECT_EQ(g_itemList.At(0).Hotkey2, "F1") << "setting its own combination again is no clash";
        EXPECT_TRUE(m_messages.empty());
        SetHotkey(dialog, "Alt", 16);
        EXPECT_EQ(m_messages, std::vector<std::string>{Text("HotkeyAlreadyExists")});
        EXPECT_EQ(g_itemList.At(0).Hotkey1, "Ctrl");
        // "Custom" while Beta shows its own hotkey: no clash, and the hotkey stays Beta's alone.
        ClickRow(items, 1);
        m_messages.clear();
        auto answered = AnswerWhenOpen(hwnd, IDC_INFO_COMMAND, [](HWND info) {
            TypeInto(GetDlgItem(info, IDC_INFO_NAME), "Tool");
            TypeInto(GetDlgItem(info, IDC_INFO_COMMAND), "C:\\tool.exe");
            PressKey(GetDlgItem(info, IDC_INFO_NAME), VK_RETURN);
        });
        ClickButton(hwnd, IDC_CFG_CUSTOM);
        EXPECT_TRUE(*answered) << "the item dialog never opened";
        EXPECT_TRUE(m_messages.empty());
        ASSERT_EQ(g_itemList.Count(), 5u);
        EXPECT_EQ(g_itemList.At(4).Name + "|" + g_itemList.At(4).Hotkey1 + g_itemList.At(4).Hotkey2, "Tool|");
        // Beta (Ctrl+F10) lives in CatA only: from CatB the combination is not compared.
        Select("CatB");
        ClickRow(items, 0);
        SetHotkey(dialog, "Ctrl", 45);
        EXPECT_EQ(g_itemList.At(2).Hotkey2, "F10");
        SetHotkey(dialog, "No Hotkey");
        EXPECT_EQ(g_itemList.At(2).Hotkey1, "");
        Click(IDC_CFG_RESET);
        EXPECT_EQ(g_itemList.At(2).Description, "");
        EXPECT_EQ(g_itemList.At(2).ShortName, "GAMMA");
        m_answer = IDCANCEL; // Escape resets too: only No keeps everything
        Click(IDC_CFG_RESET_ALL);
        EXPECT_EQ(g_itemList.At(3).Description, "Delta description");
        EXPECT_EQ(g_itemList.At(3).ShortName, "DELTA");
        // Ctrl+S saves without a word.
        m_messages.clear();
        SendMessageA(hwnd, WM_HOTKEY, CConfigDlg::kSaveHotkeyId, 0);
        EXPECT_TRUE(m_messages.empty());
    });
    ItemList items;
    ItemsLoadReport report;
    LoadItems(m_paths.itemsFile, items, &report);
    EXPECT_EQ(report.editingFlag, 0);
    EXPECT_EQ(items.At(0).Hotkey2, "F1");
}

TEST_F(ConfigDlgTest, ItemEditsKeepWhatTheUserDidNotTouch)
{
    g_itemList.At(1).Hotkey1 = "Ctrl";
    g_itemList.At(1).Hotkey2 = "F10";
    // Deeper than the old path limit, as folders nested in a profile easily are.
    const std::string longPath = "C:\\" + std::string(140, 'd') + "\\" + std::string(140, 'e') + "\\Long Tool.exe";
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        ClickNode("CatA");
        // A short name typed into its cell stays through "Set".
        ClickCell(1, 1);
        TypeText("bt");
        PressControl(IDC_CFG_SET);
        EXPECT_EQ(g_itemList.At(1).ShortName, "bt");
        EXPECT_EQ(TextOf(hwnd, IDC_CFG_SHORTNAME), "bt");

        // Escape leaves the item alone; OK with nothing changed replaces only name, command and
        // short name.
        auto escaped =
            AnswerWhenOpen(hwnd, IDC_INFO_NAME, [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); });
        DoubleClickItemRow(1);
        EXPECT_TRUE(*escaped) << "a double click on a row opens the item dialog";
        EXPECT_EQ(g_itemList.At(1).ShortName, "bt");
        auto confirmed = AnswerWhenOpen(hwnd, IDC_INFO_NAME, [](HWND item) { PressButton(GetDlgItem(item, IDOK)); });
        DoubleClickItemRow(1);
        ASSERT_TRUE(*confirmed);
        const ShortcutItem& beta = g_itemList.At(1);
        EXPECT_EQ(beta.Name + "|" + beta.ExePath + "|" + beta.ShortName, "Beta|C:\\Beta.exe|BETA");
        EXPECT_EQ(beta.Hotkey1 + "+" + beta.Hotkey2, "Ctrl+F10");
        EXPECT_EQ(beta.Description, "Beta description");

        // Sorting takes the selection along with its row: "Set" stores into the item shown.
        ClickCell(0, 0);
        ClickHeading(dialog.ItemRows(), 0);
        ClickHeading(dialog.ItemRows(), 0);
        ASSERT_EQ(Names(), (std::vector<std::string>{"Delta", "Beta", "Alpha"}));
        PressControl(IDC_CFG_SET);
        EXPECT_EQ(g_itemList.At(3).ShortName + "|" + g_itemList.At(3).Description, "D|Delta description");
        EXPECT_EQ(g_itemList.At(0).ShortName + "|" + g_itemList.At(0).Description, "A|Alpha description");

        // A dropped file keeps its whole path.
        PostMessageA(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(DroppedFile(longPath)), 0);
        PumpUntil([] { return g_itemList.Count() > 4; }, 5000);
        ASSERT_EQ(g_itemList.Count(), 5u);
        EXPECT_EQ(g_itemList.At(4).ExePath, longPath);
        EXPECT_EQ(MemberNames(kA).back(), "Long Tool.exe");
    });
}

TEST_F(ConfigDlgTest, CloseAnsweredNoKeepsTheFilesByteForByte)
{
    const std::string itemsBefore = ReadBytes(m_paths.itemsFile);
    const std::string catalogsBefore = ReadBytes(m_paths.catalogsFile);
    m_answer = IDNO;
    Run([&](CConfigDlg&, HWND hwnd) {
        TypeIntoBox(IDC_CFG_CATALOG_NAME, "Fresh");
        Click(IDC_CFG_CATALOG_ADD);
        Click(IDC_CFG_EXIT);
    });
    EXPECT_EQ(m_messages, std::vector<std::string>{Text("SaveData")});
    std::string itemsAfter = ReadBytes(m_paths.itemsFile);
    itemsAfter[0] = itemsBefore[0];
    EXPECT_EQ(itemsAfter, itemsBefore);
    EXPECT_EQ(ReadBytes(m_paths.catalogsFile), catalogsBefore);
}

TEST_F(ConfigDlgTest, HandOffToADeletedCatalogKeepsTheItemInNone)
{
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        EXPECT_EQ(HandOffDest(), hwnd);
        Select("CatA");
        Click(IDC_CFG_CATALOG_DELETE);
        WriteHandOffItem(HandOffItem{"Handed", "h", "", "", "d", "C:\\handed.exe", kA});
        ASSERT_TRUE(SendItemWaiting());
        EXPECT_EQ(g_itemList.Count(), 5u);
        EXPECT_EQ(g_itemList.At(4).Name, "Handed");
        EXPECT_EQ(dialog.Model().Find(kA), CatalogTree::kNone);
        Select(Text("AllCatalogsTitle"));
        EXPECT_EQ(Names().back(), "Handed");
    });
}
