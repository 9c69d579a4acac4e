#include "exchange/DataFileList.h"

#include "data/TextTrim.h"

namespace {
bool IsSnapshotLine(const std::string& line)
{
    if (line.size() <= 4)
        return false;
    const std::string tail = line.substr(line.size() - 4);
    return tail[0] == '.' && (tail[1] | 0x20) == 's' && (tail[2] | 0x20) == 't' && (tail[3] | 0x20) == 'x';
}

size_t CommandsStart(const std::string& exePath)
{
    const size_t marker = exePath.find("^^^");
    return marker == std::string::npos ? 0 : marker + 3;
}

template <typename Visit> void ForEachLine(const std::string& text, size_t from, Visit visit)
{
    while (from <= text.size()) {
        size_t end = text.find("\r\n", from);
        if (end == std::string::npos)
            end = text.size();
        visit(from, end);
        from = end + 2;
    }
}
} // namespace

void DataFileList::Add(const std::string& exePath)
{
    if (m_seen.insert(exePath).second)
        m_texts.push_back(exePath);
}

void DataFileList::Clear()
{
    m_texts.clear();
    m_seen.clear();
}

std::vector<std::string> SnapshotLines(const std::string& exePath)
{
    std::vector<std::string> lines;
    ForEachLine(exePath, CommandsStart(exePath), [&](size_t start, size_t end) {
        std::string line = TrimBlanks(exePath.substr(start, end - start));
        if (IsSnapshotLine(line))
            lines.push_back(std::move(line));
    });
    return lines;
}

std::string RepointSnapshots(const std::string& exePath, const std::function<std::string(const std::string&)>& repoint)
{
    const size_t commands = CommandsStart(exePath);
    std::string out = exePath.substr(0, commands);
    bool first = true;
    ForEachLine(exePath, commands, [&](size_t start, size_t end) {
        std::string line = exePath.substr(start, end - start);
        const std::string trimmed = TrimBlanks(line);
        if (IsSnapshotLine(trimmed)) {
            std::string moved = repoint(trimmed);
            if (!moved.empty())
                line = std::move(moved);
        }
        out += first ? "" : "\r\n";
        out += line;
        first = false;
    });
    return out;
}
