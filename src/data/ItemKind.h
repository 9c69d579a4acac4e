#pragma once
// What an item is, is never stored: it is told from its command text.
#include <string>

// Tree and list image of an item: 3 for a command text of several lines, else 2.
int ItemImageOf(const std::string& exePath);

// True when `text` ends in `suffix`, ASCII letters compared without case.
bool EndsWithNoCase(const std::string& text, const char* suffix);
