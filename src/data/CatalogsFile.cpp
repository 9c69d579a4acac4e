#include "data/CatalogsFile.h"

#include "data/CatalogData.h"
#include "data/FileAccess.h"

#include <cstdio>
#include <unordered_map>
#include <utility>

namespace {
bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

CatalogParse ParseCatalogs(const std::string& text, const LeadBytes& lead)
{
    CatalogParse parse;
    CatalogsReader reader(text.data(), text.size(), lead);
    CatalogRecord record;
    while (reader.Next(record))
        parse.records.push_back(std::move(record));
    parse.problems = reader.Problems();
    return parse;
}

bool IsStorableCatalogName(const std::string& name, const LeadBytes& lead)
{
    return lead.Find(name, '|') == std::string::npos && lead.Find(name, '\\') == std::string::npos &&
           !lead.EndsInsideCharacter(name);
}

void AppendCatalogRecord(std::string& out, const std::string& parentId, const std::string& name,
                         const std::string& catalogData, const LeadBytes& lead)
{
    out += parentId;
    out += '|';
    const size_t start = out.size();
    out += name;
    if (!IsStorableCatalogName(name, lead)) {
        if (lead.EndsInsideCharacter(name))
            out.pop_back();
        for (size_t pos = start; pos < out.size(); pos += lead.CharLength(out.data(), pos, out.size())) {
            if (out[pos] == '|' || out[pos] == '\\')
                out[pos] = '_';
        }
    }
    out += '|';
    out += catalogData;
    out += '\\';
}

std::vector<CatalogLink> LinkCatalogs(const std::vector<CatalogRecord>& records, std::vector<std::string>& ids)
{
    std::vector<CatalogLink> links(records.size());
    // First match wins, as in a front-to-back search of the table.
    std::unordered_map<std::string, long> slots;
    for (size_t k = 0; k < ids.size(); ++k)
        slots.emplace(ids[k], static_cast<long>(k));
    std::string previousText;
    long previousSlot = -1;
    for (size_t r = 0; r < records.size(); ++r) {
        const CatalogRecord& record = records[r];
        long parent = -1;
        if (previousSlot >= 0 && EqualsNoCase(record.parentId, previousText)) {
            parent = previousSlot;
        } else {
            auto found = slots.find(record.parentId);
            if (found == slots.end())
                continue;
            parent = found->second;
            previousText = record.parentId;
            previousSlot = parent;
        }
        links[r].parentSlot = parent;
        if (record.fieldCount >= 3) {
            links[r].ownSlot = static_cast<long>(ids.size());
            ids.push_back(record.nodeId);
            slots.emplace(record.nodeId, links[r].ownSlot);
        }
    }
    return links;
}

std::vector<DataProblem> CheckCatalogs(const CatalogParse& parse, const std::vector<CatalogLink>& links,
                                       int64_t itemCount)
{
    std::vector<DataProblem> problems;
    for (size_t r = 0; r < parse.records.size(); ++r) {
        const CatalogRecord& record = parse.records[r];
        const std::string at = "catalog \"" + record.name + "\": ";
        if (record.fieldCount < 3)
            problems.push_back({record.offset, at + "no NodeID"});
        if (record.fieldCount > 4)
            problems.push_back({record.offset, at + std::to_string(record.fieldCount) + " fields, at most 4"});
        if (links[r].parentSlot < 0)
            problems.push_back({record.offset, at + "parent " + record.parentId + " is unknown"});
        for (long index : ReadIndexList(record.indexList)) {
            if (itemCount >= 0 && index >= itemCount)
                problems.push_back({record.offset, at + "index " + std::to_string(index) + " past the item count " +
                                                       std::to_string(itemCount)});
        }
    }
    problems.insert(problems.end(), parse.problems.begin(), parse.problems.end());
    return problems;
}

bool SaveCatalogsText(const std::string& path, const std::string& text)
{
    if (text.empty())
        return DeleteFileIfPresent(path);
    return ReplaceFileContents(path, text);
}

bool SameParentText(const std::string& a, const std::string& b)
{
    return EqualsNoCase(a, b);
}
