#include "data/ShortcutItem.h"

#include <cstdlib>

namespace {
std::string ShortcutItem::*const kFields[ShortcutItem::kFieldCount] = {
    &ShortcutItem::Name,    &ShortcutItem::ShortName, &ShortcutItem::Hotkey1,
    &ShortcutItem::Hotkey2, &ShortcutItem::Reserved,  &ShortcutItem::Description,
    &ShortcutItem::State,   &ShortcutItem::guid,      &ShortcutItem::ExePath};
const char* const kFieldNames[ShortcutItem::kFieldCount] = {
    "Name", "ShortName", "Hotkey1", "Hotkey2", "Reserved", "Description", "State", "guid", "ExePath"};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

std::string& ShortcutItem::Field(int position)
{
    return this->*kFields[position];
}
const std::string& ShortcutItem::Field(int position) const
{
    return this->*kFields[position];
}
const char* ShortcutItem::FieldName(int position)
{
    return kFieldNames[position];
}

bool ShortcutItem::IsTombstone() const
{
    return LeadingNumber(State) == -1;
}

bool ShortcutItem::IsShown() const
{
    if (IsTombstone())
        return false;
    for (char c : Name) {
        if (!IsBlank(c))
            return true;
    }
    return false;
}

bool operator==(const ShortcutItem& a, const ShortcutItem& b)
{
    for (int i = 0; i < ShortcutItem::kFieldCount; ++i) {
        if (a.Field(i) != b.Field(i))
            return false;
    }
    return true;
}

long LeadingNumber(const std::string& text)
{
    // strtol over a copy that is surely terminated; a value out of range saturates, which
    // still reads as "not -1" and "not a valid position".
    return std::strtol(text.c_str(), nullptr, 10);
}
