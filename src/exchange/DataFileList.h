#pragma once
// The commands of the items that go into an exchange, collected while they move: each text
// once. The clipboard snapshot files they name travel with the exchange file.
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

class DataFileList {
public:
    void Add(const std::string& exePath);
    const std::vector<std::string>& Texts() const { return m_texts; }
    void Clear();

private:
    std::vector<std::string> m_texts;
    std::unordered_set<std::string> m_seen;
};

// The snapshot files a command names: its lines (of the part after "^^^" for a composed
// item), trimmed, that are longer than four characters and end in ".stx" in any letter case.
std::vector<std::string> SnapshotLines(const std::string& exePath);
// The command with each snapshot line that `repoint` answers (non-empty) replaced by that
// answer; everything else stays as it was.
std::string RepointSnapshots(const std::string& exePath, const std::function<std::string(const std::string&)>& repoint);
