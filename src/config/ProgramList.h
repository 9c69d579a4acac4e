#pragma once
// The candidates the configuration window offers as new items: programs found on the machine,
// or web addresses. Each row is a display text and the command an item made from it runs.
#include <cstddef>
#include <string>
#include <vector>

struct ProgramRow {
    std::string text;
    std::string command;
};

class ProgramList {
public:
    void Clear() { m_rows.clear(); }
    // Returns the row's index; rows are never removed one by one, so indexes stay valid.
    size_t Append(std::string text, std::string command);
    size_t Count() const { return m_rows.size(); }
    const ProgramRow& At(size_t index) const { return m_rows[index]; }
    // Whether some row's text equals `text` when letter case is ignored (ASCII letters).
    bool ContainsNoCase(const std::string& text) const;

private:
    std::vector<ProgramRow> m_rows;
};

// ASCII lower case; double-byte characters pass unchanged.
std::string LowerAscii(std::string text);
