#pragma once
// The installation folder, where the program finds its texts, images and data files: the
// folder of the program file, without a trailing backslash. Tests point it at a staged folder.
#include <string>

const std::string& InstallFolder();
void SetInstallFolder(const std::string& folder);
// The folder of the running program file, worked out from its full path.
std::string ProgramFolder();
