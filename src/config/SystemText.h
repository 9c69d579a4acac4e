#pragma once
// Text conversions in the system's ANSI code page.
#include <string>

// False, with `out` as it was, when the code page lacks one of the characters.
bool WideToAnsiExactly(const std::wstring& text, std::string& out);
bool Utf8ToAnsiExactly(const std::string& text, std::string& out);
std::string AnsiToUtf8(const std::string& text);
