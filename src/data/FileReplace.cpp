#include "data/FileAccess.h"

#include <cstdio>

bool ReplaceFileWith(const std::string& target, const std::string& fresh)
{
    return std::rename(fresh.c_str(), target.c_str()) == 0;
}
