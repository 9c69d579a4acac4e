// additem_shot.exe: shows the add-item dialog filled in, for screenshots.
//   --install FOLDER   installation folder of the skin and texts; default: TAV_DIST_DIR
//   --keys             drops the key list down as well
//   --ready FILE       once the dialog shows, writes its screen rectangle ("x y width height")
//                      to FILE, and ends when FILE is deleted
// The catalogs it offers come from a sample catalogs file in a temporary folder, so the
// installation folder's own data files are never touched.
#include "../ToolSession.h"
#include "ui/TipText.h"
#include "data/dialogs/AddItemDlg.h"
#include "data/CatalogData.h"
#include "data/FileAccess.h"
#include "resource.h"
#include "ui/wnd/InstallFolder.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {
CAddItemDlg* g_dialog = nullptr;
std::string g_readyFile;
bool g_dropKeys = false;

std::string SampleFolder()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "tav-additem-shot";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string root = kRootNodeId;
    const std::string tools = "AAAAAAAA-1111-4111-8111-000000000001";
    const std::string office = "BBBBBBBB-2222-4222-8222-000000000002";
    const std::string text = root + "|Tools|" + tools + "|0\\" + tools + "|Editors|" +
                             "CCCCCCCC-3333-4333-8333-000000000003\\" + root + "|Office|" + office + "\\" + office +
                             "|Reports|DDDDDDDD-4444-4444-8444-000000000004\\" + root +
                             "|Games|EEEEEEEE-5555-4555-8555-000000000005";
    const std::string path = folder + "\\Shortcut2.clg";
    DeleteFileIfPresent(path);
    WriteAt(path, text, 0);
    return folder;
}

void CALLBACK ReportReady(HWND, UINT, UINT_PTR timerId, DWORD)
{
    KillTimer(nullptr, timerId);
    CToolSession::ReportReady(g_dialog->Hwnd(), g_readyFile);
}

void CALLBACK FillIn(HWND, UINT, UINT_PTR timerId, DWORD)
{
    KillTimer(nullptr, timerId);
    HWND dialog = g_dialog->Hwnd();
    SendDlgItemMessageA(dialog, IDC_ADDITEM_MODIFIER, CB_SETCURSEL, 0, 0);
    SetDlgItemTextA(dialog, IDC_ADDITEM_KEY, "R");
    HWND tree = GetDlgItem(dialog, IDC_ADDITEM_TREE);
    HTREEITEM tools = TreeView_GetChild(tree, TreeView_GetRoot(tree));
    TreeView_Expand(tree, tools, TVE_EXPAND);
    TreeView_SelectItem(tree, TreeView_GetChild(tree, tools));
    if (g_dropKeys)
        SendDlgItemMessageA(dialog, IDC_ADDITEM_KEY_DROP, BM_CLICK, 0, 0);
    if (!g_readyFile.empty())
        SetTimer(nullptr, 0, 700, &ReportReady);
}
} // namespace

int main(int argc, char** argv)
{
    CToolSession session;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--keys")
            g_dropKeys = true;
        else if (option == "--install" && i + 1 < argc)
            SetInstallFolder(argv[++i]);
        else if (option == "--ready" && i + 1 < argc)
            g_readyFile = argv[++i];
    }
    g_configPath = InstallFolder() + "\\TavimorethConfig.ini";

    CAddItemDlg dialog(nullptr, InstallPaths::In(SampleFolder()));
    dialog.Name = "Quarterly Report";
    dialog.ShortName = "QR";
    dialog.Description = "Sales figures of the last quarter,\r\nopened in the spreadsheet.";
    dialog.ExePath = "C:\\Reports\\Quarterly Report.xlsx";
    g_dialog = &dialog;
    SetTimer(nullptr, 0, 300, &FillIn);
    dialog.DoModal();
    g_dialog = nullptr;
    return 0;
}
