// exchange_shot.exe: shows the export and import window with sample items, for screenshots.
//   --install FOLDER   installation folder of the skin and texts; default: TAV_DIST_DIR
//   --import           the import window with a sample exchange file loaded (default: export,
//                      with a catalog copied to the file's side)
//   --ready FILE       once the window shows, writes its screen rectangle ("x y width height")
//                      to FILE, and ends when FILE is deleted
// The data files live in a temporary folder, so the installation folder's own are never touched.
#include "../ToolSession.h"
#include "data/CatalogData.h"
#include "data/FileAccess.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "exchange/ExchangeDlg.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ExchangeFolders.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/InstallFolder.h"
#include "ui/wnd/TreeViewCtrl.h"

#include <string>

namespace {
CExchangeDlg* g_dialog = nullptr;
std::string g_readyFile;
std::string g_sampleFile;

InstallPaths SamplePaths(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    InstallPaths paths = InstallPaths::In(InstallFolder());
    paths.itemsFile = folder + "\\Shortcut2.dat";
    paths.catalogsFile = folder + "\\Shortcut2.clg";
    paths.dataFolder = folder + "\\Data";
    const char* names[][2] = {{"Notepad", "C:\\Windows\\notepad.exe"},
                              {"Calculator", "C:\\Windows\\calc.exe"},
                              {"Quarterly Report", "C:\\Reports\\Quarterly.xlsx"},
                              {"Project Folder", "C:\\Projects"},
                              {"Support Page", "https://example.org/support"}};
    g_itemList.Clear();
    for (const auto& row : names) {
        ShortcutItem item;
        item.Name = row[0];
        item.ShortName = std::string(row[0]).substr(0, 2);
        item.guid = std::string("SAMPLE-") + row[0];
        item.ExePath = row[1];
        g_itemList.Append(item);
    }
    SaveItems(paths.itemsFile, g_itemList);
    const std::string root = kRootNodeId;
    const std::string tools = "AAAAAAAA-1111-4111-8111-000000000001";
    DeleteFileIfPresent(paths.catalogsFile);
    WriteAt(paths.catalogsFile,
            root + "|Tools|" + tools + "|0,1\\" + tools + "|Editors|CCCCCCCC-3333-4333-8333-000000000003|0\\" + root +
                "|Office|BBBBBBBB-2222-4222-8222-000000000002|2,3,4",
            0);
    return paths;
}

// A sample exchange file beside the data files: the Office catalog of another machine.
void WriteSampleExchange(const InstallPaths& paths, const std::string& folder)
{
    ItemList items;
    for (const char* name : {"Team Calendar", "Budget 2027", "Printer Setup"}) {
        ShortcutItem item;
        item.Name = name;
        item.guid = std::string("GIFT-") + name;
        item.ExePath = std::string("C:\\Shared\\") + name + ".lnk";
        items.Append(item);
    }
    CatalogTree catalogs;
    const CatalogId shared = catalogs.Add(CatalogTree::kRoot, "Shared", "EEEEEEEE-0000-4000-8000-00000000000E|0,1");
    catalogs.Add(shared, "Devices", "FFFFFFFF-0000-4000-8000-00000000000F|2");
    g_sampleFile = folder + "\\Colleague.trn";
    ExchangeJob job;
    std::string staging;
    if (StageExport(g_sampleFile, catalogs, items, paths.dataFolder, job, staging))
        job.Run();
    RemoveFolder(staging);
}

void SelectNode(HWND tree, const std::string& text)
{
    for (HTREEITEM node = TreeView_GetRoot(tree); node; node = TreeView_GetNextVisible(tree, node)) {
        if (CTreeViewCtrl(tree).ItemText(node) == text) {
            TreeView_SelectItem(tree, node);
            return;
        }
    }
}

void CALLBACK ReportReady(HWND, UINT, UINT_PTR timerId, DWORD)
{
    KillTimer(nullptr, timerId);
    HWND hwnd = g_dialog->Hwnd();
    if (g_dialog->GetMode() == CExchangeDlg::ImportMode) {
        SetDlgItemTextA(hwnd, IDC_XCH_PATH, g_sampleFile.c_str());
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_XCH_LOAD, BN_CLICKED), 0);
        SelectNode(g_dialog->FileSide().Tree(), "Shared");
        SelectNode(g_dialog->ProgramSide().Tree(), "Office");
    } else {
        SelectNode(g_dialog->ProgramSide().Tree(), "Office");
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_XCH_BRANCH_TO_FILE, BN_CLICKED), 0);
        SelectNode(g_dialog->FileSide().Tree(), "Office");
        SelectNode(g_dialog->ProgramSide().Tree(), "Tools");
        SetDlgItemTextA(hwnd, IDC_XCH_PATH, "C:\\Users\\Public\\Backup.trn");
    }
    if (g_readyFile.empty())
        return;
    // The pointer leaves the screen's corner, so no button shows its tip over the window.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    CToolSession::ReportReady(hwnd, g_readyFile);
}
} // namespace

int main(int argc, char** argv)
{
    CToolSession session;
    bool import = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--import")
            import = true;
        else if (option == "--install" && i + 1 < argc)
            SetInstallFolder(argv[++i]);
        else if (option == "--ready" && i + 1 < argc)
            g_readyFile = argv[++i];
    }
    g_configPath = InstallFolder() + "\\TavimorethConfig.ini";
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tav-exchange-shot";
    const InstallPaths paths = SamplePaths(folder);
    WriteSampleExchange(paths, folder);
    CExchangeDlg dialog(nullptr, paths, import ? CExchangeDlg::ImportMode : CExchangeDlg::ExportMode);
    g_dialog = &dialog;
    SetTimer(nullptr, 0, 700, &ReportReady);
    dialog.DoModal();
    return 0;
}
