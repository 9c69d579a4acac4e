#pragma once
// Lower-casing of ANSI text that leaves double-byte characters whole: the trail byte of such a
// character may look like an ASCII letter, and folding it would turn one character into another.
#include <string>

using LeadByteTest = bool (*)(unsigned char);

// The double-byte ranges of the Chinese code pages the program is mostly used with; the
// Windows side passes the system's own test instead.
bool IsGbkLeadByteValue(unsigned char byte);

std::string LowerCaseAnsi(const std::string& text, LeadByteTest isLeadByte = IsGbkLeadByteValue);
