// config_shot.exe: shows the configuration window with sample items, or one item dialog, for
// screenshots.
//   --install FOLDER   installation folder of the skin and texts; default: TAV_DIST_DIR
//   --keys             drops the key list down as well
//   --composed         shows the sample composed item in the composed editor
//   --hidden           hides the item list with its hide/show button
//   --info, --clip     shows the item-info or the clipboard item dialog instead
//   --replace          shows the batch replace settings, filled in to move programs to a new folder
//   --ready FILE       once the window shows, writes its screen rectangle ("x y width height")
//                      to FILE, and ends when FILE is deleted
// The data files live in a temporary folder, so the installation folder's own are never touched.
#include "../ToolSession.h"
#include "config/ComposedItem.h"
#include "config/ConfigDlg.h"
#include "config/ReplaceSettingsDlg.h"
#include "data/CatalogData.h"
#include "data/FileAccess.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "data/dialogs/ClipItemDlg.h"
#include "data/dialogs/ItemInfoDlg.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/InstallFolder.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {
CDialog* g_dialog = nullptr;
CConfigDlg* g_config = nullptr;
std::string g_readyFile;
bool g_dropKeys = false;
bool g_showComposed = false;
bool g_hideList = false;

InstallPaths SamplePaths()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tav-config-shot";
    CreateDirectoryA(folder.c_str(), nullptr);
    InstallPaths paths = InstallPaths::In(InstallFolder());
    paths.itemsFile = folder + "\\Shortcut2.dat";
    paths.catalogsFile = folder + "\\Shortcut2.clg";
    const char* names[][4] = {{"Notepad", "Ctrl", "N", "C:\\Windows\\notepad.exe"},
                              {"Calculator", "Alt", "C", "C:\\Windows\\calc.exe"},
                              {"Quarterly Report", "", "", "C:\\Reports\\Quarterly.xlsx"},
                              {"Project Folder", "Shift", "F5", "C:\\Projects"},
                              {"Support Page", "", "", "https://example.org/support"}};
    g_itemList.Clear();
    for (const auto& row : names) {
        ShortcutItem item;
        item.Name = row[0];
        item.ShortName = std::string(row[0]).substr(0, 2);
        item.Hotkey1 = row[1];
        item.Hotkey2 = row[2];
        item.Description = std::string(row[0]) + " (sample)";
        item.ExePath = row[3];
        g_itemList.Append(item);
    }
    ShortcutItem morning;
    WriteComposedItem(morning, "Morning",
                      {{"Notepad", "C:\\Windows\\notepad.exe"}, {"Calculator", "C:\\Windows\\calc.exe"}});
    g_itemList.Append(morning);
    SaveItems(paths.itemsFile, g_itemList);
    const std::string root = kRootNodeId;
    const std::string tools = "AAAAAAAA-1111-4111-8111-000000000001";
    DeleteFileIfPresent(paths.catalogsFile);
    WriteAt(paths.catalogsFile,
            root + "|Tools|" + tools + "|0,1,5\\" + tools + "|Editors|CCCCCCCC-3333-4333-8333-000000000003|0\\" + root +
                "|Office|BBBBBBBB-2222-4222-8222-000000000002|2,4",
            0);
    return paths;
}

void CALLBACK ReportReady(HWND, UINT, UINT_PTR timerId, DWORD)
{
    if (g_config && !g_config->IsLoaded())
        return;
    KillTimer(nullptr, timerId);
    if (g_config) {
        const int row = g_showComposed ? g_config->ItemRows().GetItemCount() - 1 : 0;
        g_config->ItemRows().ClearSelection();
        g_config->ItemRows().SelectRow(row);
        SendMessageA(g_config->Hwnd(), CSkinListCtrl::kRowSelectedMessage, row,
                     reinterpret_cast<LPARAM>(g_config->ItemRows().Hwnd()));
        if (g_dropKeys)
            g_config->OpenKeyList(true);
        if (g_hideList)
            SendMessageA(g_config->Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_CFG_HIDE_LIST, BN_CLICKED), 0);
    }
    if (g_readyFile.empty())
        return;
    CToolSession::ReportReady(g_dialog->Hwnd(), g_readyFile);
}
} // namespace

int main(int argc, char** argv)
{
    CToolSession session;
    std::string which = "config";
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--keys")
            g_dropKeys = true;
        else if (option == "--composed")
            g_showComposed = true;
        else if (option == "--hidden")
            g_hideList = true;
        else if (option == "--info" || option == "--clip" || option == "--replace")
            which = option.substr(2);
        else if (option == "--install" && i + 1 < argc)
            SetInstallFolder(argv[++i]);
        else if (option == "--ready" && i + 1 < argc)
            g_readyFile = argv[++i];
    }
    g_configPath = InstallFolder() + "\\TavimorethConfig.ini";
    const InstallPaths paths = SamplePaths();
    SetTimer(nullptr, 0, 700, &ReportReady);
    if (which == "info") {
        CItemInfoDlg dialog(nullptr);
        dialog.Name = "Build and test";
        dialog.Command = "C:\\Tools\\build.cmd\r\nC:\\Tools\\test.cmd";
        g_dialog = &dialog;
        dialog.DoModal();
    } else if (which == "replace") {
        CReplaceSettingsDlg dialog(InstallFolder());
        dialog.Settings.pathFind = "C:\\Tools";
        dialog.Settings.pathReplace = "D:\\Portable\\Tools";
        dialog.Settings.replaceAll = true;
        g_dialog = &dialog;
        dialog.DoModal();
    } else if (which == "clip") {
        CClipItemDlg dialog(nullptr, paths);
        dialog.Name = "Signature";
        g_dialog = &dialog;
        dialog.DoModal();
    } else {
        CConfigDlg dialog(nullptr, paths);
        dialog.DiscoverPrograms = [](ProgramList& programs) {
            programs.Append("Paint", "C:\\Windows\\mspaint.exe");
            programs.Append("WordPad", "C:\\Program Files\\Windows NT\\wordpad.exe");
            programs.Append("Command Prompt", "C:\\Windows\\System32\\cmd.exe");
        };
        g_dialog = g_config = &dialog;
        dialog.DoModal();
    }
    return 0;
}
