#include "DataTool.h"

#include "data/CatalogData.h"
#include "data/CatalogTree.h"
#include "data/CatalogsFile.h"
#include "data/FileAccess.h"
#include "data/ItemKind.h"
#include "data/ItemsFile.h"
#include "data/SnapshotFile.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <ostream>

namespace {
void PrintProblems(std::ostream& out, const std::string& path, const std::vector<DataProblem>& problems)
{
    for (const DataProblem& problem : problems)
        out << path << ": offset " << problem.offset << ": " << problem.text << "\n";
}
} // namespace

std::string Quoted(const std::string& text, size_t limit)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown = "\"";
    for (size_t i = 0; i < text.size() && i < limit; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else if (c == '\t')
            shown += "\\t";
        else if (c == '"')
            shown += "\\\"";
        else if (c < 0x20 || c == 0x7F)
            shown += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
        else
            shown += static_cast<char>(c);
    }
    shown += text.size() > limit ? "\"..." : "\"";
    return shown;
}

DataTool::Kind DataTool::KindOf(const std::string& path)
{
    if (EndsWithNoCase(path, ".dat"))
        return Kind::Items;
    if (EndsWithNoCase(path, ".clg"))
        return Kind::Catalogs;
    if (EndsWithNoCase(path, ".stx"))
        return Kind::Snapshot;
    return Kind::Unknown;
}

int DataTool::Usage()
{
    m_err << "usage: tavimoreth-data dump FILE [--codepage N]\n"
             "       tavimoreth-data check FILE [--items ITEMSFILE] [--codepage N]\n"
             "       tavimoreth-data rewrite FILE OUT [--codepage N]\n"
             "FILE is an items file (.dat), a catalogs file (.clg) or a clipboard snapshot (.stx).\n"
             "N is the code page the catalogs file is written in (936 where no system says otherwise).\n";
    return kUnreadable;
}

int DataTool::Unreadable(const std::string& path)
{
    m_err << path << ": cannot be read\n";
    return kUnreadable;
}

int DataTool::Run(const std::vector<std::string>& args)
{
    try {
        return RunCommand(args);
    } catch (const std::exception& failure) {
        m_err << "cannot go on: " << failure.what() << "\n";
    }
    return kUnreadable;
}

bool DataTool::TakeCodePage(std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--codepage")
            continue;
        char* end = nullptr;
        const char* text = i + 1 < args.size() ? args[i + 1].c_str() : "";
        unsigned long codePage = std::strtoul(text, &end, 10);
        if (*text == '\0' || *end != '\0' || codePage > 65535)
            return false;
        m_lead = LeadBytes::Of(static_cast<unsigned>(codePage));
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        return true;
    }
    return true;
}

int DataTool::RunCommand(std::vector<std::string> args)
{
    if (!TakeCodePage(args))
        return Usage();
    if (args.size() == 2 && args[0] == "dump")
        return Dump(args[1]);
    if (args.size() == 2 && args[0] == "check")
        return Check(args[1], "");
    if (args.size() == 4 && args[0] == "check" && args[2] == "--items")
        return Check(args[1], args[3]);
    if (args.size() == 3 && args[0] == "rewrite")
        return Rewrite(args[1], args[2]);
    return Usage();
}

int DataTool::Dump(const std::string& path)
{
    switch (KindOf(path)) {
    case Kind::Items:
        return DumpItems(path);
    case Kind::Catalogs:
        return DumpCatalogs(path);
    case Kind::Snapshot:
        return DumpSnapshot(path);
    default:
        return Usage();
    }
}

int DataTool::DumpItems(const std::string& path)
{
    ItemList items;
    ItemsLoadReport report;
    if (!LoadItems(path, items, &report))
        return Unreadable(path);
    m_out << "items file " << path << ": " << FileSizeOf(path) << " bytes, editing flag " << report.editingFlag
          << ", header count " << report.headerCount << ", " << items.Count() << " records\n";
    for (size_t i = 0; i < items.Count(); ++i) {
        const ShortcutItem& item = items.At(i);
        m_out << "#" << i << (item.IsTombstone() ? " tombstone" : " live") << "\n";
        for (int f = 0; f < ShortcutItem::kFieldCount; ++f)
            m_out << "  " << ShortcutItem::FieldName(f) << ": " << Quoted(item.Field(f)) << "\n";
    }
    PrintProblems(m_out, path, report.problems);
    return report.problems.empty() ? kWhole : kDamaged;
}

