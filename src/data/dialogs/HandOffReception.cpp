#include "data/dialogs/HandOffReception.h"

#include "data/HandOff.h"
#include "data/SharedItemList.h"
#include "data/dialogs/CatalogTreeView.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"

bool ReceiveHandOffItem(CatalogTree& model, CCatalogTreeView& view, const InstallPaths& paths, ReceivedItem& received)
{
    ShortcutItem item;
    std::string nodeId;
    if (!TakeHandOffItem(item, nodeId))
        return false;
    received = ReceiveItem(g_itemList, model, paths.itemsFile, paths.catalogsFile, std::move(item), nodeId);
    if (received.catalog != CatalogTree::kNone)
        view.ShowItems(received.catalog, g_itemList);
    if (!received.saved)
        AppMessageBox(GetTipText("SaveFailed"), MB_OK | MB_ICONWARNING);
    return true;
}
