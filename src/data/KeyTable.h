#pragma once
// How a stored hotkey maps to system values: one modifier name and one key name.
#include <string>
#include <vector>

struct KeyTableEntry {
    std::string name;
    unsigned code;
};

// The 48 key names the pickers offer, in their order: A-Z, 0-9, F1-F12.
const std::vector<KeyTableEntry>& KeyTable();

// System modifier flag of a Hotkey1 text ("Ctrl" 2, "Shift" 4, "Alt" 1; letter case ignored), else 0.
unsigned ModifierFlag(const std::string& hotkey1);
// Virtual-key code of a Hotkey2 text (exact name of the table), else 0.
unsigned VirtualKey(const std::string& hotkey2);
