#pragma once
// The program's one item list, shared by every window. Windows refer to items by their position
// in it; only the user-interface thread touches it.
#include "data/ItemList.h"

extern ItemList g_itemList;
