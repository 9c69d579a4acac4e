#include "DialogHost.h"
#include "TempFolder.h"
#include "WinTestSupport.h"
#include "config/ConfigDlg.h"
#include "data/CatalogData.h"
#include "data/HandOff.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
const char* const kA = "AAAAAAAA-1111-4111-8111-000000000001";
const char* const kB = "BBBBBBBB-2222-4222-8222-000000000002";

ShortcutItem MakeItem(const std::string& name, const std::string& h1 = "", const std::string& h2 = "")
{
    ShortcutItem item;
    item.Name = name;
    item.ShortName = name.substr(0, 1);
    item.Hotkey1 = h1;
    item.Hotkey2 = h2;
    item.Description = name + " description";
    item.guid = "GUID-" + name;
    item.ExePath = "C:\\" + name + ".exe";
    return item;
}

class ConfigDlgTest : public testing::Test {
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
        WriteBytes(m_paths.catalogsFile, root + "|CatA|" + kA + "|0,1,3\\" + root + "|CatB|" + kB + "|2,3");
        SaveItems(m_paths.itemsFile, g_itemList);
        CApplication::SetMessageBoxResponder([this](const std::string& prompt, UINT) {
            m_messages.push_back(prompt);
            return m_answer;
        });
    }
    void TearDown() override { CApplication::SetMessageBoxResponder(nullptr); }

    // Runs the window and `body` once it has loaded; the body ends the window or the test does.
    void Run(const std::function<void(CConfigDlg&, HWND)>& body)
    {
        CConfigDlg dialog(nullptr, m_paths);
        dialog.DiscoverPrograms = m_programs;
        m_dialog = &dialog;
        HostDialog(dialog, [&](HWND hwnd) {
            ASSERT_TRUE(PumpUntil([&] { return dialog.IsLoaded(); }, 20000)) << "the window never loaded";
            body(dialog, hwnd);
            if (dialog.IsRunning())
                Click(IDC_CFG_CANCEL);
        });
        m_dialog = nullptr;
    }
    void Click(int id) { SendMessageA(m_dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Select(const std::string& text)
    {
        HWND tree = m_dialog->Item(IDC_CFG_TREE);
        HTREEITEM node = FindTreeNode(tree, text);
        ASSERT_NE(node, nullptr) << text;
        TreeView_SelectItem(tree, node);
    }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int row = 0; row < m_dialog->ItemRows().GetItemCount(); ++row)
            names.push_back(m_dialog->ItemRows().GetItemText(row, 0));
        return names;
    }
    std::vector<std::string> MemberNames(const char* nodeId)
    {
        std::vector<std::string> names;
        const CatalogTree& model = m_dialog->Model();
        for (size_t index : model.Members(model.Find(nodeId), g_itemList))
            names.push_back(g_itemList.At(index).Name);
        return names;
    }
    void SelectRow(int row)
    {
        m_dialog->ItemRows().ClearSelection();
        m_dialog->ItemRows().SelectRow(row);
        SendMessageA(m_dialog->Hwnd(), CSkinListCtrl::kRowSelectedMessage, row,
                     reinterpret_cast<LPARAM>(m_dialog->ItemRows().Hwnd()));
    }
    void SetHotkey(const char* modifier, const char* key)
    {
        HWND dialog = m_dialog->Hwnd();
        const LRESULT at = SendDlgItemMessageA(dialog, IDC_CFG_MODIFIER, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(modifier));
        SendDlgItemMessageA(dialog, IDC_CFG_MODIFIER, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
        SetDlgItemTextA(dialog, IDC_CFG_KEY, key);
        Click(IDC_CFG_SET);
    }
    static std::string Text(const char* key) { return GetTipText(key); }

    TempFolder m_folder;
    InstallPaths m_paths;
    CConfigDlg::ProgramSource m_programs;
    CConfigDlg* m_dialog = nullptr;
    std::vector<std::string> m_messages;
    int m_answer = IDYES;
};
} // namespace

