#include "config/ProgramList.h"

#include <utility>

std::string LowerAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

size_t ProgramList::Append(std::string text, std::string command)
{
    m_rows.push_back(ProgramRow{std::move(text), std::move(command)});
    return m_rows.size() - 1;
}

bool ProgramList::ContainsNoCase(const std::string& text) const
{
    const std::string wanted = LowerAscii(text);
    for (const ProgramRow& row : m_rows) {
        if (row.text.size() == wanted.size() && LowerAscii(row.text) == wanted)
            return true;
    }
    return false;
}
