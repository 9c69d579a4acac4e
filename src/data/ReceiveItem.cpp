#include "data/ReceiveItem.h"

#include "data/CatalogData.h"
#include "data/ItemsFile.h"

#include <utility>

ReceivedItem ReceiveItem(ItemList& items, CatalogTree& catalogs, const std::string& itemsPath,
                         const std::string& catalogsPath, ShortcutItem item, const std::string& nodeId)
{
    ReceivedItem received;
    item.Reserved.clear();
    item.State = "0";
    received.index = items.Append(std::move(item));
    bool itemsSaved = AppendItem(itemsPath, items, received.index);
    // The root is no catalog of its own (it is never stored): an item handed to it belongs to
    // none and shows among all items only.
    CatalogId catalog = nodeId == kRootNodeId ? CatalogTree::kNone : catalogs.Find(nodeId);
    if (catalog == CatalogTree::kNone || nodeId.empty()) {
        received.saved = itemsSaved;
        return received;
    }
    catalogs.AddMember(catalog, received.index);
    received.catalog = catalog;
    bool catalogsSaved = SaveCatalogTree(catalogsPath, catalogs);
    received.saved = itemsSaved && catalogsSaved;
    return received;
}
