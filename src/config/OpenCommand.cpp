#include "config/OpenCommand.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool EqualsNoCaseAscii(const std::string& text, const char* ascii)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != ascii[i])
            return false;
    }
    return ascii[text.size()] == '\0';
}

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// "%1", "%2", "%*", "%L" ...: what the shell fills in when it opens a file. A "%" that starts a
// longer word ("%SystemRoot%") is left alone.
std::string WithoutPlaceholders(const std::string& command)
{
    std::string clean;
    for (size_t i = 0; i < command.size(); ++i) {
        const bool ends = i + 2 >= command.size() || IsBlank(command[i + 2]) || command[i + 2] == '"';
        if (command[i] == '%' && i + 1 < command.size() && ends &&
            (std::isalnum(static_cast<unsigned char>(command[i + 1])) || command[i + 1] == '*')) {
            ++i;
            continue;
        }
        clean += command[i];
    }
    return clean;
}

// Whether some word of the command, up to a blank or the end, is a file name with a program's
// extension. Only ASCII bytes are compared: a "." is never the second byte of a double-byte
// character, and neither are the bytes that end a word here.
bool NamesProgramFile(const std::string& command)
{
    static const char* const kExtensions[] = {".exe", ".com", ".bat", ".cmd"};
    for (size_t end = 0; end <= command.size(); ++end) {
        if (end < command.size() && !IsBlank(command[end]))
            continue;
        for (const char* extension : kExtensions) {
            const size_t length = std::strlen(extension);
            if (end <= length || command[end - length - 1] == '\\' || command[end - length - 1] == ':')
                continue;
            if (EqualsNoCaseAscii(command.substr(end - length, length), extension))
                return true;
        }
    }
    return false;
}
} // namespace

std::string CleanOpenCommand(const std::string& command)
{
    std::string clean = WithoutPlaceholders(command);
    clean.erase(std::remove(clean.begin(), clean.end(), '"'), clean.end());
    const size_t slash = clean.find('/', 1);
    if (slash != std::string::npos)
        clean.erase(slash);
    clean = TrimBlanks(clean);
    return NamesProgramFile(clean) ? clean : std::string();
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
