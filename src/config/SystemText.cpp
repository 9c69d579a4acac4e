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

// Fails where the code page lacks a character: the system would put "?" (or a look-alike) in
// its place, and an address with a "?" in its path is another address.
bool WideToAnsiExactly(const std::wstring& wide, std::string& text)
{
    const int length = static_cast<int>(wide.size());
    if (GetACP() == CP_UTF8) {
        text = FromWide(CP_UTF8, wide);
        return true;
    }
    BOOL lossy = FALSE;
    const int bytes =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &lossy);
    if (lossy || (bytes == 0 && length != 0))
        return false;
    text.assign(static_cast<size_t>(bytes), '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, &text[0], bytes, nullptr, nullptr);
    return true;
}

bool Utf8ToAnsiExactly(const std::string& text, std::string& out)
{
    // Almost every stored address is plain ASCII: no conversion needed.
    if (IsAscii(text)) {
        out = text;
        return true;
    }
    return WideToAnsiExactly(ToWide(CP_UTF8, text), out);
}

std::string AnsiToUtf8(const std::string& text)
{
    return IsAscii(text) ? text : FromWide(CP_UTF8, ToWide(CP_ACP, text));
}