TEST_F(ConfigDlgTest, ProgramsCatalogsAndASaveReadBack)
{
    m_programs = [](ProgramList& programs) {
        programs.Append("Notepad", "C:\\Windows\\notepad.exe");
        programs.Append("NOTEPAD", "C:\\Other\\notepad.exe");
        programs.Append("Calculator", "C:\\Windows\\calc.exe");
    };
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        EXPECT_EQ(ReadBytes(m_paths.itemsFile)[0], '\x01');
        EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "Delta"}));
        EXPECT_EQ(dialog.ProgramRows().GetItemCount(), 3);

        Select("CatB");
        Click(IDC_CFG_ADD_ALL);
        // The same program twice becomes one item; the catalog keeps its members first.
        EXPECT_EQ(MemberNames(kB), (std::vector<std::string>{"Gamma", "Delta", "Calculator", "NOTEPAD"}));
        EXPECT_EQ(dialog.ProgramRows().GetItemCount(), 0);
        EXPECT_EQ(g_itemList.At(5).ShortName, "NOTEPAD");
        EXPECT_EQ(g_itemList.At(5).Description, "NOTEPAD");

        // The root keeps its name and stays; a name the catalogs file cannot hold is refused.
        Select(Text("AllCatalogsTitle"));
        SetDlgItemTextA(hwnd, IDC_CFG_CATALOG_NAME, "Renamed");
        Click(IDC_CFG_CATALOG_UPDATE);
        Click(IDC_CFG_CATALOG_DELETE);
        EXPECT_EQ(dialog.Model().Count(), 2u);
        SetDlgItemTextA(hwnd, IDC_CFG_CATALOG_NAME, "Bad|Name");
        Click(IDC_CFG_CATALOG_ADD);
        EXPECT_EQ(m_messages.back(), Text("CatalogNameInvalid"));
        SetDlgItemTextA(hwnd, IDC_CFG_CATALOG_NAME, "CatC");
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
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        Select("CatA");
        CheckDlgButton(hwnd, IDC_CFG_PIN, BST_CHECKED);
        Click(IDC_CFG_PIN);
        Select("CatB");
        EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "Beta", "Delta"}));
        SelectRow(0);
        Click(IDC_CFG_LINK);
        EXPECT_EQ(MemberNames(kB), (std::vector<std::string>{"Gamma", "Delta", "Alpha"}));
        EXPECT_EQ(MemberNames(kA), (std::vector<std::string>{"Beta", "Delta"}));
        CheckDlgButton(hwnd, IDC_CFG_PIN, BST_UNCHECKED);
        Click(IDC_CFG_PIN);
        Select("CatA");
        Select("CatB");
        EXPECT_EQ(Names(), (std::vector<std::string>{"Gamma", "Delta", "Alpha"}));
        SelectRow(1);
        Click(IDC_CFG_REMOVE);
        EXPECT_EQ(g_itemList.At(3).State, "-1");
        EXPECT_EQ(MemberNames(kA), std::vector<std::string>{"Beta"});
        EXPECT_EQ(dialog.ProgramRows().GetItemText(0, 0), "Delta");
    });
}

