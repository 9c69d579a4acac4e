#include "app/PrefixSearch.h"

namespace {
char LowerAsciiChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsLeadByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

// Compares without copying: a keystroke searches every row of the whole item list.
bool StartsWithLowered(const std::string& cell, const std::string& wantedLower)
{
    const size_t length = wantedLower.size();
    if (cell.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (IsLeadByte(cell[i]) && i + 1 < length) {
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

std::string LowerAscii(const std::string& text)
{
    std::string lowered = text;
    for (size_t i = 0; i < lowered.size(); ++i) {
        if (IsLeadByte(lowered[i]) && i + 1 < lowered.size()) {
            ++i; // the trail byte of a double-byte character
            continue;
        }
        lowered[i] = LowerAsciiChar(lowered[i]);
    }
    return lowered;
}

std::string TrimBlanks(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

size_t FindFirstPrefixRow(size_t rowCount, const std::function<const std::string&(size_t)>& cellAt,
                          const std::string& typed)
{
    if (typed.empty())
        return kNoRow;
    const std::string wanted = LowerAscii(typed);
    for (size_t row = 0; row < rowCount; ++row) {
        if (StartsWithLowered(cellAt(row), wanted))
            return row;
    }
    return kNoRow;
}
