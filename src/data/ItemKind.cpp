#include "data/ItemKind.h"

#include <cstring>

namespace {
char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool EndsWithNoCase(const std::string& text, const char* suffix)
{
    size_t length = std::strlen(suffix);
    if (text.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (LowerAscii(text[text.size() - length + i]) != LowerAscii(suffix[i]))
            return false;
    }
    return true;
}

int ItemImageOf(const std::string& exePath)
{
    return exePath.find("\r\n") != std::string::npos ? 3 : 2;
}
