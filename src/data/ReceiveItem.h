#pragma once
// Taking a finished item into the data, for whichever window owns it at the moment (the main
// window, or the configuration window while it is open): the item joins the list and the items
// file, the catalog it names gets its position, and the catalogs file is written anew.
#include "data/CatalogTree.h"
#include "data/ItemList.h"

#include <string>

struct ReceivedItem {
    size_t index = 0;                          // IndexInAll of the new item
    CatalogId catalog = CatalogTree::kNone;    // the catalog that got it; kNone when none matched
    bool saved = false;                        // both files were written
};

// `nodeId` names the chosen catalog; the root, an unknown or a deleted catalog leave the item
// in no catalog (it still shows among all items). When a file cannot be written the item stays
// in the list and the catalog, so the next save writes it; `saved` tells the caller to say so.
ReceivedItem ReceiveItem(ItemList& items, CatalogTree& catalogs, const std::string& itemsPath,
                         const std::string& catalogsPath, ShortcutItem item, const std::string& nodeId);
