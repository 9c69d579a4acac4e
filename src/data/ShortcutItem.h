#pragma once
// One shortcut item: nine text fields, always in this order (the items file stores them so).
#include <string>

struct ShortcutItem {
    static constexpr int kFieldCount = 9;
    // The stored positions of the fields.
    enum Position { kName, kShortName, kHotkey1, kHotkey2, kReserved, kDescription, kState, kGuid, kExePath };

    std::string Name;
    std::string ShortName;
    std::string Hotkey1;
    std::string Hotkey2;
    std::string Reserved;
    std::string Description;
    std::string State = "0";
    std::string guid;
    std::string ExePath;

    // The fields by their stored position, 0 to 8.
    std::string& Field(int position);
    const std::string& Field(int position) const;
    static const char* FieldName(int position);

    // A deleted item keeps its position; its State reads -1.
    bool IsTombstone() const;
    // Lists and trees skip tombstones and items without a name.
    bool IsShown() const;
};

bool operator==(const ShortcutItem& a, const ShortcutItem& b);
inline bool operator!=(const ShortcutItem& a, const ShortcutItem& b)
{
    return !(a == b);
}

// Leading decimal number of a text as the C library reads it: blanks, an optional sign,
// digits; 0 when the text does not start so.
long LeadingNumber(const std::string& text);
