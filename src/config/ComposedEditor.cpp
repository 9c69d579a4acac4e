#include "config/ComposedEditor.h"

#include "config/DefaultShortName.h"
#include "data/LowerCase.h"

#include <algorithm>

namespace {
std::string Trimmed(const std::string& text)
{
    const char* const blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool EndsWithLower(const std::string& text, const std::string& suffix)
{
    if (text.size() < suffix.size())
        return false;
    std::string tail = text.substr(text.size() - suffix.size());
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return tail == suffix;
}
} // namespace

void ComposedEditor::Select(int index)
{
    m_selected = index >= 0 && static_cast<size_t>(index) < m_entries.size() ? index : -1;
}

bool ComposedEditor::AsksToSaveOnLeaving(bool shownItemWasComposed, bool composedItemChecked) const
{
    return shownItemWasComposed && !composedItemChecked && (m_listChanged || m_name != m_savedName);
}

void ComposedEditor::Load(const std::string& itemName, const std::string& exePath)
{
    m_name = ComposedNameOf(itemName);
    m_entries = DecodeComposedCommand(exePath);
    MarkSaved();
    m_selected = -1;
}

void ComposedEditor::Reset()
{
    m_entries.clear();
    m_name.clear();
    MarkSaved();
    m_selected = -1;
}

bool ComposedEditor::Append(const ComposedEntry& entry)
{
    if (!FitsStoredForm(entry))
        return false;
    m_entries.push_back(entry);
    m_listChanged = true;
    return true;
}

bool ComposedEditor::HasEntryNamed(const std::string& name) const
{
    const std::string wanted = UpperCaseAnsi(name);
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&](const ComposedEntry& entry) { return UpperCaseAnsi(entry.name) == wanted; });
}

ComposedEditor::AddResult ComposedEditor::AddItemRows(const std::string& currentCommand,
                                                      const std::vector<ComposedEntry>& selectedRows)
{
    if (selectedRows.empty())
        return AddResult::NothingSelected;
    if (HasComposedMarker(currentCommand))
        return AddResult::ComposedRefused;
    const size_t before = m_entries.size();
    bool unfit = false;
    for (const ComposedEntry& row : selectedRows) {
        if (row.name.rfind(kComposedPrefix, 0) == 0 || HasEntryNamed(row.name))
            continue;
        if (FitsStoredForm(row))
            m_entries.push_back(row);
        else
            unfit = true;
    }
    if (m_entries.size() == 1 && m_name.empty())
        m_name = m_entries.front().name;
    if (m_entries.size() != before)
        m_listChanged = true;
    return unfit ? AddResult::UnfitRefused : AddResult::Done;
}

void ComposedEditor::DeleteEntries(std::vector<int> positions)
{
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    const size_t before = m_entries.size();
    for (auto at = positions.rbegin(); at != positions.rend(); ++at) {
        if (*at >= 0 && static_cast<size_t>(*at) < m_entries.size())
            m_entries.erase(m_entries.begin() + *at);
    }
    if (m_entries.size() != before) {
        m_listChanged = true;
        m_selected = -1;
    }
}

void ComposedEditor::Clear()
{
    if (!m_entries.empty())
        m_listChanged = true;
    m_entries.clear();
    m_selected = -1;
}

bool ComposedEditor::Swap(int from, int to)
{
    if (from < 0 || to < 0 || static_cast<size_t>(from) >= m_entries.size() ||
        static_cast<size_t>(to) >= m_entries.size())
        return false;
    std::swap(m_entries[static_cast<size_t>(from)], m_entries[static_cast<size_t>(to)]);
    m_selected = to;
    m_listChanged = true;
    return true;
}

bool ComposedEditor::MoveSelectedUp()
{
    return m_selected >= 0 && Swap(m_selected, m_selected - 1);
}

bool ComposedEditor::MoveSelectedDown()
{
    return m_selected >= 0 && Swap(m_selected, m_selected + 1);
}

ComposedEditor::EditKind ComposedEditor::EditKindOf(size_t index) const
{
    const std::string& command = m_entries.at(index).command;
    if (EndsWithLower(command, ".stx"))
        return EditKind::Clipboard;
    return EndsWithLower(command, ".cpl") ? EditKind::LockedCommand : EditKind::Command;
}

bool ComposedEditor::ApplyEdit(size_t index, const ComposedEntry& edited)
{
    ComposedEntry result = edited;
    if (EditKindOf(index) == EditKind::LockedCommand)
        result.command = m_entries.at(index).command;
    if (!FitsStoredForm(result))
        return false;
    if (result == m_entries.at(index))
        return true;
    m_entries[index] = result;
    m_listChanged = true;
    return true;
}

const char* ComposedEditor::CheckBeforeSave(bool composedItemChecked)
{
    if (!composedItemChecked)
        return "CheckComposedItem";
    m_name = Trimmed(m_name);
    if (m_name.empty())
        return "ComposedNameEmpty";
    if (m_entries.empty())
        return "ComposedListCount";
    return nullptr;
}

void ComposedEditor::WriteInto(ShortcutItem& item) const
{
    WriteComposedItem(item, m_name, m_entries);
}

void ComposedEditor::MarkSaved()
{
    m_savedName = m_name;
    m_listChanged = false;
}

std::vector<std::string> ComposedEditor::Commands() const
{
    std::vector<std::string> commands;
    for (const ComposedEntry& entry : m_entries)
        commands.push_back(entry.command);
    return commands;
}
