// The quick-launch window at the scale of a large item list, under Wine: its own start-up work
// with 10,000 items in 500 catalogs (from the window's construction until it is up with both
// lists filled and sorted and the tree built), then with 100,000 items a keystroke in the
// short-name box and the choice of a catalog.
#include "app/LauncherApp.h"
#include "app/LauncherDlg.h"
#include "ui/TipText.h"
#include "data/CatalogData.h"
#include "data/CatalogTree.h"
#include "data/ItemsFile.h"
#include "resource.h"
#include "ui/wnd/InstallFolder.h"

#include "TempFolder.h"
#include "WinBench.h"
#include "WinTestSupport.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
const int kRuns = 5;

std::string NodeIdFor(int catalog)
{
    char id[40];
    std::snprintf(id, sizeof(id), "%08X-0000-4000-8000-%012X", catalog + 1, catalog + 1);
    return id;
}

// Items spread over the catalogs, names in mixed case with shared beginnings.
void WriteData(const TempFolder& folder, int itemCount, int catalogCount)
{
    static const char* const stems[] = {"Notes", "notes", "Player", "Setup", "setup", "Viewer", "Zip", "zip tool"};
    ItemList items;
    items.Reserve(static_cast<size_t>(itemCount));
    std::vector<std::string> lists(static_cast<size_t>(catalogCount));
    for (int i = 0; i < itemCount; ++i) {
        const unsigned scrambled = static_cast<unsigned>(i) * 2654435761u;
        ShortcutItem item;
        item.Name = std::string(stems[scrambled % 8]) + " " + std::to_string(scrambled % 100003);
        item.ShortName = std::string(1, "nNpPsSvz"[scrambled % 8]) + std::to_string(i);
        item.Description = "Item number " + std::to_string(i);
        item.guid = NodeIdFor(i);
        item.ExePath = "C:\\Program Files\\Tool " + std::to_string(i) + "\\tool.exe";
        items.Append(item);
        std::string& list = lists[static_cast<size_t>(i % catalogCount)];
        list += (list.empty() ? "" : ",") + std::to_string(i);
    }
    SaveItems(folder.File("Shortcut2.dat"), items);
    CatalogTree tree;
    for (int c = 0; c < catalogCount; ++c)
        tree.Add(CatalogTree::kRoot, "Catalog " + std::to_string(c),
                 NodeIdFor(c) + "|" + lists[static_cast<size_t>(c)]);
    WriteBytes(folder.File("Shortcut2.clg"), tree.Format());
}

double StartUpOnce()
{
    const double start = NowMs();
    double shown = 0;
    CLauncherDlg dialog(InstallPaths::In(InstallFolder()));
    RunSoon(
        [&] {
            shown = NowMs();
            dialog.EndDialog(IDCANCEL);
        },
        1);
    dialog.DoModal();
    dialog.UnregisterItemHotkeys();
    return shown - start;
}

struct LargeListMeasures {
    std::vector<double> keystroke;
    std::vector<double> catalog;
};

LargeListMeasures MeasureLargeList()
{
    LargeListMeasures measures;
    CLauncherDlg dialog(InstallPaths::In(InstallFolder()));
    RunSoon(
        [&] {
            HWND hwnd = dialog.Hwnd();
            CCatalogTreeView& catalogs = dialog.Catalogs();
            for (int run = 0; run < kRuns; ++run) {
                // A short name far down the sorted list, typed one more letter at a time.
                SetDlgItemTextA(hwnd, IDC_SHORTNAME_EDIT, "z");
                double start = NowMs();
                SetDlgItemTextA(hwnd, IDC_SHORTNAME_EDIT, ("z9999" + std::to_string(run)).c_str());
                measures.keystroke.push_back(NowMs() - start);

                SendMessageA(catalogs.Hwnd(), TVM_SELECTITEM, TVGN_CARET,
                             reinterpret_cast<LPARAM>(catalogs.NodeOf(dialog.CatalogModel().Find(NodeIdFor(run)))));
                start = NowMs();
                SendMessageA(catalogs.Hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(catalogs.Root()));
                UpdateWindow(hwnd);
                measures.catalog.push_back(NowMs() - start);
            }
            dialog.EndDialog(IDCANCEL);
        },
        1);
    dialog.DoModal();
    dialog.UnregisterItemHotkeys();
    return measures;
}
} // namespace

int main()
{
    WinTestEnvironment environment;
    g_configPath = DistFolder() + "\\TavimorethConfig.ini";

    TempFolder small;
    WriteData(small, 10000, 500);
    SetInstallFolder(small.Path().string());
    std::vector<double> startUp;
    for (int run = 0; run < kRuns; ++run)
        startUp.push_back(StartUpOnce());
    Goal("launcher_startup_10k", startUp, 150, "ms");

    TempFolder large;
    WriteData(large, 100000, 500);
    SetInstallFolder(large.Path().string());
    const LargeListMeasures measures = MeasureLargeList();
    Goal("search_keystroke_100k", measures.keystroke, 5, "ms");
    Goal("catalog_refill_100k", measures.catalog, 60, "ms");
    return 0;
}
