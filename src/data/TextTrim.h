#pragma once
// The one trimming rule of the program: blanks, tabs and line breaks off both ends. Names,
// short names, commands and typed search text all go through it.
#include <string>

std::string TrimBlanks(const std::string& text);