int DataTool::DumpCatalogs(const std::string& path)
{
    std::string text;
    if (!ReadWholeFile(path, text))
        return Unreadable(path);
    CatalogParse parse = ParseCatalogs(text, m_lead);
    std::vector<std::string> ids{kRootNodeId};
    std::vector<CatalogLink> links = LinkCatalogs(parse.records, ids);
    m_out << "catalogs file " << path << ": " << text.size() << " bytes, " << parse.records.size() << " records\n";
    for (size_t r = 0; r < parse.records.size(); ++r) {
        const CatalogRecord& record = parse.records[r];
        m_out << "#" << r << " at " << record.offset << (links[r].parentSlot < 0 ? " (parent unknown)" : "") << "\n"
              << "  parent: " << Quoted(record.parentId) << "\n  name: " << Quoted(record.name) << "\n";
        if (record.fieldCount >= 3)
            m_out << "  NodeID: " << Quoted(record.nodeId) << "\n";
        if (record.fieldCount >= 4)
            m_out << "  index list: " << Quoted(record.indexList) << "\n";
    }
    std::vector<DataProblem> problems = CheckCatalogs(parse, links, -1);
    PrintProblems(m_out, path, problems);
    return problems.empty() ? kWhole : kDamaged;
}

int DataTool::DumpSnapshot(const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return Unreadable(path);
    SnapshotContents contents = ParseSnapshot(bytes);
    m_out << "snapshot file " << path << ": " << bytes.size() << " bytes, " << contents.records.size() << " records\n";
    for (size_t r = 0; r < contents.records.size(); ++r) {
        const SnapshotRecord& record = contents.records[r];
        m_out << "#" << r << " at " << record.offset << ": format " << record.format << ", " << record.data.size()
              << " bytes " << Quoted(record.data, 64) << "\n";
    }
    for (const SnapshotProblem& problem : contents.problems)
        m_out << path << ": offset " << problem.offset << ": " << problem.what << "\n";
    return contents.IsWhole() ? kWhole : kDamaged;
}

int DataTool::Check(const std::string& path, const std::string& itemsPath)
{
    std::vector<DataProblem> problems;
    std::string bytes;
    switch (KindOf(path)) {
    case Kind::Items: {
        ItemList items;
        ItemsLoadReport report;
        if (!LoadItems(path, items, &report))
            return Unreadable(path);
        problems = report.problems;
        break;
    }
    case Kind::Catalogs: {
        if (!ReadWholeFile(path, bytes))
            return Unreadable(path);
        int64_t itemCount = -1;
        if (!itemsPath.empty()) {
            ItemList items;
            if (!LoadItems(itemsPath, items))
                return Unreadable(itemsPath);
            itemCount = static_cast<int64_t>(items.Count());
        }
        CatalogParse parse = ParseCatalogs(bytes, m_lead);
        std::vector<std::string> ids{kRootNodeId};
        problems = CheckCatalogs(parse, LinkCatalogs(parse.records, ids), itemCount);
        break;
    }
    case Kind::Snapshot: {
        if (!ReadWholeFile(path, bytes))
            return Unreadable(path);
        for (const SnapshotProblem& problem : ParseSnapshot(bytes).problems)
            problems.push_back({static_cast<int64_t>(problem.offset), problem.what});
        break;
    }
    default:
        return Usage();
    }
    PrintProblems(m_out, path, problems);
    return problems.empty() ? kWhole : kDamaged;
}

int DataTool::RewriteItems(const std::string& path, const std::string& outPath)
{
    ItemList items;
    ItemsLoadReport report;
    if (!LoadItems(path, items, &report))
        return Unreadable(path);
    // The editing flag is part of what the file says; keep it.
    if (!SaveItems(outPath, items, {}, report.editingFlag == 1 ? 1 : 0)) {
        m_err << outPath << ": cannot be written\n";
        return kUnreadable;
    }
    return kWhole;
}

int DataTool::Rewrite(const std::string& path, const std::string& outPath)
{
    Kind kind = KindOf(path);
    if (kind == Kind::Items)
        return RewriteItems(path, outPath);
    if (kind == Kind::Unknown)
        return Usage();
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return Unreadable(path);
    bool ok =
        kind == Kind::Catalogs
            ? SaveCatalogsText(outPath, CatalogTree::FromRecords(ParseCatalogs(bytes, m_lead).records).Format(m_lead))
            : ReplaceFileContents(outPath, EncodeSnapshot(ParseSnapshot(bytes).records));
    if (!ok) {
        m_err << outPath << ": cannot be written\n";
        return kUnreadable;
    }
    return kWhole;
}
