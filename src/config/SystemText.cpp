#include "config/SystemText.h"

#include <windows.h>

namespace {
std::wstring ToWide(UINT codePage, const std::string& text)
{
    const int chars = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(chars > 0 ? chars : 0), L'\0');
    if (chars > 0)
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], chars);
    return wide;
}

std::string FromWide(UINT codePage, const std::wstring& wide)
{
    const int bytes =
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0], bytes, nullptr, nullptr);
    return text;
}

bool IsAscii(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}
} // namespace

std::string WideToAnsi(const wchar_t* text)
{
    return text ? FromWide(CP_ACP, text) : std::string();
}

std::string Utf8ToAnsi(const std::string& text)
{
    // Almost every stored address is plain ASCII: no conversion needed.
    return IsAscii(text) ? text : FromWide(CP_ACP, ToWide(CP_UTF8, text));
}

std::string AnsiToUtf8(const std::string& text)
{
    return IsAscii(text) ? text : FromWide(CP_UTF8, ToWide(CP_ACP, text));
}
