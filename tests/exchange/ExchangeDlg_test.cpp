// The export and import window driven as a user does: clicks on tree nodes and buttons,
// double-clicks on rows, typed names, No to every question.
#include "DialogHost.h"
#include "TempFolder.h"
#include "WinTestSupport.h"
#include "data/CatalogData.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "exchange/ExchangeDlg.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ExchangeFolders.h"
#include "exchange/ZipArchive.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/Choosers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {
const char* const kCatA = "AAAAAAAA-1111-4111-8111-000000000001";
const char* const kCatB = "BBBBBBBB-2222-4222-8222-000000000002";
const char* const kClip = "C0C0C0C0-0000-4000-8000-0000000000C1.stx";

// Program items: Alpha, Beta, Gamma, Delta and the clipboard item Clip; CatA holds Alpha, Beta
// and Delta, CatB Gamma, Delta and Clip.
class ExchangeWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        m_paths = InstallPaths::In(DistFolder());
        m_paths.itemsFile = m_folder.File("Shortcut2.dat");
        m_paths.catalogsFile = m_folder.File("Shortcut2.clg");
        m_paths.dataFolder = m_folder.File("Data");
        CreateDirectoryA(m_paths.dataFolder.c_str(), nullptr);
        WriteBytes(m_paths.dataFolder + "\\" + kClip, "snapshot");
        g_itemList.Clear();
        for (const std::string name : {"Alpha", "Beta", "Gamma", "Delta", "Clip"}) {
            ShortcutItem item;
            item.Name = name;
            item.ShortName = name.substr(0, 1);
            item.guid = "GUID-" + name;
            item.ExePath = name == "Clip" ? m_paths.dataFolder + "\\" + kClip : "C:\\" + name + ".exe";
            g_itemList.Append(item);
        }
        SaveItems(m_paths.itemsFile, g_itemList);
        const std::string root = kRootNodeId;
        WriteBytes(m_paths.catalogsFile, root + "|CatA|" + kCatA + "|0,1,3\\" + root + "|CatB|" + kCatB + "|2,3,4");
        CApplication::SetMessageBoxResponder([this](const std::string& prompt, UINT) {
            m_messages.push_back(prompt);
            return IDNO;
        });
        SetChooserAnswer([this](ChooserKind, std::string& path) {
            path = m_chosen;
            return true;
        });
    }
    void TearDown() override
    {
        CApplication::SetMessageBoxResponder(nullptr);
        SetChooserAnswer(nullptr);
    }

    void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    // A press and release on a point of a control, as the mouse gives them; the release waits
    // in the queue for the control's own drag tracking.
    static void PressAt(HWND control, POINT point, bool doubleClick = false, WPARAM keys = 0)
    {
        ParkPointer(control, point);
        const LPARAM at = MAKELPARAM(point.x, point.y);
        PostMessageA(control, WM_LBUTTONUP, keys, at);
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
        if (doubleClick) {
            PostMessageA(control, WM_LBUTTONUP, keys, at);
            SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON | keys, at);
        }
        PumpFor(20);
    }
    static void ClickNode(HWND tree, const std::string& text)
    {
        HTREEITEM node = FindTreeNode(tree, text);
        ASSERT_NE(node, nullptr) << text;
        TreeView_EnsureVisible(tree, node);
        RECT rect{};
        TreeView_GetItemRect(tree, node, &rect, TRUE);
        PressAt(tree, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        ASSERT_EQ(TreeText(tree, TreeView_GetSelection(tree)), text);
    }
    static void ClickRow(CSkinListCtrl& list, const std::string& name, bool doubleClick = false, WPARAM keys = 0)
    {
        int row = 0;
        while (row < list.GetItemCount() && list.GetItemText(row, 0) != name)
            ++row;
        ASSERT_LT(row, list.GetItemCount()) << name;
        list.EnsureVisible(row);
        RECT rect{};
        rect.left = LVIR_BOUNDS;
        SendMessageA(list.Hwnd(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        PressAt(list.Hwnd(), POINT{rect.left + 20, (rect.top + rect.bottom) / 2}, doubleClick, keys);
    }
    // Typing over the box's text, as after selecting all of it with the mouse.
    static void Type(HWND edit, const std::string& text)
    {
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        for (char c : text)
            SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    static std::vector<std::string> Rows(CSkinListCtrl& list)
    {
        std::vector<std::string> names;
        for (int row = 0; row < list.GetItemCount(); ++row)
            names.push_back(list.GetItemText(row, 0));
        return names;
    }
    static std::vector<std::string> Members(CExchangeSide& side, const std::string& catalog)
    {
        const CatalogId id = side.View().CatalogOf(FindTreeNode(side.Tree(), catalog));
        if (id == CatalogTree::kNone)
            return {"<no catalog " + catalog + ">"};
        std::vector<std::string> names;
        for (size_t index : side.Model().Members(id, side.Items()))
            names.push_back(side.Items().At(index).Name);
        return names;
    }
    static bool Shown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
    static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

    TempFolder m_folder;
    InstallPaths m_paths;
    std::vector<std::string> m_messages;
    std::string m_chosen;
};
} // namespace

TEST_F(ExchangeWindowTest, ExportMovesRowsAndBranchesAndPacksTheFileSide)
{
    m_chosen = m_folder.File("Out.trn");
    CExchangeDlg dialog(nullptr, m_paths, CExchangeDlg::ExportMode);
    CExchangeSide& program = dialog.ProgramSide();
    CExchangeSide& file = dialog.FileSide();
    HostDialog(dialog, [&](HWND hwnd) {
        // The export's controls: the FileSide's catalog buttons and the branch copies to it.
        EXPECT_EQ(TextOf(hwnd, IDC_TITLE_STATIC), GetTipText("ExportDlgTitle"));
        EXPECT_EQ(TextOf(hwnd, IDC_XCH_FILE_LIST_TITLE), GetTipText("ExportListTitle"));
        for (int id : {IDC_XCH_FILE_ADD, IDC_XCH_FILE_NAME, IDC_XCH_BRANCH_TO_FILE, IDC_XCH_BRANCH_TO_FILE_BARE,
                       IDC_XCH_SAVE, IDC_XCH_BROWSE, IDC_XCH_PROGRAM_NAME})
            EXPECT_TRUE(Shown(hwnd, id) && Enabled(hwnd, id)) << id;
        for (int id : {IDC_XCH_LOAD, IDC_XCH_OK, IDC_XCH_CANCEL, IDC_XCH_PROGRAM_ADD, IDC_XCH_PROGRAM_DELETE,
                       IDC_XCH_BRANCH_TO_PROGRAM, IDC_XCH_BRANCH_TO_PROGRAM_BARE, IDC_XCH_SCRATCH})
            EXPECT_FALSE(Shown(hwnd, id) || Enabled(hwnd, id)) << id;
        EXPECT_EQ(TreeView_GetSelection(file.Tree()), file.View().Root());

        // A move needs a catalog below the FileSide root.
        ClickNode(program.Tree(), "CatA");
        EXPECT_EQ(Rows(program.List()), (std::vector<std::string>{"Alpha", "Beta", "Delta"}));
        ClickRow(program.List(), "Alpha", true);
        EXPECT_EQ(m_messages, std::vector<std::string>{GetTipText("SelSubCatalog")});
        // A name the catalogs file would have to alter is refused.
        Type(GetDlgItem(hwnd, IDC_XCH_FILE_NAME), "O|ut");
        Click(hwnd, IDC_XCH_FILE_ADD);
        EXPECT_EQ(m_messages.back(), GetTipText("CatalogNameInvalid"));
        Type(GetDlgItem(hwnd, IDC_XCH_FILE_NAME), "Out");
        Click(hwnd, IDC_XCH_FILE_ADD);
        ClickNode(file.Tree(), "Out");
        ClickRow(program.List(), "Alpha", true);
        EXPECT_EQ(Rows(file.List()), std::vector<std::string>{"Alpha"});
        EXPECT_EQ(Members(file, "Out"), std::vector<std::string>{"Alpha"});
        // The program keeps its records in an export.
        EXPECT_EQ(g_itemList.At(0).Name, "Alpha");

        // CatB with its items under the FileSide root: Delta, Gamma and the clipboard item.
        ClickNode(program.Tree(), "CatB");
        ClickNode(file.Tree(), GetTipText("ExportingCatalogs"));
        Click(hwnd, IDC_XCH_BRANCH_TO_FILE);
        EXPECT_EQ(Members(file, "CatB"), (std::vector<std::string>{"Gamma", "Delta", "Clip"}));
        ASSERT_EQ(dialog.FileItems().Count(), 4u);

        // Delta is on the FileSide already: moving it again replaces its record in place.
        ClickNode(file.Tree(), "Out");
        ClickNode(program.Tree(), "CatA");
        ClickRow(program.List(), "Delta", true);
        ClickRow(program.List(), "Alpha", true);
        EXPECT_EQ(dialog.FileItems().Count(), 4u);
        EXPECT_EQ(Members(file, "Out"), (std::vector<std::string>{"Alpha", "Delta"}));

        // All rows: the records arrive, in no catalog.
        ClickNode(program.Tree(), "CatA");
        Click(hwnd, IDC_XCH_ALL_TO_FILE);
        EXPECT_EQ(program.List().GetItemCount(), 0);
        EXPECT_EQ(dialog.FileItems().Count(), 5u);
        EXPECT_EQ(Members(file, "Out"), (std::vector<std::string>{"Alpha", "Delta"}));

        // Beta goes back: the file no longer carries it.
        ClickNode(file.Tree(), GetTipText("ExportingCatalogs"));
        ClickNode(program.Tree(), "CatA");
        ClickRow(file.List(), "Beta", true);
        EXPECT_TRUE(dialog.FileItems().At(4).IsTombstone());

        // A file that cannot be written is said so; then Ctrl+S saves to the chosen file through
        // the background job, and once more while that runs saves nothing.
        const std::string chosen = std::exchange(m_chosen, m_folder.File("Missing\\Out.trn"));
        Click(hwnd, IDC_XCH_BROWSE);
        Click(hwnd, IDC_XCH_SAVE);
        ASSERT_TRUE(PumpUntil([&] { return m_messages.back() == GetTipText("ExchangeFileNotWritten"); }, 20000));
        m_chosen = chosen;
        Click(hwnd, IDC_XCH_BROWSE);
        // Keys typed into the path box go nowhere.
        SetFocus(GetDlgItem(hwnd, IDC_XCH_PATH));
        PostMessageA(GetDlgItem(hwnd, IDC_XCH_PATH), WM_KEYDOWN, VK_DELETE, 1);
        for (char c : std::string("typed"))
            PostMessageA(GetDlgItem(hwnd, IDC_XCH_PATH), WM_CHAR, static_cast<unsigned char>(c), 1);
        PumpFor(50);
        EXPECT_EQ(TextOf(hwnd, IDC_XCH_PATH), m_chosen);
        m_messages.clear();
        PostMessageA(hwnd, WM_HOTKEY, CExchangeDlg::kSaveHotkeyId, 0);
        SetTimer(hwnd, 99, 300, [](HWND window, UINT, UINT_PTR id, DWORD) {
            KillTimer(window, id);
            PostMessageA(window, WM_HOTKEY, CExchangeDlg::kSaveHotkeyId, 0);
        });
        ASSERT_TRUE(PumpUntil([&] { return !m_messages.empty(); }, 20000));
        EXPECT_EQ(m_messages, std::vector<std::string>{GetTipText("SavedSucess")});
        EXPECT_TRUE(dialog.WorkFolder().empty());

        // Exit, answered No, closes without saving again.
        m_messages.clear();
        Click(hwnd, IDC_XCH_EXIT);
        EXPECT_EQ(m_messages, std::vector<std::string>{GetTipText("SaveData")});
    });
    std::vector<std::string> names;
    for (const ZipEntry& entry : ZipEntries(m_chosen))
        names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"Out/Data/", std::string("Out/Data/") + kClip, "Out/Out.clg", "Out/Out.dat"}));
    ItemList exported;
    CatalogTree catalogs;
    std::string unpackFolder;
    std::string unpacked;
    ASSERT_TRUE(LoadExchange(m_chosen, m_paths.dataFolder, exported, catalogs, unpackFolder, unpacked));
    RemoveFolder(unpackFolder);
    ASSERT_EQ(exported.Count(), 5u);
    EXPECT_TRUE(exported.At(4).IsTombstone());
    EXPECT_EQ(exported.At(3).Name, "Clip");
}

