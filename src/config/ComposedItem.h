#pragma once
// A composed item runs several commands from one item. It is stored as an ordinary item: the
// name carries "+ " in front, and the command holds the entry names, one per line, then "^^^",
// then the entry commands in the same order, one per line.
#include "data/ShortcutItem.h"

#include <string>
#include <vector>

struct ComposedEntry {
    std::string name;
    std::string command; // a path, command line, address or clipboard snapshot file
};

bool operator==(const ComposedEntry& a, const ComposedEntry& b);

extern const char* const kComposedMarker; // "^^^"
extern const char* const kComposedPrefix; // "+ "

// Whether an entry survives the stored form: names and commands are kept one per line and the
// names end at the first "^^^", so a name holding "^^^" or a line break, or a command holding a
// line break, would be read back paired with the wrong entry (and started as part of a command).
bool FitsStoredForm(const ComposedEntry& entry);

// The stored command of these entries. Trailing CR and LF characters of each joined list go, so
// an entry whose command ends in line breaks loses them.
std::string EncodeComposedCommand(const std::vector<ComposedEntry>& entries);

// The entries of a stored command, name i with command i. A command without "^^^" holds none;
// when the two lists differ in length, only as many entries as the shorter one has are read.
std::vector<ComposedEntry> DecodeComposedCommand(const std::string& exePath);

// Name, command, description and default short name of the composed item called `composedName`
// (given without "+ "). Hotkey, guid and state are the caller's.
void WriteComposedItem(ShortcutItem& item, const std::string& composedName, const std::vector<ComposedEntry>& entries);

// Whether a row or item is a composed item: its name starts with "+ " and its command holds
// the marker.
bool IsComposedItem(const std::string& name, const std::string& exePath);
bool HasComposedMarker(const std::string& exePath);
// The composed name of a stored composed item's name: all but its first two characters.
std::string ComposedNameOf(const std::string& itemName);
// Whether `itemName` is the item name of `composedName`, letter case ignored.
bool IsItemNameOf(const std::string& itemName, const std::string& composedName);
