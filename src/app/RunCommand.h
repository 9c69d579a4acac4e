#pragma once
// Starts an outside command: first as a process (a program given by its full path), then
// through the shell (a document, folder or web address), then as a command line (WinExec).
// Returns true only when the first attempt created the process.
bool RunCommand(const char* command, const char* parameters, bool show);
