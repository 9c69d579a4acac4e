#include "data/ReceiveItem.h"

#include "data/CatalogData.h"
#include "data/CatalogTreeView.h"
#include "data/HandOff.h"
#include "data/ItemsFile.h"
#include "data/NewGuidString.h"

namespace {
ShortcutItem ItemFrom(const HandOffItem& handed)
{
    ShortcutItem item;
    item.Name = handed.Name;
    item.ShortName = handed.ShortName;
    item.Hotkey1 = handed.Hotkey1;
    item.Hotkey2 = handed.Hotkey2;
    item.Reserved.clear();
    item.Description = handed.Description;
    item.State = "0";
    item.guid = NewGuidString();
    item.ExePath = handed.ExePath;
    return item;
}

// The root is no catalog of its own (it is never stored): an item handed to it belongs to none
// and shows among all items only, like one whose catalog is unknown.
HTREEITEM CatalogOf(const CCatalogTreeView& catalogs, const std::string& nodeId)
{
    if (nodeId.empty() || nodeId == kRootNodeId)
        return nullptr;
    return catalogs.FindCatalog(nodeId);
}
} // namespace

ReceivedItem ReceiveHandOffItem(ItemList& items, const std::string& itemsPath, CCatalogTreeView& catalogs,
                                const std::string& catalogsPath)
{
    ReceivedItem received;
    HandOffItem handed;
    if (!ReadHandOffItem(handed))
        return received;
    received.index = items.Append(ItemFrom(handed));
    received.added = true;
    AppendItem(itemsPath, items, received.index);

    HTREEITEM node = CatalogOf(catalogs, handed.NodeID);
    if (!node)
        return received;
    catalogs.SetData(node, AddIndex(catalogs.DataOf(node), received.index));
    received.catalog = node;
    catalogs.SaveCatalogs(catalogsPath);
    return received;
}
