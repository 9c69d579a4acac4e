#pragma once
// Makes the extension known to the shell for files, folders and shortcuts. Registration goes
// to the machine's classes, or to the user's own when the machine keys may not be written.
#include <string>

bool RegisterShellExt(const std::string& dllPath);
// Removes the extension's keys from the machine's and the user's classes. False when a key
// that exists could not be removed.
bool UnregisterShellExt();
