#pragma once
// The short name an item gets when the configuration window makes or resets it: the short name
// of its name without the "+ " that marks composed items, in capitals.
#include <string>

std::string DefaultShortName(const std::string& name);
