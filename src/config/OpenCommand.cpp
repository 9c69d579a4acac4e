#include "config/OpenCommand.h"

#include <algorithm>

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}
} // namespace

std::string CleanOpenCommand(const std::string& command)
{
    std::string clean = command;
    const size_t keep = clean.find_last_not_of("\"%1");
    clean.erase(keep == std::string::npos ? 0 : keep + 1);
    clean.erase(std::remove(clean.begin(), clean.end(), '"'), clean.end());
    const size_t slash = clean.find('/', 1);
    if (slash != std::string::npos)
        clean.erase(slash);
    while (!clean.empty() && IsBlank(clean.back()))
        clean.pop_back();
    return clean;
}

bool IsInstallerIconTarget(const std::string& target, const LeadBytes& lead)
{
    static const char* const kIconFiles[] = {"accicons.exe", "bindico.exe", "fpicon.exe",  "graph9.ico",
                                             "misc.exe",     "outicon.exe", "peicons.exe", "pptico.exe",
                                             "wordicon.exe", "xlicons.exe"};
    const std::string lower = LowerCaseAnsi(target, lead);
    if (lower.find("windows\\installer") == std::string::npos)
        return false;
    return std::any_of(std::begin(kIconFiles), std::end(kIconFiles),
                       [&](const char* file) { return lower.find(file) != std::string::npos; });
}

bool IsProgramCommand(const std::string& command, const LeadBytes& lead)
{
    return EndsWith(LowerCaseAnsi(TrimBlanks(command), lead), ".exe");
}
