// The configuration window at the scale of a large item list, under Wine: with 100,000 items in
// 500 catalogs, opening it until the item list shows the root catalog (program discovery left
// out), the "<<" of 1,000 program rows into a catalog, and a Save.
#include "config/ConfigDlg.h"
#include "data/CatalogData.h"
#include "data/CatalogTree.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/InstallFolder.h"

#include "TempFolder.h"
#include "WinBench.h"
#include "WinTestSupport.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {
const int kRuns = 5;
const int kItems = 100000;
const int kCatalogs = 500;
const int kPrograms = 1000;

std::string NodeIdFor(int catalog)
{
    char id[40];
    std::snprintf(id, sizeof(id), "%08X-0000-4000-8000-%012X", catalog + 1, catalog + 1);
    return id;
}

void WriteData(const TempFolder& folder)
{
    g_itemList.Clear();
    g_itemList.Reserve(static_cast<size_t>(kItems));
    std::vector<std::string> lists(static_cast<size_t>(kCatalogs));
    for (int i = 0; i < kItems; ++i) {
        const unsigned scrambled = static_cast<unsigned>(i) * 2654435761u;
        ShortcutItem item;
        item.Name = "Tool " + std::to_string(scrambled % 1000003) + " " + std::to_string(i);
        item.ShortName = "t" + std::to_string(i);
        item.Description = "Item number " + std::to_string(i);
        item.guid = "ITEM-" + std::to_string(i);
        item.ExePath = "C:\\Program Files\\Tool " + std::to_string(i) + "\\tool.exe";
        g_itemList.Append(item);
        std::string& list = lists[static_cast<size_t>(i % kCatalogs)];
        list += (list.empty() ? "" : ",") + std::to_string(i);
    }
    SaveItems(folder.File("Shortcut2.dat"), g_itemList);
    CatalogTree tree;
    for (int c = 0; c < kCatalogs; ++c)
        tree.Add(CatalogTree::kRoot, "Catalog " + std::to_string(c), NodeIdFor(c) + "|" + lists[static_cast<size_t>(c)]);
    WriteBytes(folder.File("Shortcut2.clg"), tree.Format());
}

struct Measures {
    std::vector<double> open;
    std::vector<double> add;
    std::vector<double> save;
};
}  // namespace

int main()
{
    WinTestEnvironment environment;
    g_configPath = DistFolder() + "\\TavimorethConfig.ini";
    TempFolder folder;
    WriteData(folder);
    InstallPaths paths = InstallPaths::In(DistFolder());
    paths.itemsFile = folder.File("Shortcut2.dat");
    paths.catalogsFile = folder.File("Shortcut2.clg");
    paths.dataFolder = folder.Path().string();
    CApplication::SetMessageBoxResponder([](const std::string&, UINT) { return IDYES; });

    Measures measures;
    bool complete = true;
    for (int run = 0; run < kRuns; ++run) {
        CConfigDlg dialog(nullptr, paths);
        dialog.DiscoverPrograms = [&](ProgramList&) {};
        const double start = NowMs();
        bool measured = false;
        double opened = -1;
        std::function<void()> poll = [&] {
            CSkinListCtrl& rows = dialog.ItemRows();
            // Opened: the item list shows the root's items. Discovery (the progress window
            // after the loading delay) is not part of it.
            if (rows.GetItemCount() >= kItems && opened < 0)
                opened = NowMs() - start;
            if (!dialog.IsLoaded() || opened < 0) {
                RunSoon(poll, 1);
                return;
            }
            measures.open.push_back(opened);
            // 1,000 programs listed (as discovery would have left them), then "<<" into a catalog.
            HWND hwnd = dialog.Hwnd();
            dialog.DiscoverPrograms = [&](ProgramList& programs) {
                for (int p = 0; p < kPrograms; ++p)
                    programs.Append("Program " + std::to_string(run) + "-" + std::to_string(p),
                                    "C:\\Programs\\program" + std::to_string(p) + ".exe");
            };
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_CFG_PROGRAMS, BN_CLICKED), 0);
            if (dialog.ProgramRows().GetItemCount() != kPrograms) {
                std::printf("the program list holds %d rows, not %d\n", dialog.ProgramRows().GetItemCount(), kPrograms);
                complete = false;
            }
            HWND tree = dialog.Catalogs().Hwnd();
            TreeView_SelectItem(tree, dialog.Catalogs().NodeOf(dialog.Model().Find(NodeIdFor(run))));
            const int before = rows.GetItemCount();
            double begin = NowMs();
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_CFG_ADD_ALL, BN_CLICKED), 0);
            UpdateWindow(hwnd);
            measures.add.push_back(NowMs() - begin);
            if (rows.GetItemCount() != before + kPrograms) {
                std::printf("the catalog gained %d rows, not %d\n", rows.GetItemCount() - before, kPrograms);
                complete = false;
            }
            begin = NowMs();
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_CFG_SAVE, BN_CLICKED), 0);
            measures.save.push_back(NowMs() - begin);
            measured = true;
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_CFG_CANCEL, BN_CLICKED), 0);
        };
        RunSoon(poll, 1);
        dialog.DoModal();
        if (!measured) {
            std::printf("the configuration window never showed its items\n");
            return 1;
        }
    }
    Goal("config_open_100k", measures.open, 300, "ms");
    Goal("config_add_1000_programs", measures.add, 200, "ms");
    Goal("config_save_100k", measures.save, 300, "ms");
    return complete ? 0 : 1;
}
