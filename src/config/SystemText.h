#pragma once
// Text conversions in the system's ANSI code page.
#include <string>

std::string WideToAnsi(const wchar_t* text);
std::string Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const std::string& text);