TEST_F(ConfigDlgTest, HotkeyClashRuleResetsAndSilentSave)
{
    g_itemList.At(1).Hotkey1 = "Ctrl";
    g_itemList.At(1).Hotkey2 = "F10";
    g_itemList.At(2).Hotkey1 = "Alt";
    g_itemList.At(2).Hotkey2 = "Q";
    Run([&](CConfigDlg&, HWND hwnd) {
        Select(Text("AllCatalogsTitle"));
        SelectRow(0);
        SetHotkey("Ctrl", "F1");
        SetHotkey("Ctrl", "F1");
        EXPECT_EQ(g_itemList.At(0).Hotkey2, "F1");
        // A click in the key box drops the key list; a click on a row (F5) picks that key.
        PostMessageA(m_dialog->Item(IDC_CFG_KEY), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        PumpUntil([&] { return m_dialog->IsKeyListOpen(); }, 5000);
        HWND keys = m_dialog->Item(IDC_CFG_KEY_LIST);
        EXPECT_TRUE(m_dialog->IsKeyListOpen() && IsWindowVisible(keys));
        RECT row{};
        row.left = LVIR_BOUNDS;
        SendMessageA(keys, LVM_ENSUREVISIBLE, 40, FALSE);
        SendMessageA(keys, LVM_GETITEMRECT, 40, reinterpret_cast<LPARAM>(&row));
        const LPARAM at = MAKELPARAM(row.left + 8, (row.top + row.bottom) / 2);
        PostMessageA(keys, WM_LBUTTONUP, 0, at);
        SendMessageA(keys, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PumpUntil([&] { return !m_dialog->IsKeyListOpen(); }, 5000);
        char key[16] = {};
        GetDlgItemTextA(hwnd, IDC_CFG_KEY, key, sizeof key);
        EXPECT_TRUE(std::string(key) == "F5" && !m_dialog->IsKeyListOpen()) << key;
        SetHotkey("Alt", "Q");
        EXPECT_EQ(m_messages.back(), Text("HotkeyAlreadyExists"));
        EXPECT_EQ(g_itemList.At(0).Hotkey1, "Ctrl");
        // Beta (Ctrl+F10) lives in CatA only: from CatB the combination is not compared.
        Select("CatB");
        SelectRow(0);
        m_messages.clear();
        SetHotkey("Ctrl", "F10");
        EXPECT_EQ(g_itemList.At(2).Hotkey2, "F10");
        SetHotkey("No Hotkey", "");
        EXPECT_EQ(g_itemList.At(2).Hotkey1, "");
        Click(IDC_CFG_RESET);
        EXPECT_EQ(g_itemList.At(2).Description, "");
        EXPECT_EQ(g_itemList.At(2).ShortName, "GAMMA");
        Click(IDC_CFG_RESET_ALL);
        EXPECT_EQ(g_itemList.At(3).Description, "Delta description");
        EXPECT_EQ(g_itemList.At(3).ShortName, "DELTA");
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

TEST_F(ConfigDlgTest, CloseAnsweredNoKeepsFilesAndCellEditsReachTheItem)
{
    const std::string itemsBefore = ReadBytes(m_paths.itemsFile);
    const std::string catalogsBefore = ReadBytes(m_paths.catalogsFile);
    m_answer = IDNO;
    Run([&](CConfigDlg&, HWND hwnd) {
        SetDlgItemTextA(hwnd, IDC_CFG_CATALOG_NAME, "Fresh");
        Click(IDC_CFG_CATALOG_ADD);
        Click(IDC_CFG_EXIT);
    });
    EXPECT_EQ(m_messages, std::vector<std::string>{Text("SaveData")});
    std::string itemsAfter = ReadBytes(m_paths.itemsFile);
    itemsAfter[0] = itemsBefore[0];
    EXPECT_EQ(itemsAfter, itemsBefore);
    EXPECT_EQ(ReadBytes(m_paths.catalogsFile), catalogsBefore);

    m_answer = IDYES;
    Run([&](CConfigDlg& dialog, HWND hwnd) {
        Select("CatA");
        NMITEMACTIVATE click{};
        click.hdr.hwndFrom = dialog.ItemRows().Hwnd();
        click.hdr.idFrom = IDC_CFG_ITEM_LIST;
        click.hdr.code = NM_CLICK;
        click.iItem = 1;
        click.iSubItem = 4;
        SelectRow(1);
        SendMessageA(hwnd, WM_NOTIFY, IDC_CFG_ITEM_LIST, reinterpret_cast<LPARAM>(&click));
        HWND editor = GetFocus();
        ASSERT_NE(editor, nullptr);
        SetWindowTextA(editor, "edited in place");
        Click(IDC_CFG_OK);
    });
    ItemList items;
    LoadItems(m_paths.itemsFile, items);
    EXPECT_EQ(items.At(1).Description, "edited in place");
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
