#pragma once
// Taking a finished item from the hand-off section, for whichever window owns the data (the
// main window, or the configuration window while it is open): the item joins the list and the
// items file, its catalog gets its index, and the catalogs file is written anew from the tree.
#include "data/ItemList.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

class CCatalogTreeView;

struct ReceivedItem {
    bool added = false;          // false: the section held no item (empty Name)
    size_t index = 0;            // IndexInAll of the new item
    HTREEITEM catalog = nullptr; // the node that got the index; nullptr when none matched
};

// `catalogs` is the receiver's own tree with the tables its loader filled. The caller refreshes
// its views afterwards; nothing is shown here.
ReceivedItem ReceiveHandOffItem(ItemList& items, const std::string& itemsPath, CCatalogTreeView& catalogs,
                                const std::string& catalogsPath);
