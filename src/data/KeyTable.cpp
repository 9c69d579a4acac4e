#include "data/KeyTable.h"

#include <string>

namespace {
std::vector<KeyTableEntry> BuildKeyTable()
{
    std::vector<KeyTableEntry> table;
    for (unsigned code = 0x41; code <= 0x5A; ++code)
        table.push_back({std::string(1, static_cast<char>(code)), code});
    for (unsigned code = 0x30; code <= 0x39; ++code)
        table.push_back({std::string(1, static_cast<char>(code)), code});
    for (unsigned n = 1; n <= 12; ++n)
        table.push_back({"F" + std::to_string(n), 0x70 + n - 1});
    return table;
}

bool EqualsNoCase(const std::string& text, const char* word)
{
    size_t i = 0;
    for (; i < text.size() && word[i] != '\0'; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        char w = word[i];
        if (w >= 'A' && w <= 'Z')
            w = static_cast<char>(w - 'A' + 'a');
        if (c != w)
            return false;
    }
    return i == text.size() && word[i] == '\0';
}
} // namespace

const std::vector<KeyTableEntry>& KeyTable()
{
    static const std::vector<KeyTableEntry> table = BuildKeyTable();
    return table;
}

unsigned ModifierFlag(const std::string& hotkey1)
{
    if (EqualsNoCase(hotkey1, "Ctrl"))
        return 2;
    if (EqualsNoCase(hotkey1, "Shift"))
        return 4;
    if (EqualsNoCase(hotkey1, "Alt"))
        return 1;
    return 0;
}

unsigned VirtualKey(const std::string& hotkey2)
{
    for (const KeyTableEntry& entry : KeyTable()) {
        if (entry.name == hotkey2)
            return entry.code;
    }
    return 0;
}
