#include "data/FileAccess.h"

#include <windows.h>

bool ReplaceFileWith(const std::string& target, const std::string& fresh)
{
    // The C library's rename refuses an existing target; this one replaces it in one step.
    return MoveFileExA(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
