#pragma once
// The checks every dialog that names an item makes, with the message it shows when one fails.
#include <string>

std::string TrimItemText(const std::string& text);
// False, after showing "NameEmpty" or "ReservedNameWord", when the name cannot be an item's.
bool AcceptItemName(const std::string& name);
void ShowTipMessage(const char* key);
