#include "data/CatalogsFile.h"

#include "data/CatalogData.h"
#include "data/FileAccess.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>

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

CatalogRecord SplitRecord(const std::string& text, size_t begin, size_t end)
{
    CatalogRecord record;
    record.offset = static_cast<int64_t>(begin);
    std::string* fields[4] = {&record.parentId, &record.name, &record.nodeId, &record.indexList};
    size_t start = begin;
    while (true) {
        const void* found = std::memchr(text.data() + start, '|', end - start);
        size_t bar = found != nullptr ? static_cast<size_t>(static_cast<const char*>(found) - text.data()) : end;
        if (record.fieldCount < 4)
            fields[record.fieldCount]->assign(text, start, bar - start);
        ++record.fieldCount;
        if (bar == end)
            break;
        start = bar + 1;
    }
    return record;
}
} // namespace

std::string CatalogRecord::CatalogData() const
{
    if (fieldCount >= 4)
        return nodeId + "|" + indexList;
    return fieldCount == 3 ? nodeId : std::string();
}

CatalogParse ParseCatalogs(const std::string& text)
{
    CatalogParse parse;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\\', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start) {
            CatalogRecord record = SplitRecord(text, start, end);
            if (record.parentId.empty()) {
                if (end < text.size())
                    parse.problems.push_back({record.offset, "record without a parent: the rest is ignored"});
                else
                    parse.problems.push_back({record.offset, "record without a parent"});
                break;
            }
            parse.records.push_back(std::move(record));
        }
        start = end + 1;
    }
    return parse;
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
