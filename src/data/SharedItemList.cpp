#include "data/SharedItemList.h"

ItemList g_itemList;
