#include "config/DefaultShortName.h"

#include "data/ShortName.h"

namespace {
bool IsLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}
} // namespace

std::string UpperCaseText(const std::string& text)
{
    std::string upper = text;
    for (size_t i = 0; i < upper.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(upper[i]);
        if (IsLeadByte(byte))
            ++i;
        else if (byte >= 'a' && byte <= 'z')
            upper[i] = static_cast<char>(byte - 'a' + 'A');
    }
    return upper;
}

std::string DefaultShortName(const std::string& name)
{
    const size_t start = name.find_first_not_of("+ ");
    return UpperCaseText(MakeShortName(start == std::string::npos ? std::string() : name.substr(start)));
}
