#pragma once
// Program discovery as the configuration window runs it when it opens: on a worker thread,
// while the progress window covers the wait.
#include "config/ProgramList.h"
#include "data/ItemList.h"

#include <windows.h>

#include <string>

// Returns when discovery has finished and the progress window has closed. `items` and `list`
// belong to the worker until then; the caller's thread only runs the progress window.
void RunDiscoveryWithProgress(HWND owner, const std::string& progressText, const ItemList& items, ProgramList& list);
