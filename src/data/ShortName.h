#pragma once
// Short names that the user types in the quick-launch box to find an item: the initials of a
// Latin name's words, or the pinyin initials of the first four characters of a Chinese name
// (GB2312 double-byte text).
#include <string>

// The pinyin syllable of one double-byte character, or empty below the first level-1 code.
std::string SyllableOf(unsigned char lead, unsigned char trail);

// The first character of every blank-separated word, without dots; a single word whole.
std::string AsciiInitials(const std::string& text);

std::string MakeShortName(const std::string& name);
