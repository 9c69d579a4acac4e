#pragma once
// The short name an item gets when the configuration window makes or resets it: the short name
// of its name without the "+ " that marks composed items, in capitals.
#include <string>

std::string DefaultShortName(const std::string& name);

// Upper-cases the single-byte letters of `text`; a double-byte character (GBK lead byte and
// its trail byte) stays whole, since its trail byte may look like a lower-case letter.
std::string UpperCaseText(const std::string& text);
