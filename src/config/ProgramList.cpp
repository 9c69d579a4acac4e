#include "config/ProgramList.h"

void ProgramList::Clear()
{
    m_rows.clear();
    m_folded.clear();
}

size_t ProgramList::Append(const std::string& text, const std::string& command)
{
    m_rows.push_back({text, command});
    ++m_folded[LowerCaseAnsi(text, m_lead)];
    return m_rows.size() - 1;
}

bool ProgramList::Erase(size_t index)
{
    if (index >= m_rows.size())
        return false;
    const auto found = m_folded.find(LowerCaseAnsi(m_rows[index].text, m_lead));
    if (found != m_folded.end() && --found->second == 0)
        m_folded.erase(found);
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool ProgramList::ContainsNoCase(const std::string& text) const
{
    return m_folded.count(LowerCaseAnsi(text, m_lead)) != 0;
}
