#include "config/ComposedItem.h"

#include "config/DefaultShortName.h"
#include "data/LowerCase.h"

#include <algorithm>
#include <cstring>

const char* const kComposedMarker = "^^^";
const char* const kComposedPrefix = "+ ";

namespace {
const char kLineBreak[] = "\r\n";

std::string JoinLines(const std::vector<ComposedEntry>& entries, std::string ComposedEntry::*field)
{
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            text += kLineBreak;
        text += entries[i].*field;
    }
    const size_t kept = text.find_last_not_of(kLineBreak);
    text.erase(kept == std::string::npos ? 0 : kept + 1);
    return text;
}

// An empty part holds no lines at all; otherwise every CR LF starts another line.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(kLineBreak, start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + std::strlen(kLineBreak);
    }
}
} // namespace

bool operator==(const ComposedEntry& a, const ComposedEntry& b)
{
    return a.name == b.name && a.command == b.command;
}

bool FitsStoredForm(const ComposedEntry& entry)
{
    return entry.name.find(kComposedMarker) == std::string::npos && entry.name.find_first_of("\r\n") == std::string::npos &&
           entry.command.find_first_of("\r\n") == std::string::npos;
}

std::string EncodeComposedCommand(const std::vector<ComposedEntry>& entries)
{
    return JoinLines(entries, &ComposedEntry::name) + kComposedMarker + JoinLines(entries, &ComposedEntry::command);
}

std::vector<ComposedEntry> DecodeComposedCommand(const std::string& exePath)
{
    std::vector<ComposedEntry> entries;
    const size_t marker = exePath.find(kComposedMarker);
    if (marker == std::string::npos)
        return entries;
    const std::vector<std::string> names = SplitLines(exePath.substr(0, marker));
    const std::vector<std::string> commands = SplitLines(exePath.substr(marker + std::strlen(kComposedMarker)));
    const size_t count = std::min(names.size(), commands.size());
    for (size_t i = 0; i < count; ++i)
        entries.push_back(ComposedEntry{names[i], commands[i]});
    return entries;
}

void WriteComposedItem(ShortcutItem& item, const std::string& composedName, const std::vector<ComposedEntry>& entries)
{
    item.Name = kComposedPrefix + composedName;
    item.ExePath = EncodeComposedCommand(entries);
    const size_t start = composedName.find_first_not_of("+ ");
    item.Description = start == std::string::npos ? std::string() : composedName.substr(start);
    item.ShortName = DefaultShortName(item.Name);
    item.Reserved.clear();
}

bool HasComposedMarker(const std::string& exePath)
{
    return exePath.find(kComposedMarker) != std::string::npos;
}

bool IsComposedItem(const std::string& name, const std::string& exePath)
{
    return name.rfind(kComposedPrefix, 0) == 0 && HasComposedMarker(exePath);
}

std::string ComposedNameOf(const std::string& itemName)
{
    return itemName.size() > 2 ? itemName.substr(2) : std::string();
}

bool IsItemNameOf(const std::string& itemName, const std::string& composedName)
{
    return UpperCaseAnsi(itemName) == UpperCaseAnsi(kComposedPrefix + composedName);
}
