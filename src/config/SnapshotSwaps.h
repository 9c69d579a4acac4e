#pragma once
// Clipboard snapshot files that item edits of the configuration window replaced or made. The
// data files keep naming the old snapshot until the window saves, so an old file goes only
// then, and only when no item refers to it any more; an edit the window refuses, or a window
// closed without saving, takes its fresh file back.
#include "data/ItemList.h"

#include <string>
#include <vector>

class SnapshotSwaps {
public:
    // An accepted edit moved an item or composed entry from the `old` snapshot to `fresh`.
    void Adopt(const std::string& old, const std::string& fresh);
    // The window refused the edit that made `fresh`: the file goes, the old one stays in use.
    void Discard(const std::string& fresh);
    // The data were saved: replaced files no item names any more go.
    void Commit(const ItemList& items);
    // The window closes without saving: every fresh file goes, every old one stays.
    void Abandon();

private:
    struct Swap {
        std::string old;
        std::string fresh;
    };
    std::vector<Swap> m_swaps;
};
