#pragma once
// The library's process-wide state: its own module handle and the count of live objects, server
// locks and running hand-overs that keeps it loaded.
#include <windows.h>

#include <string>

extern HMODULE g_module;

void LockModule();
void UnlockModule();
bool ModuleInUse();

// The folder of this library's own file (the installation folder), without a trailing
// backslash.
std::string ModuleFolder();
