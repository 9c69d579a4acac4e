#pragma once
#include <string>

// Whether a running process's executable has this file name (any letter case).
bool IsProcessRunning(const std::string& exeName);
