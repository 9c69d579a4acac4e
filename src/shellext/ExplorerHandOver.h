#pragma once
// Hands one file or folder from the Explorer to the program: the request goes into win.ini and
// the main window is told of it, after starting the program when none runs.
#include <string>

// The path in the system code page, or empty when it cannot travel through the hand-off whole:
// a character the code page lacks, a path longer than the reader's buffer, or no name at its end.
std::string HandOverPathOf(const wchar_t* widePath);

// Starts the hand-over of a path on a thread of its own, so the Explorer never waits for the
// program. False when the thread could not be started.
bool StartHandOver(const std::string& path);
