#pragma once
// Items-file bytes written by hand, the way the layout describes them.
#include <cstdio>
#include <string>

inline std::string Slot(const std::string& field)
{
    char length[8];
    std::snprintf(length, sizeof(length), "%04u", static_cast<unsigned>(field.size()));
    return length + field;
}

inline std::string Header(const char* count16, char flag = '\0')
{
    return std::string(1, flag) + std::string(99, '\0') + count16;
}
