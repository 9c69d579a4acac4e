#pragma once
// The window that owns the data while a finished item arrives (the main window, or the
// configuration window while it is open) takes it the same way: into the shared item list and
// the window's catalog model, shown in its tree, and a failed save told to the user.
#include "data/CatalogTree.h"
#include "data/InstallPaths.h"
#include "data/ReceiveItem.h"

class CCatalogTreeView;

// False when the hand-off section held no item.
bool ReceiveHandOffItem(CatalogTree& model, CCatalogTreeView& view, const InstallPaths& paths, ReceivedItem& received);
