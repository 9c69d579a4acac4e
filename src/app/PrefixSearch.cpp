#include "app/PrefixSearch.h"

#include "data/LowerCase.h"

namespace {
char LowerAsciiChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares without copying: a keystroke searches every row of the whole item list.
bool StartsWithLowered(const std::string& cell, const std::string& wantedLower, const LeadBytes& lead)
{
    const size_t length = wantedLower.size();
    if (cell.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (lead.IsLead(static_cast<unsigned char>(cell[i])) && i + 1 < length) {
            if (cell[i] != wantedLower[i] || cell[i + 1] != wantedLower[i + 1])
                return false;
            ++i;
        } else if (LowerAsciiChar(cell[i]) != wantedLower[i]) {
            return false;
        }
    }
    return true;
}
} // namespace

size_t FindFirstPrefixRow(size_t rowCount, const std::function<const std::string&(size_t)>& cellAt,
                          const std::string& typed, const LeadBytes& lead)
{
    if (typed.empty())
        return kNoRow;
    const std::string wanted = LowerCaseAnsi(typed, lead);
    for (size_t row = 0; row < rowCount; ++row) {
        if (StartsWithLowered(cellAt(row), wanted, lead))
            return row;
    }
    return kNoRow;
}
