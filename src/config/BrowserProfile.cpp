#include "config/BrowserProfile.h"

#include "data/LowerCase.h"
#include "config/OpenCommand.h"

namespace {
const char* const kFallbackProfile = "xeqis0b4.default";

struct IniSection {
    std::string name;
    std::string path;
    std::string isRelative;
    std::string isDefault;
};

std::vector<IniSection> ReadSections(const std::string& text)
{
    std::vector<IniSection> sections;
    // Split by hand: a string stream would bring the C++ locale machinery into the program.
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = TrimBlanks(text.substr(start, end - start));
        start = end + 1;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            sections.push_back({LowerCaseAnsi(line.substr(1, line.size() - 2)), "", "", ""});
            continue;
        }
        const size_t equals = line.find('=');
        if (sections.empty() || equals == std::string::npos)
            continue;
        const std::string key = LowerCaseAnsi(TrimBlanks(line.substr(0, equals)));
        const std::string value = TrimBlanks(line.substr(equals + 1));
        IniSection& section = sections.back();
        if (key == "path")
            section.path = value;
        else if (key == "isrelative")
            section.isRelative = value;
        else if (key == "default")
            section.isDefault = value;
    }
    return sections;
}

bool IsAbsolute(const std::string& path)
{
    return (path.size() > 1 && path[1] == ':') || path.rfind("\\\\", 0) == 0 || path.rfind("/", 0) == 0;
}
} // namespace

std::string ChooseProfileName(const std::vector<std::string>& subfolders)
{
    if (subfolders.empty())
        return kFallbackProfile;
    for (const std::string& name : subfolders) {
        const std::string lower = LowerCaseAnsi(name);
        if (lower.find(".default") != std::string::npos)
            return lower;
    }
    return LowerCaseAnsi(subfolders.back());
}

ProfileLocation DefaultProfileFromIni(const std::string& iniText)
{
    const std::vector<IniSection> sections = ReadSections(iniText);
    // An installation's own default wins: since profiles per installation, Default=1 may
    // still mark the profile an older version used.
    for (const IniSection& section : sections) {
        if (section.name.rfind("install", 0) == 0 && !section.isDefault.empty())
            return {section.isDefault, !IsAbsolute(section.isDefault)};
    }
    for (const IniSection& section : sections) {
        if (section.name.rfind("profile", 0) == 0 && section.isDefault == "1" && !section.path.empty())
            return {section.path, section.isRelative != "0"};
    }
    return {};
}
