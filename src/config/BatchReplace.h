#pragma once
// Rewriting text in many items at once: in names, short names and the paths inside commands,
// typically to follow a program folder that moved.
#include "data/ItemList.h"
#include "data/LeadBytes.h"

#include <cstddef>
#include <string>

struct ReplaceSettings {
    std::string nameFind;
    std::string nameReplace;
    std::string shortNameFind;
    std::string shortNameReplace;
    std::string pathFind;
    std::string pathReplace;
    // Every item of every catalog, not just the rows of the item list.
    bool replaceAll = false;
};

// The fields of an item-list row that a replacement touches.
struct ReplaceRow {
    std::string name;
    std::string shortName;
    std::string command;
};

// Replaces every occurrence of `find` in `text`, left to right, case-sensitive; inserted text
// is not searched again. An empty `find` replaces nothing. Returns the number of occurrences.
// An occurrence starts on a whole character: the second byte of a double-byte character may
// look like "\" or a letter.
size_t ReplaceText(std::string& text, const std::string& find, const std::string& replacement,
                   const LeadBytes& lead = LeadBytes::OfSystem());

// A row of the item list: the name is replaced when its find text is given, the short name
// likewise, and the command only when both path texts are given.
void ReplaceInRow(ReplaceRow& row, const ReplaceSettings& settings);

// The same rules for an item of the item list; returns whether any field changed.
bool ReplaceInItem(ShortcutItem& item, const ReplaceSettings& settings);
// Every item of the list, in list order; returns how many changed. Deleted items have empty
// fields and stay as they are.
size_t ReplaceInAllItems(ItemList& items, const ReplaceSettings& settings);
