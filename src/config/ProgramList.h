#pragma once
// The candidates of the configuration window's program list: programs found on the machine or
// web addresses, each a display text and the command an item made from it runs. The window's
// list only shows these rows.
#include "data/LowerCase.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

struct ProgramRow {
    std::string text;
    std::string command;
};

class ProgramList {
public:
    explicit ProgramList(const LeadBytes& lead = LeadBytes::OfSystem()) : m_lead(lead) {}

    void Clear();
    // Returns the new row's index.
    size_t Append(const std::string& text, const std::string& command);
    bool Erase(size_t index);
    // Whether a row's text equals `text` ignoring letter case (the list's exact search).
    bool ContainsNoCase(const std::string& text) const;

    size_t Count() const { return m_rows.size(); }
    const ProgramRow& At(size_t index) const { return m_rows[index]; }
    const LeadBytes& Lead() const { return m_lead; }

private:
    std::vector<ProgramRow> m_rows;
    // Lower-cased texts and how many rows carry each, so a search stays cheap on lists of
    // a whole browser history.
    std::unordered_map<std::string, size_t> m_folded;
    LeadBytes m_lead;
};
