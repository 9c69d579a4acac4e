#include "data/ProfileValue.h"

#include <cstdio>

namespace {
bool MustEscape(char c, bool atEnd)
{
    if (c == '%' || c == '\r' || c == '\n' || c == '"' || c == '\'')
        return true;
    return atEnd && (c == ' ' || c == '\t');
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

std::string EncodeProfileValue(const std::string& value)
{
    const size_t first = value.find_first_not_of(" \t");
    const size_t last = value.find_last_not_of(" \t");
    std::string text;
    text.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const bool atEnd = first == std::string::npos || i < first || i > last;
        const char c = value[i];
        if (c == '\0')
            continue;
        if (!MustEscape(c, atEnd)) {
            text += c;
            continue;
        }
        char escape[4];
        std::snprintf(escape, sizeof(escape), "%%%02X", static_cast<unsigned char>(c));
        text += escape;
    }
    return text;
}

std::string DecodeProfileValue(const std::string& text, size_t maxLength, const LeadBytes& lead)
{
    std::string value;
    size_t i = 0;
    for (; i < text.size() && value.size() < maxLength; ++i) {
        if (text[i] != '%') {
            value += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            break;
        const int high = HexDigit(text[i + 1]);
        const int low = HexDigit(text[i + 2]);
        if (high < 0 || low < 0) {
            value += '%';
            continue;
        }
        // A NUL would end the value early in every reader after this one, and a name of NULs
        // alone would pass for a name.
        if (high != 0 || low != 0)
            value += static_cast<char>(high * 16 + low);
        i += 2;
    }
    // A value cut at the limit keeps whole characters only.
    if (i < text.size() && lead.EndsInsideCharacter(value))
        value.pop_back();
    return value;
}
