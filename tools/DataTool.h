#pragma once
// The commands of tavimoreth-data: list, check and rewrite an items file (.dat), a catalogs
// file (.clg) or a clipboard snapshot file (.stx) through the program's own readers and writers.
#include "data/LeadBytes.h"

#include <iosfwd>
#include <string>
#include <vector>

class DataTool {
public:
    enum Exit { kWhole = 0, kDamaged = 1, kUnreadable = 2 };

    DataTool(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}
    // argv without the program name. Never throws: whatever goes wrong ends in kUnreadable.
    int Run(const std::vector<std::string>& args);

private:
    enum class Kind { Items, Catalogs, Snapshot, Unknown };
    static Kind KindOf(const std::string& path);

    int Dump(const std::string& path);
    int Check(const std::string& path, const std::string& itemsPath);
    int Rewrite(const std::string& path, const std::string& outPath);
    int DumpItems(const std::string& path);
    int DumpCatalogs(const std::string& path);
    int DumpSnapshot(const std::string& path);
    int RewriteItems(const std::string& path, const std::string& outPath);
    int RunCommand(std::vector<std::string> args);
    bool TakeCodePage(std::vector<std::string>& args);
    int Usage();
    int Unreadable(const std::string& path);

    std::ostream& m_out;
    std::ostream& m_err;
    // The code page the catalogs file is read in: the system's unless --codepage names one.
    LeadBytes m_lead = LeadBytes::OfSystem();
};

// A field as the listing shows it: in quotes, line breaks and other control bytes escaped.
std::string Quoted(const std::string& text, size_t limit = std::string::npos);