TEST_F(ExchangeWindowTest, ImportMovesRowsIntoTheProgramAndSavesItsFiles)
{
    // An exchange file from elsewhere: Import holds Xclip (a clipboard item) and Yprog.
    TempFolder elsewhere;
    const std::string otherData = elsewhere.File("Data");
    CreateDirectoryA(otherData.c_str(), nullptr);
    const std::string snapshot = "D1D1D1D1-0000-4000-8000-0000000000D1.stx";
    WriteBytes(otherData + "\\" + snapshot, "their clipboard");
    ItemList theirs;
    for (const auto& [name, command] :
         {std::pair<std::string, std::string>{"Xclip", otherData + "\\" + snapshot}, {"Yprog", "C:\\y.exe"}}) {
        ShortcutItem item;
        item.Name = name;
        item.guid = "GUID-" + name;
        item.ExePath = command;
        theirs.Append(item);
    }
    CatalogTree theirCatalogs;
    theirCatalogs.Add(CatalogTree::kRoot, "Imported", "EEEEEEEE-0000-4000-8000-00000000000E|0,1");
    m_chosen = elsewhere.File("Gift.trn");
    ExchangeJob job;
    std::string staging;
    ASSERT_TRUE(StageExport(m_chosen, theirCatalogs, theirs, otherData, job, staging));
    job.dataFiles.Add(theirs.At(0).ExePath);
    ASSERT_TRUE(job.Run());
    RemoveFolder(staging);

    CExchangeDlg dialog(nullptr, m_paths, CExchangeDlg::ImportMode);
    CExchangeSide& program = dialog.ProgramSide();
    CExchangeSide& file = dialog.FileSide();
    std::string unpackFolder;
    const INT_PTR result = HostDialog(dialog, [&](HWND hwnd) {
        for (int id : {IDC_XCH_LOAD, IDC_XCH_OK, IDC_XCH_CANCEL, IDC_XCH_PROGRAM_ADD, IDC_XCH_BRANCH_TO_PROGRAM})
            EXPECT_TRUE(Shown(hwnd, id) && Enabled(hwnd, id)) << id;
        for (int id : {IDC_XCH_FILE_ADD, IDC_XCH_FILE_NAME, IDC_XCH_BRANCH_TO_FILE})
            EXPECT_FALSE(Shown(hwnd, id) || Enabled(hwnd, id)) << id;

        // Loading twice shows the file's catalogs once.
        Click(hwnd, IDC_XCH_BROWSE);
        Click(hwnd, IDC_XCH_LOAD);
        Click(hwnd, IDC_XCH_LOAD);
        EXPECT_EQ(ChildTexts(file.Tree(), file.View().Root()), std::vector<std::string>{"Imported"});
        unpackFolder = dialog.WorkFolder();
        EXPECT_TRUE(FolderExists(unpackFolder));
        EXPECT_TRUE(FileExists(m_chosen));

        // Xclip into CatA; a Load of a file that is gone then changes nothing, Xclip's snapshot
        // stays at hand.
        ClickNode(program.Tree(), "CatA");
        ClickNode(file.Tree(), "Imported");
        ClickRow(file.List(), "Xclip", true);
        EXPECT_EQ(Members(program, "CatA"), (std::vector<std::string>{"Alpha", "Beta", "Delta", "Xclip"}));
        m_chosen = elsewhere.File("Gone.trn");
        Click(hwnd, IDC_XCH_BROWSE);
        Click(hwnd, IDC_XCH_LOAD);
        EXPECT_EQ(g_itemList.At(5).ExePath, m_paths.dataFolder + "\\" + snapshot);

        // Gamma out of the program: a deleted record at its place.
        ClickNode(program.Tree(), "CatB");
        ClickRow(program.List(), "Gamma");
        Click(hwnd, IDC_XCH_TO_FILE);
        EXPECT_TRUE(g_itemList.At(2).IsTombstone());
        EXPECT_EQ(Rows(file.List()), (std::vector<std::string>{"Yprog", "Gamma"}));

        // Ok saves, says so once the background job is done, and closes.
        Click(hwnd, IDC_XCH_OK);
        PumpUntil([&] { return !dialog.IsRunning(); }, 20000);
        EXPECT_EQ(m_messages, std::vector<std::string>{GetTipText("ImportedTip")});
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(FolderExists(unpackFolder));
    ItemList saved;
    ASSERT_TRUE(LoadItems(m_paths.itemsFile, saved));
    ASSERT_EQ(saved.Count(), 6u);
    EXPECT_TRUE(saved.At(2).IsTombstone());
    for (size_t i : {0, 1, 3, 4})
        EXPECT_EQ(saved.At(i), g_itemList.At(i)) << i;
    EXPECT_EQ(saved.At(5).Name, "Xclip");
    EXPECT_EQ(ReadBytes(m_paths.dataFolder + "\\" + snapshot), "their clipboard");
    CatalogTree catalogs;
    LoadCatalogTree(m_paths.catalogsFile, catalogs);
    EXPECT_EQ(catalogs.IndexList(catalogs.Find(kCatA)), "0,1,3,5");
}

TEST_F(ExchangeWindowTest, CancelExitAndEscapeLeaveNoFoldersBehind)
{
    m_chosen = m_folder.File("Some.trn");
    ExchangeJob job;
    std::string staging;
    ASSERT_TRUE(StageExport(m_chosen, CatalogTree(), g_itemList, m_paths.dataFolder, job, staging));
    ASSERT_TRUE(job.Run());
    RemoveFolder(staging);
    const auto loadThen = [&](std::function<void(HWND)> leave) {
        CExchangeDlg dialog(nullptr, m_paths, CExchangeDlg::ImportMode);
        std::string folder;
        HostDialog(dialog, [&](HWND hwnd) {
            Click(hwnd, IDC_XCH_BROWSE);
            Click(hwnd, IDC_XCH_LOAD);
            folder = dialog.WorkFolder();
            EXPECT_TRUE(FolderExists(folder));
            leave(hwnd);
        });
        EXPECT_FALSE(dialog.IsRunning());
        return folder;
    };
    std::string folder = loadThen([&](HWND hwnd) { Click(hwnd, IDC_XCH_CANCEL); });
    EXPECT_FALSE(FolderExists(folder));
    folder = loadThen([&](HWND hwnd) { Click(hwnd, IDC_XCH_EXIT); });
    EXPECT_FALSE(FolderExists(folder));
    EXPECT_EQ(m_messages, std::vector<std::string>{GetTipText("SaveData")});
    folder = loadThen([&](HWND hwnd) {
        HWND find = GetDlgItem(hwnd, IDC_XCH_PROGRAM_FIND);
        SetFocus(find);
        // The window's own loop takes the key: the step ends and the window with it.
        PostMessageA(find, WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_FALSE(FolderExists(folder));
    // Nothing was saved on the way.
    ItemList saved;
    LoadItems(m_paths.itemsFile, saved);
    EXPECT_EQ(saved.Count(), 5u);
}
