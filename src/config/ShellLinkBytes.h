#pragma once
// A look at a shortcut file's bytes before the shell's link object reads it: that object trusts
// the sizes written in the file, and a damaged one (a link-info size of 0xFFFFFFF0) makes it
// claim gigabytes of memory.
#include <string>

// No shortcut comes near this size; a larger file is not read as one.
constexpr size_t kShellLinkSizeLimit = 1 << 20;

// Whether the bytes are a shell link whose every part (target list, link info, strings, extra
// blocks) lies inside the file.
bool IsWholeShellLink(const std::string& bytes);
