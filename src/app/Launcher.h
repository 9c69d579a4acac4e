#pragma once
// Starting items: every path through the program (hotkeys, the quick-launch box, the test
// button of composed items) ends here.
#include <windows.h>

#include <string>
#include <vector>

// The main window; restored clipboard snapshots are put on the clipboard in its name.
extern HWND g_mainWnd;

// Starts every command of `text` in order, 500 ms apart, on the calling thread. Commands that
// fail to start are not reported. Always returns true.
bool LaunchCommandText(const std::string& text);

// Starts the commands of item `index` of the shared item list. A negative index, or one past
// the list, starts nothing.
void LaunchItemByIndex(int index);

// Starts each non-empty command exactly as it stands (no trimming, no snapshot restore), 500 ms
// between two starts: the trial run of a composed item's entries before it is saved.
void RunCommandsInTurn(const std::vector<std::string>& commands);
