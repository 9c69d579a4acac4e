#include "data/LowerCase.h"

bool IsGbkLeadByteValue(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

std::string LowerCaseAnsi(const std::string& text, LeadByteTest isLeadByte)
{
    std::string lower = text;
    for (size_t i = 0; i < lower.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(lower[i]);
        if (isLeadByte(byte))
            ++i;
        else if (byte >= 'A' && byte <= 'Z')
            lower[i] = static_cast<char>(byte - 'A' + 'a');
    }
    return lower;
}
