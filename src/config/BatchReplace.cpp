#include "config/BatchReplace.h"

size_t ReplaceText(std::string& text, const std::string& find, const std::string& replacement, const LeadBytes& lead)
{
    if (find.empty())
        return 0;
    std::string result;
    size_t count = 0;
    size_t start = 0;
    size_t character = 0;
    for (size_t found = text.find(find); found != std::string::npos; found = text.find(find, character)) {
        while (character < found)
            character += lead.CharLength(text.data(), character, text.size());
        if (character != found)
            continue;
        result.append(text, start, found - start);
        result += replacement;
        start = character = found + find.size();
        ++count;
    }
    if (count == 0)
        return 0;
    result.append(text, start, std::string::npos);
    text.swap(result);
    return count;
}

namespace {
bool ReplacesPaths(const ReplaceSettings& settings)
{
    return !settings.pathFind.empty() && !settings.pathReplace.empty();
}
} // namespace

void ReplaceInRow(ReplaceRow& row, const ReplaceSettings& settings)
{
    ReplaceText(row.name, settings.nameFind, settings.nameReplace);
    ReplaceText(row.shortName, settings.shortNameFind, settings.shortNameReplace);
    if (ReplacesPaths(settings))
        ReplaceText(row.command, settings.pathFind, settings.pathReplace);
}

bool ReplaceInItem(ShortcutItem& item, const ReplaceSettings& settings)
{
    size_t replaced = ReplaceText(item.Name, settings.nameFind, settings.nameReplace);
    replaced += ReplaceText(item.ShortName, settings.shortNameFind, settings.shortNameReplace);
    if (ReplacesPaths(settings))
        replaced += ReplaceText(item.ExePath, settings.pathFind, settings.pathReplace);
    return replaced > 0;
}

size_t ReplaceInAllItems(ItemList& items, const ReplaceSettings& settings)
{
    size_t changed = 0;
    for (size_t i = 0; i < items.Count(); ++i) {
        if (ReplaceInItem(items.At(i), settings))
            ++changed;
    }
    return changed;
}
