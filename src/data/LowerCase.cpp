#include "data/LowerCase.h"

namespace {
std::string ChangeCase(const std::string& text, const LeadBytes& lead, char from, char to)
{
    std::string changed = text;
    for (size_t i = 0; i < changed.size(); i += lead.CharLength(changed.data(), i, changed.size())) {
        const char c = changed[i];
        if (c >= from && c <= from + ('Z' - 'A'))
            changed[i] = static_cast<char>(c - from + to);
    }
    return changed;
}
} // namespace

std::string LowerCaseAnsi(const std::string& text, const LeadBytes& lead)
{
    return ChangeCase(text, lead, 'A', 'a');
}

std::string UpperCaseAnsi(const std::string& text, const LeadBytes& lead)
{
    return ChangeCase(text, lead, 'a', 'A');
}
