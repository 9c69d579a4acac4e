#pragma once
// The checks every dialog that names an item makes, with the message it shows when one fails.
#include <string>

#include "data/TextTrim.h"
// False, after showing "NameEmpty" or "ReservedNameWord", when the name cannot be an item's.
bool AcceptItemName(const std::string& name);
// False, after showing "CatalogEmpty" or "CatalogNameInvalid", when the name cannot be a
// catalog's (the catalogs file would have to change it).
bool AcceptCatalogName(const std::string& name);
void ShowTipMessage(const char* key);
